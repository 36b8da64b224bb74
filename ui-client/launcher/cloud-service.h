// Service: the upgrade service the launcher's worker drives. It holds the
// user's application folder and the two version records, and implements the
// platform-neutral steps: version loading, package extraction, backup and
// rollback. A platform class (LinuxService) supplies process handling, the
// upgrade decision and the start of the client.
//
// Nothing here throws; failures come back as int results (0 or -1) and log
// lines under the component "service_debug".
#pragma once

#include "ustring/ustring.h"

class Service {
 public:
  virtual ~Service();

  // Stops the user's running client, if any.
  virtual void StopService() = 0;
  // Stores a time limit; nothing reads it.
  virtual void SetTimeout(int timeout);
  // Installs the package into the user's application folder, keeping the old
  // folder as a backup until the new one is complete. 0 or -1.
  virtual int HandlePackageUpgrade() = 0;
  // Starts the user's client again; runs after every job.
  virtual void PostUpgrade() = 0;
  // Loads and logs the target record, then the source record.
  virtual void PreUpgrade() = 0;
  // Whether an installation is needed; relies on PreUpgrade having run.
  virtual bool IsNeedUpgrade() = 0;

  // Removes HOME/.Larkspan/app, a folder of an older layout. Logs its path on
  // every call; a missing folder or a failed removal is not reported.
  void RemoveAgedFolders();

  // Every path of the system comes from these. Each call asks the framework
  // again; nothing is cached, tested for existence or normalised, and the
  // separator is always added (a HOME of "/" gives "//.Larkspan").
  // HOME: QDir::homePath(), in UTF-8.
  static ustring GetUserInstallPath();
  // ROOT: the parent of the running executable's folder, ".." resolved as
  // text. Needs a QCoreApplication.
  static ustring GetRootLarkspanInstallPath();
  // The same value as GetRootLarkspanInstallPath().
  static ustring GetRootLarkspanResourceInstallPath();
  // HOME/.Larkspan, the per-user folder.
  static ustring GetUserLarkspanInstallPath();
  // HOME/.Larkspan/Larkspan.app, the user's copy of the client.
  static ustring GetUserLarkspanAppInstallPath();
  // HOME/.Larkspan/data; no operation uses it.
  static ustring GetUserLarkspanDataInstallPath();

 protected:
  // One version file's "Version" group, as text; empty until read.
  struct VersionInfo {
    ustring major_version;
    ustring minor_version;
    ustring build_version;  // the only field the upgrade decision reads
    ustring icon_overlay_version;
  };

  Service();

  // Makes the application folder (and missing parents) and unpacks
  // ROOT/package/larkspan.kpk into it. 0 on success, -1 when the folder
  // cannot be made, otherwise the extractor's result. A failed extraction
  // leaves what it wrote.
  virtual int ExtractPackage();
  // Fills source_version from HOME/.Larkspan/Larkspan.app/INFO. A missing
  // file is logged and leaves the record as it was; absent keys leave their
  // fields unchanged.
  virtual void LoadSourceVersion();
  // Fills target_version from ROOT/INFO. A missing file or group yields no
  // entries, so the fields keep their values.
  virtual void LoadTargetVersion();
  // Moves the application folder aside (up to ten backup names), extracts
  // the package, then removes the backups (0) or puts the old folder back
  // (-1). With no folder to move aside, a failed extraction leaves its
  // partial output in place.
  // While it works, HOME/.Larkspan/Larkspan.app.installing records how far
  // it got; a run that died leaves it behind, and the next call first puts
  // the complete copy back in place (the old one, or the new one when only
  // the backups were left to remove) and then installs as usual. If the old
  // copy cannot be put back, it stays under its backup name, the record
  // stays for the next run, and the result is -1.
  virtual int PrepareUserEnv();
  // Whether the last installation died before it finished (its record is
  // still there); logs a note when so.
  bool FindUnfinishedInstallation();

  int timeout;
  ustring per_user_install_path;
  VersionInfo target_version;
  VersionInfo source_version;
};
