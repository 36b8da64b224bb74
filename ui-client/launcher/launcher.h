// The controller that runs the upgrade job on a worker thread while the
// progress dialog stays on the main thread, and ends the application when the
// job is done.
//
// Ownership: the Launcher owns the Worker and the dialog; the Worker owns its
// thread and the upgrade service. The two sides talk only through signals,
// each delivered as a queued call on the receiver's thread.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

class ProcessingProgressDialog;
class Service;

// A thread that only runs an event loop, for the Worker that lives on it.
class HandlerThread : public QThread {
  Q_OBJECT

 protected:
  void run() override;
};

class Worker : public QObject {
  Q_OBJECT

 public:
  // Uses a LinuxService of its own.
  Worker();
  // Takes ownership of `service`, which must not be null.
  explicit Worker(Service* service);
  // Waits for a job still running before anything is deleted; normally the
  // thread has been joined already and nothing waits.
  virtual ~Worker();

  void StartThread();  // starts the thread's event loop
  void QuitThread();   // asks the thread's event loop to end
  void JoinThread();   // blocks until the thread has finished

 signals:
  void sigServiceDone();
  void sigShowMsg();
  void sigUpdateProgress(int total, int steps);
  void sigSetLabelText(const QString& label);

 private slots:
  // The whole job, once, on the worker thread: version check, installation
  // when needed, removal of the aged folder, start of the client.
  void HandleServicce();

 private:
  HandlerThread* m_handler_thread;
  Service* m_service;
};

class Launcher : public QObject {
  Q_OBJECT

 public:
  // Uses a LinuxService.
  Launcher();
  // Takes ownership of `service`, which must not be null.
  explicit Launcher(Service* service);
  virtual ~Launcher();

  void Run();    // starts the worker thread
  void Start();  // asks the worker for the job; may come before the thread runs

 signals:
  void sigStart();

 private slots:
  // Value 100, hide the dialog, end and join the worker thread, leave the
  // application's event loop.
  void LaunchDone();
  // Sets the value steps * 100 / total; a report without a positive total is
  // dropped.
  void UpdateProgress(int total, int steps);
  void SetLabelText(const QString& label);
  void ShowMsgBox();

 private:
  void ConnectSignals();
  void SetProgressValue(int value);

  Worker* m_worker;
  ProcessingProgressDialog* m_progress;
  // setValue on a modal dialog that the toolkit itself decided to show
  // processes events, so a queued call could arrive inside it; LaunchDone
  // waits until no setValue is on the stack.
  int m_value_depth = 0;
};
