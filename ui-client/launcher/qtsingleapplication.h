// The application object with a guard that lets one launcher run per user and
// executable.
//
// The guard is an exclusive lock on a file named after a hash of the running
// executable's canonical path, in a folder only the user can write:
// $XDG_RUNTIME_DIR when it is a directory owned by the user with mode 0700,
// else <temp folder>/larkspan-launcher-<uid>, made with mode 0700. The kernel
// drops the lock when the process ends in any way, so a killed launcher never
// blocks the next one, and processes started by the launcher do not inherit
// it. Two installations, or two users, never block each other.
#pragma once

#include <QApplication>
#include <QString>

class QtSingleApplication : public QApplication {
  Q_OBJECT

 public:
  // Builds the application object and tries to take the lock at once.
  // `GUIenabled` is accepted for the classic signature; a QApplication is
  // always a GUI application.
  QtSingleApplication(int& argc, char** argv, bool GUIenabled);
  ~QtSingleApplication() override;

  // True when another process of this user runs this executable. When the
  // lock cannot be set up at all (no usable private folder, say), the answer
  // is false, so the launcher still runs, and a warning is logged.
  bool isRunning();

 private:
  int m_lock_fd = -1;  // held open, and so locked, for the life of the process
  bool m_other_instance = false;
  QString m_guard_error;  // why there is no lock, empty when there is one
};
