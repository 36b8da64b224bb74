#include "linux/linux-service.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include <sys/types.h>
#include <unistd.h>

#include "config.h"
#include "file/file-op.h"
#include "log.h"
#include "unique_handles.h"

namespace {

const char* const kComponent = "service_debug";
const int kLifeTests = 5;

// A build number as atoi reads it (leading blanks, a sign, the digits up to
// the first other character; no digits give 0), clamped to the range of int
// instead of overflowing.
int BuildNumber(const ustring& text) {
  if (text.empty()) {
    return 0;
  }
  const long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) {
    return INT_MAX;
  }
  if (value < INT_MIN) {
    return INT_MIN;
  }
  return static_cast<int>(value);
}

// Reads a process id the way atol does, but accepts only a number that names
// a single process: kill() with 0 or a negative value would signal a whole
// process group or every process of the user, and a value beyond pid_t
// would wrap to one of those.
bool ParsePid(const ustring& text, pid_t* pid) {
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(start, &end, 10);
  if (end == start || errno == ERANGE || value <= 0 ||
      value > std::numeric_limits<pid_t>::max()) {
    return false;
  }
  *pid = static_cast<pid_t>(value);
  return true;
}

std::string ProcPath(pid_t pid) {
  return "/proc/" + std::to_string(static_cast<long>(pid));
}

// Whole content of a file below /proc; empty when it cannot be read.
std::string ReadProcFile(const std::string& path) {
  std::string content;
  UniqueFile file(std::fopen(path.c_str(), "re"));
  if (!file) return content;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0) content.append(buffer, n);
  return content;
}

// Whether the process has ended: no such process, or a zombie that nobody
// has reaped yet (it still answers kill(pid, 0) but will never run again).
bool ProcessEnded(pid_t pid) {
  // "pid (name) state ...": the name may hold blanks and ")".
  const std::string stat = ReadProcFile(ProcPath(pid) + "/stat");
  const size_t name_end = stat.rfind(')');
  if (name_end == std::string::npos || name_end + 2 >= stat.size()) return true;
  const char state = stat[name_end + 2];
  return state == 'Z' || state == 'X';
}

// Whether path, made canonical, is real_folder or lies below it.
bool LiesIn(const ustring& real_folder, const ustring& path) {
  ustring real_path = path;
  return FSGetRealPath(real_path) == 0 && FSIsParentFolder(real_folder, real_path);
}

// Whether the process runs from the folder: its program, or one of its
// arguments (a script run by an interpreter, say), lies in it. Relative
// arguments count from the process's own working folder. What cannot be
// read (another user's process) does not count.
bool RunsFrom(pid_t pid, const ustring& real_folder) {
  const std::string proc = ProcPath(pid);
  if (LiesIn(real_folder, (proc + "/exe").c_str())) return true;
  const std::string cmdline = ReadProcFile(proc + "/cmdline");
  for (size_t start = 0; start < cmdline.size();) {
    const size_t end = std::min(cmdline.find('\0', start), cmdline.size());
    const std::string arg = cmdline.substr(start, end - start);
    start = end + 1;
    if (arg.empty()) continue;
    const std::string path = arg[0] == '/' ? arg : proc + "/cwd/" + arg;
    if (LiesIn(real_folder, path.c_str())) return true;
  }
  return false;
}

enum class PidOwner { kNone, kClient, kOther };

// Who the pid file's process is: none (ended), the user's client (running
// from the application folder), or another program that took over the
// number of a client gone long ago.
PidOwner IdentifyProcess(pid_t pid, const ustring& app_dir) {
  if (ProcessEnded(pid)) return PidOwner::kNone;
  ustring real_app_dir = app_dir;
  if (FSGetRealPath(real_app_dir) != 0) return PidOwner::kOther;  // no folder to run from
  return RunsFrom(pid, real_app_dir) ? PidOwner::kClient : PidOwner::kOther;
}

