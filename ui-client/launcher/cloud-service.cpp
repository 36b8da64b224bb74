#include "cloud-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>

#include <cstdio>

#include "extractor.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char* const kComponent = "service_debug";

ustring FromQString(const QString& text) {
  return ustring(text.toUtf8().constData());
}

// Backup name for one attempt: app_dir + "_tmp", then the attempt number
// from the second attempt on, so no name ends in "_tmp0".
ustring GetAppBackupDir(const ustring& app_dir, int tries) {
  ustring name = app_dir + "_tmp";
  if (tries == 0) {
    return name;
  }
  char suffix[8];
  if (snprintf(suffix, sizeof(suffix), "%d", tries) < 0) {
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] cloud-service(%d): snprintf failed (continuing without postfix)",
                   __LINE__);
    suffix[0] = '\0';
  }
  return name + suffix;
}

void ReadVersionKey(QSettings& settings, const char* key, ustring& field) {
  if (settings.contains(key)) {
    field = FromQString(settings.value(key, QString()).toString());
  }
}

// Reads the "Version" group of an INI file into a version record. A missing
// file reads as empty; absent keys leave their fields as they were.
template <typename Record>
void ReadVersionFile(const ustring& path, Record& record) {
  QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
  settings.beginGroup("Version");
  ReadVersionKey(settings, "major_version", record.major_version);
  ReadVersionKey(settings, "minor_version", record.minor_version);
  ReadVersionKey(settings, "build_version", record.build_version);
  ReadVersionKey(settings, "icon_overlay_version", record.icon_overlay_version);
}

}  // namespace

Service::Service() : timeout(0) {}

Service::~Service() = default;

void Service::SetTimeout(int timeout) {
  this->timeout = timeout;
}

ustring Service::GetUserInstallPath() {
  return FromQString(QDir::homePath());
}

ustring Service::GetRootLarkspanInstallPath() {
  return FromQString(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + ".."));
}

ustring Service::GetRootLarkspanResourceInstallPath() {
  return GetRootLarkspanInstallPath() + "";
}

ustring Service::GetUserLarkspanInstallPath() {
  return GetUserInstallPath() + "/" + ".Larkspan";
}

ustring Service::GetUserLarkspanAppInstallPath() {
  return GetUserLarkspanInstallPath() + "/" + "Larkspan.app";
}

ustring Service::GetUserLarkspanDataInstallPath() {
  return GetUserLarkspanInstallPath() + "/" + "data";
}

void Service::LoadTargetVersion() {
  const ustring path = GetRootLarkspanResourceInstallPath() + "/" + "INFO";
  const VersionInfo& v = target_version;
  ReadVersionFile(path, target_version);
  Logger::LogMsg(Logger::L_INFO, kComponent,
                 "[INFO] cloud-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                 v.major_version.c_str(), v.minor_version.c_str(), v.build_version.c_str(),
                 v.icon_overlay_version.c_str());
}

void Service::LoadSourceVersion() {
  const ustring path = GetUserLarkspanAppInstallPath() + "" + "/" + "INFO";
  if (!IsFileExist(path, false)) {
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] cloud-service(%d): source does not exist\n", __LINE__);
    return;
  }
  const VersionInfo& v = source_version;
  ReadVersionFile(path, source_version);
  Logger::LogMsg(Logger::L_INFO, kComponent,
                 "[INFO] cloud-service(%d): source_version = (%s, %s, %s, %s)\n", __LINE__,
                 v.major_version.c_str(), v.minor_version.c_str(), v.build_version.c_str(),
                 v.icon_overlay_version.c_str());
}

int Service::PrepareUserEnv() {
  const int MAX_RENAME_COUNT = 10;
  const ustring app_dir = per_user_install_path;
  ustring backup_dir;
  int tries = 0;

  if (IsFileExist(app_dir, false)) {
    for (;;) {
      backup_dir = GetAppBackupDir(app_dir, tries);
      if (FSRename(app_dir, backup_dir, false) == 0) {
        break;
      }
      Logger::LogMsg(Logger::L_ERR, kComponent,
                     "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
                     __LINE__, app_dir.c_str(), backup_dir.c_str());
      if (++tries == MAX_RENAME_COUNT) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at max "
                       "retries, exiting\n",
                       __LINE__, app_dir.c_str(), backup_dir.c_str());
        return -1;
      }
    }
  }

  if (ExtractPackage() != 0) {
    if (backup_dir.empty()) {
      Logger::LogMsg(Logger::L_ERR, kComponent,
                     "[ERROR] cloud-service(%d): Failed to extract package, and no old "
                     "installation to rollback\n",
                     __LINE__);
    } else {
      Logger::LogMsg(Logger::L_ERR, kComponent,
                     "[ERROR] cloud-service(%d): Failed to extract package, rollback to old "
                     "installation\n",
                     __LINE__);
      FSRemove(app_dir, false);
      FSRename(backup_dir, app_dir, false);
    }
    return -1;
  }

  Logger::LogMsg(Logger::L_INFO, kComponent,
                 "[INFO] cloud-service(%d): user installation is ready, removing backup app\n",
                 __LINE__);
  // The names that were in the way are stale backups of earlier runs.
  for (int i = 0; i <= tries; ++i) {
    FSRemove(GetAppBackupDir(app_dir, i), false);
  }
  return 0;
}

int Service::ExtractPackage() {
  const ustring package = GetRootLarkspanResourceInstallPath() + "/package/larkspan.kpk";
  const ustring target = GetUserLarkspanAppInstallPath();
  if (FSMKDir(target, true) < 0) {
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] cloud-service(%d): failed to create folder: '%s'\n", __LINE__,
                   target.c_str());
    return -1;
  }
  Logger::LogMsg(Logger::L_INFO, kComponent,
                 "[INFO] cloud-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                 package.c_str(), target.c_str());
  Extractor extractor;
  extractor.SetSource(package);
  extractor.SetTarget(target);
  return extractor.Extract();
}

void Service::RemoveAgedFolders() {
  const ustring aged = GetUserLarkspanInstallPath() + "/app";
  Logger::LogMsg(Logger::L_INFO, kComponent,
                 "[INFO] cloud-service(%d): removing aged app folder %s\n", __LINE__,
                 aged.c_str());
  FSRemove(aged, false);
}
