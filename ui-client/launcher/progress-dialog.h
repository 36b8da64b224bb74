// The launcher's only window: a small modal dialog that tells the user that
// the private copy of the client is being prepared and how far the unpacking
// has come.
#pragma once

#include <QProgressDialog>

class QCloseEvent;

class ProcessingProgressDialog : public QProgressDialog {
  Q_OBJECT

 public:
  // Title and label from the string table (ids 452 and 410), value 0 of 0 to
  // 100, fixed width 400, window-modal, not shown. The icon comes from
  // ROOT/images/ico_72_larkspan.png; a missing file only leaves the window
  // without an icon.
  ProcessingProgressDialog();
  virtual ~ProcessingProgressDialog();

  // The dialog offers no way out: the job behind it cannot be interrupted,
  // and only its owner hides it. A close request from the window manager and
  // the Escape key are therefore ignored.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
};
