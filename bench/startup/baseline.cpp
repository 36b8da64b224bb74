// The yardstick for the launcher's start-up: the least a Qt program with the
// same dialog does, namely build the application object and a progress
// dialog, run the event loop once and quit.
#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QProgressDialog dialog;
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return app.exec();
}
