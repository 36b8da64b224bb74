// Helpers of the service tests: the service with its state opened up, log
// line filters, child processes that are reaped at once, the probe program
// that runs the service with a ROOT of its own, and package archives.
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "linux/linux-service.h"
#include "test_support.h"

namespace servicetest {

// LinuxService with its protected members opened up.
class ServiceUnderTest : public LinuxService {
 public:
  using Service::VersionInfo;
  using Service::per_user_install_path;
  using Service::source_version;
  using Service::target_version;
  using Service::timeout;
  using Service::LoadSourceVersion;
};

// "[INFO] cloud-service(123): x" -> "[INFO] cloud-service(N): x": line
// numbers are the code's own business.
std::string MaskLineNumber(const std::string& line);
// The lines of the service's units (cloud-service, linux/linux-service),
// line numbers masked, in order.
std::vector<std::string> ServiceLines(const std::vector<std::string>& lines);
// Every occurrence of each key replaced by its value.
std::string Substitute(std::string text, const std::map<std::string, std::string>& values);

// A child process of the test. A thread waits for it from the start, so an
// ended child is reaped at once: an unreaped one would still answer
// kill(pid, 0) as if it were running. Signals go only to a child that has
// not ended, so they never reach a reused process id.
class ChildProcess {
 public:
  // Starts argv[0] (searched in PATH) in a process group of its own, with
  // the test's environment. Null, with a test failure, when it cannot start.
  static std::unique_ptr<ChildProcess> Spawn(const std::vector<std::string>& argv);
  // Takes over a process that is already a child of this one, such as an
  // orphan handed to this process as its subreaper.
  static std::unique_ptr<ChildProcess> Adopt(pid_t pid);

  ~ChildProcess();  // kills the child if it still runs, then reaps it
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // Sends sig if the child has not ended; false otherwise.
  bool Signal(int sig);
  // The wait status once the child has ended and was reaped; nothing if it
  // is still running after limit_s seconds (a guard against hanging).
  std::optional<int> Wait(int limit_s = 30);

 private:
  explicit ChildProcess(pid_t pid);
  void Reap();

  pid_t pid_;
  std::mutex mutex_;
  std::condition_variable reaped_cv_;
  bool ended_ = false;
  bool reaped_ = false;
  int status_ = -1;
  std::thread reaper_;
};

// Copies fake_client into app_dir/bin (once) and returns the copy's path:
// a stand-in client that runs from the user's application folder, as the
// real one does.
std::string PlaceFakeClient(const std::string& app_dir);

// Whether the wait status says "exited with code".
bool ExitedWith(int status, int code);
// Whether the wait status says "killed by sig".
bool KilledBy(int status, int sig);

// Waits (up to limit_s seconds) until path holds exactly content.
bool WaitForFileContent(const std::string& path, const std::string& content, int limit_s = 30);

// One run of service_probe: its exit code, its "key=value" results and the
// lines it logged (time stamps removed).
struct ProbeRun {
  int exit_code = -1;
  std::map<std::string, std::string> values;
  std::vector<std::string> log;
};

// Copies service_probe into program_folder (once) and runs "command" there
// with HOME set to home; the service's ROOT is then the folder's parent.
ProbeRun RunProbe(const std::string& program_folder, const std::string& home,
                  const std::string& command);

// Runs a program with arguments and waits; its exit code, or -1 when it did
// not start or crashed.
int RunProgram(const std::string& program, const std::vector<std::string>& args);

// The sample client packed with the given build number; info_out, if not
// empty, receives the package's INFO.
bool MakeSamplePackage(const std::string& out, int build, const std::string& info_out = "");
// Unpacks an archive below an existing folder.
bool Unpack(const std::string& archive, const std::string& dir);
// Packs the named entries of dir (relative names) into a gzip'ed tar.
bool Pack(const std::string& out, const std::string& dir, const std::vector<std::string>& entries);

// The build_version line of an INFO file, e.g. "build_version=100"; empty
// when there is none.
std::string BuildLine(const std::string& info_path);

}  // namespace servicetest
