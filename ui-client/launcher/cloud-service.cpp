#include "cloud-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config.h"
#include "extractor.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char* const kComponent = "service_debug";
// The number of backup names tried, attempts 0 to 9.
const int MAX_RENAME_COUNT = 10;

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

// Removes the backups of attempts 0 to last; the names that were in the way
// are stale backups of earlier runs. Failures are ignored.
void RemoveBackups(const ustring& app_dir, int last) {
  for (int i = 0; i <= last; ++i) {
    FSRemove(GetAppBackupDir(app_dir, i), false);
  }
}

// ---- The record of an installation under way ------------------------------
//
// app_dir + ".installing" says which step the installation has reached and,
// as "backup=N", the attempt number of the backup name that holds (or is
// about to hold) the old copy; without it there was no old copy. A run that
// dies leaves the record behind, and it tells the next run where the
// complete copy is.

// Renaming the old copy to the backup name.
const char* const kStepBackup = "backup";
// The old copy is under the backup name; the new one is being unpacked.
const char* const kStepUnpack = "unpack";
// The new copy is complete and on disk; the backups are being removed.
const char* const kStepCleanup = "cleanup";

struct InstallRecord {
  ustring step;     // one of the steps above; empty when unreadable
  int backup = -1;  // attempt number of the backup name; -1: none
};

ustring GetInstallRecordPath(const ustring& app_dir) {
  return app_dir + ".installing";
}

class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ~ScopedFd() {
    if (fd_ >= 0) close(fd_);
  }
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Flushes a folder's entries (a rename or a new name in it) to the disk.
void SyncFolder(const ustring& folder) {
  ScopedFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) fsync(fd.get());
}

// Replaces path by a file holding text, so that after a crash or a power
// loss it holds the old text or the new one, whole: written aside, flushed,
// renamed over path, and the folder flushed.
bool WriteFileDurably(const ustring& path, const std::string& text) {
  const ustring part = path + ".part";  // one launcher per user: a fixed name will do
  {
    ScopedFd fd(open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (fd.get() < 0 || !WriteAll(fd.get(), text) || fsync(fd.get()) != 0) {
      unlink(part.c_str());
      return false;
    }
  }
  if (rename(part.c_str(), path.c_str()) != 0) {
    unlink(part.c_str());
    return false;
  }
  SyncFolder(FSParentPath(path));
  return true;
}

// Records the step before taking it. A record that cannot be written (the
// per-user folder is read-only or not a folder) leaves the installation as
// it was without one: its own steps then fail the same way and say so.
void RecordInstallStep(const ustring& app_dir, const char* step, int backup) {
  std::string text = std::string("step=") + step + "\n";
  if (backup >= 0) text += "backup=" + std::to_string(backup) + "\n";
  // A first installation may find no per-user folder yet.
  FSMKDirP(FSParentPath(app_dir), nullptr, false, FS_DEFAULT_MODE);
  WriteFileDurably(GetInstallRecordPath(app_dir), text);
}

// Also removes what a run that died while writing the record left of it.
void ClearInstallRecord(const ustring& app_dir) {
  const ustring path = GetInstallRecordPath(app_dir);
  unlink(path.c_str());
  unlink((path + ".part").c_str());
}

// The record left by an earlier run; false when there is none. A record
// that cannot be read gives an empty step.
bool ReadInstallRecord(const ustring& app_dir, InstallRecord* record) {
  const ustring path = GetInstallRecordPath(app_dir);
  if (!IsFileExist(path, false)) return false;
  Config config;
  if (config.read(path) < 0) return true;
  const ustring backup = config["backup"];
  if (!backup.empty()) {
    char* end = nullptr;
    const long number = std::strtol(backup.c_str(), &end, 10);
    if (*end != '\0' || number < 0 || number >= MAX_RENAME_COUNT) return true;
    record->backup = static_cast<int>(number);
  }
  record->step = config["step"];
  return true;
}

// Since the application folder is renamed atomically, the complete copy is
// either the application folder or the backup: before the rename (and after
// a rollback) the old copy is in place, during the unpacking it is the
// backup, and during the cleanup the new copy is in place while the backup
// may be half removed.
//
// Puts that complete copy in place as the application folder, so that a new
// installation starts from a sound state and even a failed one leaves a
// complete copy. False when the old copy could not be moved back; it then
// stays under its backup name.
bool RestoreCompleteCopy(const ustring& app_dir, const InstallRecord& record) {
  if (record.step == kStepCleanup) {
    RemoveBackups(app_dir, std::max(record.backup, 0));
    return true;
  }
  const bool unpacking = record.step == kStepUnpack;
  if (!unpacking && record.step != kStepBackup) {
    return true;  // a record of unknown form says nothing certain
  }
  if (record.backup < 0) {
    // A first installation: there is no old copy, only a partial new one.
    if (unpacking) FSRemove(app_dir, false);
    return true;
  }
  const ustring backup_dir = GetAppBackupDir(app_dir, record.backup);
  // Before the unpacking a missing application folder means the rename was
  // done; once unpacking, a missing backup means the rollback was done.
  const bool moved_aside =
      IsFileExist(backup_dir, false) && (unpacking || !IsFileExist(app_dir, false));
  if (!moved_aside) {
    return true;
  }
  FSRemove(app_dir, false);
  if (FSRename(backup_dir, app_dir, false) == 0) {
    return true;
  }
  Logger::LogMsg(Logger::L_ERR, kComponent,
                 "[ERROR] cloud-service(%d): failed to restore app from '%s' -> '%s'\n", __LINE__,
                 backup_dir.c_str(), app_dir.c_str());
  return false;
}

// Flushes the file system that holds path, so that what was unpacked there
// survives a power loss before the old copy is removed.
void SyncFileSystem(const ustring& path) {
  ScopedFd fd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) syncfs(fd.get());
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

bool Service::FindUnfinishedInstallation() {
  if (!IsFileExist(GetInstallRecordPath(per_user_install_path), false)) {
    return false;
  }
  Logger::LogMsg(Logger::L_NOTICE, kComponent,
                 "[NOTE] cloud-service(%d): last installation did not finish, installing again\n",
                 __LINE__);
  return true;
}

int Service::PrepareUserEnv() {
  const ustring app_dir = per_user_install_path;
  ustring backup_dir;
  int tries = 0;

  InstallRecord unfinished;
  if (ReadInstallRecord(app_dir, &unfinished) && !RestoreCompleteCopy(app_dir, unfinished)) {
    return -1;
  }

  if (IsFileExist(app_dir, false)) {
    for (;;) {
      backup_dir = GetAppBackupDir(app_dir, tries);
      RecordInstallStep(app_dir, kStepBackup, tries);
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
        ClearInstallRecord(app_dir);
        return -1;
      }
    }
  }

  RecordInstallStep(app_dir, kStepUnpack, backup_dir.empty() ? -1 : tries);
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
    ClearInstallRecord(app_dir);
    return -1;
  }

  Logger::LogMsg(Logger::L_INFO, kComponent,
                 "[INFO] cloud-service(%d): user installation is ready, removing backup app\n",
                 __LINE__);
  SyncFileSystem(app_dir);
  RecordInstallStep(app_dir, kStepCleanup, tries);
  RemoveBackups(app_dir, tries);
  // Cleared whatever the removal gave: a backup that cannot be removed must
  // not make every later start install again.
  ClearInstallRecord(app_dir);
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
