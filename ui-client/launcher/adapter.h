// Carries progress and label text from code that knows nothing of the user
// interface (the package extractor, on the worker thread) to the dialog.
#pragma once

#include <QObject>
#include <QString>

class Notify_Adapter : public QObject {
  Q_OBJECT

 public:
  // The one process-wide instance, made on first use. The first call should
  // come from the main thread so that the adapter lives there and its
  // signals reach main-thread receivers as queued calls.
  static Notify_Adapter& GetInstance();

  // Emit the matching signal with the values unchanged; with nothing
  // connected they do nothing visible.
  void UpdateProgress(int total, int step);
  void UpdateDialogText(QString text);

  virtual ~Notify_Adapter();

 signals:
  void sigUpdateProgress(int total, int current);
  void sigUpdateDialogText(QString text);

 private:
  Notify_Adapter();
};
