// LinuxService: the upgrade service on Linux. Adds to Service what depends on
// the platform: stopping the client through its pid file, the upgrade
// decision, and starting the client through its start script.
#pragma once

#include "cloud-service.h"

class LinuxService : public Service {
 public:
  // Reads HOME now: per_user_install_path is HOME/.Larkspan/Larkspan.app.
  LinuxService();
  ~LinuxService() override;

  // Stops the client named by HOME/.Larkspan/ui.pid: SIGTERM, then up to five
  // tests one second apart, then SIGKILL. Returns at once when the file is
  // missing or unreadable, when it holds no positive process id, or when no
  // such process exists (a zombie counts as ended). Sends nothing, with a
  // note, to a process that does not run from the application folder: the
  // file may be stale and its number reused by another program. Blocks for
  // about five seconds when the client does not end.
  void StopService() override;
  // Stops the client first if its program is installed, then installs the
  // package (PrepareUserEnv). 0 or -1.
  int HandlePackageUpgrade() override;
  // Runs the client's start script and waits for it to end.
  void PostUpgrade() override;
  // Loads the target record, then the source record, and logs both.
  void PreUpgrade() override;
  // True when the target build number is greater than the source one, when
  // the last installation did not finish, or when the client program is
  // missing. Build numbers are read like atoi
  // (leading digits; none gives 0), clamped to the range of int.
  bool IsNeedUpgrade() override;

  // One process-wide instance, made on first use; the upgrade job does not
  // use it.
  static LinuxService* GetInstace();

 private:
  // Whether HOME/.Larkspan/Larkspan.app/bin/larkspan-drive-ui exists (a link
  // counts when its target exists); execute permission is not asked.
  bool PerUserBinPathExist();
  // Runs package/start-stop with the one argument "start" and waits for it.
  // Its exit code and failures are ignored. Always 0.
  int LaunchPerUserBin();
  void LoadTargetVerInfo();
  void LoadSourceVerInfo();
};