// Whether the process is certainly gone or has ended as a zombie; other
// failures of the test (no permission) count as still running.
bool ProcessGone(pid_t pid) {
  if (kill(pid, 0) != 0) return errno == ESRCH;
  return ProcessEnded(pid);
}

}  // namespace

LinuxService::LinuxService() {
  timeout = 10000;
  per_user_install_path = GetUserLarkspanAppInstallPath();
}

LinuxService::~LinuxService() = default;

LinuxService* LinuxService::GetInstace() {
  static LinuxService instance;
  return &instance;
}

bool LinuxService::PerUserBinPathExist() {
  const ustring program = per_user_install_path + "/" + "bin" + "/" + "larkspan-drive-ui";
  return access(program.c_str(), F_OK) == 0;
}

void LinuxService::StopService() {
  const ustring pid_file = GetUserLarkspanInstallPath() + "/ui.pid";
  Config config;
  if (!IsFileExist(pid_file, false)) {
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to "
                   "terminate\n",
                   __LINE__, pid_file.c_str());
    return;
  }
  if (config.read(pid_file) < 0) {
    Logger::LogMsg(Logger::L_NOTICE, kComponent,
                   "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n",
                   __LINE__, pid_file.c_str());
    return;
  }
  const ustring pid_text = config["pid"];
  pid_t pid = 0;
  if (!ParsePid(pid_text, &pid)) {
    Logger::LogMsg(Logger::L_NOTICE, kComponent,
                   "[NOTE] linux/linux-service(%d): pid file '%s' holds no valid pid ('%s'), "
                   "nothing to terminate\n",
                   __LINE__, pid_file.c_str(), pid_text.c_str());
    return;
  }
  // A stale pid file's number may since belong to any program of the user.
  switch (IdentifyProcess(pid, per_user_install_path)) {
    case PidOwner::kNone:
      return;
    case PidOwner::kOther:
      Logger::LogMsg(Logger::L_NOTICE, kComponent,
                     "[NOTE] linux/linux-service(%d): pid %ld is not the client, nothing to "
                     "terminate\n",
                     __LINE__, static_cast<long>(pid));
      return;
    case PidOwner::kClient:
      break;
  }

  if (kill(pid, SIGTERM) != 0) {
    const int err = errno;
    if (err == ESRCH) {
      return;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n",
                   __LINE__, strerror(err), err);
  }
  for (int i = 0; i < kLifeTests; ++i) {
    if (ProcessGone(pid)) {
      return;
    }
    sleep(1);
  }
  kill(pid, SIGKILL);
}

int LinuxService::HandlePackageUpgrade() {
  if (PerUserBinPathExist()) {
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): local appdata exist\n", __LINE__);
    StopService();
  }
  return PrepareUserEnv();
}

int LinuxService::LaunchPerUserBin() {
  // Program and argument go separately, so a HOME holding blanks still works.
  const ustring script = per_user_install_path + "/package/start-stop";
  QProcess::execute(QString::fromUtf8(script.c_str()), QStringList{QStringLiteral("start")});
  return 0;
}

void LinuxService::PostUpgrade() {
  LaunchPerUserBin();
}

void LinuxService::LoadTargetVerInfo() {
  Service::LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo() {
  Service::LoadSourceVersion();
}

void LinuxService::PreUpgrade() {
  LoadTargetVerInfo();
  LoadSourceVerInfo();
  Logger::LogMsg(Logger::L_DEBUG, kComponent,
                 "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n", __LINE__,
                 source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
  Logger::LogMsg(Logger::L_DEBUG, kComponent,
                 "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n", __LINE__,
                 target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade() {
  const int source = BuildNumber(source_version.build_version);
  const int target = BuildNumber(target_version.build_version);
  Logger::LogMsg(Logger::L_DEBUG, kComponent,
                 "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n",
                 __LINE__, source, target);
  bool need = target > source;
  // A run that died while installing may have left a partial copy whose
  // version looks current.
  if (FindUnfinishedInstallation()) {
    need = true;
  }
  // A missing program means an incomplete copy, whatever its version says.
  if (!PerUserBinPathExist()) {
    need = true;
  }
  return need;
}
