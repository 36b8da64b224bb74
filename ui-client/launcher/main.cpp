// Process entry: prepares resources, plug-ins and the log, allows one
// launcher per user and installation, installs the translation, then hands
// over to the Launcher and the event loop. The exit code is 0 in every case.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "cloud-service.h"
#include "kest-locale.h"
#include "launcher.h"
#include "log.h"
#include "qtsingleapplication.h"
#include "texts/strtab.h"

// The executable as a real path, so that a launcher started through PATH or
// a symbolic link still finds ROOT/lib/plugins.
static QString executable_path(const char* bin) {
  const QString canonical = QFileInfo(QString::fromUtf8(bin ? bin : "")).canonicalFilePath();
  if (!canonical.isEmpty()) return canonical;
  return QFileInfo("/proc/self/exe").canonicalFilePath();
}

// Must run before the application object exists: it loads its platform
// plug-in from the library path.
static void initialize_resources(const char* bin) {
  setlocale(LC_ALL, "");
  StrTable::RegisterCatalogues();
  const QString plugin_path = QDir::cleanPath(executable_path(bin) + "/../../lib/plugins");
  QCoreApplication::setLibraryPaths(QStringList(plugin_path));
  printf("lib path = '%s'\n", plugin_path.toUtf8().constData());
  fflush(stdout);
}

// Without a log folder the run goes on without a log.
static void initialize_logger() {
  ustring level_path = Service::GetRootLarkspanInstallPath();
  level_path.append("/log/launcher.debug");
  ustring log_folder = Service::GetUserLarkspanInstallPath();
  log_folder.append("/log");
  if (!QDir().mkpath(QString::fromUtf8(log_folder.c_str()))) return;

  ustring log_path = log_folder;
  log_path.append("/launcher.log");
  Logger::Initialize(Logger::FILE_LOGGER, log_path, level_path, 50);
}

static QString getCurrentLanguageFileName() {
  return ":/" + KestLocale::getInstance().getDefaultLanguage() + ".qm";
}

int main(int argc, char** argv) {
  int ret = 0;
  initialize_resources(argc > 0 ? argv[0] : nullptr);
  QtSingleApplication app(argc, argv, true);
  initialize_logger();
  if (app.isRunning()) {
    Logger::LogMsg(Logger::L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n", __LINE__);
    return 0;
  }

  QTranslator trans(nullptr);
  QString strLan = getCurrentLanguageFileName();
  if (trans.load(strLan, QString(), QString(), QString()) && !trans.isEmpty()) {
    QCoreApplication::installTranslator(&trans);
  }
  StrTable::InitStrTable();

  Launcher* launcher = new Launcher();
  launcher->Run();
  launcher->Start();
  ret = app.exec();
  delete launcher;
  return ret;
}
