#include "service_support.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <sstream>

extern char** environ;

namespace servicetest {

namespace {

QStringList ToQStringList(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list;
}

// The unit of a line "[LEVEL] unit(123): text", and where its "(" stands;
// an empty unit when the line has another form.
std::string UnitOf(const std::string& line, size_t* open) {
  const size_t tag_end = line.find("] ");
  if (line.empty() || line[0] != '[' || tag_end == std::string::npos) return std::string();
  *open = line.find('(', tag_end + 2);
  if (*open == std::string::npos) return std::string();
  const size_t close = line.find("): ", *open);
  if (close == std::string::npos || close == *open + 1 ||
      line.find_first_not_of("0123456789", *open + 1) != close)
    return std::string();
  return line.substr(tag_end + 2, *open - tag_end - 2);
}

}  // namespace

std::string MaskLineNumber(const std::string& line) {
  size_t open = 0;
  if (UnitOf(line, &open).empty()) return line;
  return line.substr(0, open) + "(N" + line.substr(line.find("): ", open));
}

std::vector<std::string> ServiceLines(const std::vector<std::string>& lines) {
  std::vector<std::string> picked;
  for (const std::string& line : lines) {
    size_t open = 0;
    const std::string unit = UnitOf(line, &open);
    if (unit == "cloud-service" || unit == "linux/linux-service")
      picked.push_back(MaskLineNumber(line));
  }
  return picked;
}

std::string Substitute(std::string text, const std::map<std::string, std::string>& values) {
  for (const auto& [key, value] : values) {
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
      text.replace(at, key.size(), value);
  }
  return text;
}

ChildProcess::ChildProcess(pid_t pid) : pid_(pid), reaper_([this] { Reap(); }) {}

std::unique_ptr<ChildProcess> ChildProcess::Spawn(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attr, 0);
  pid_t pid = 0;
  const int err = posix_spawnp(&pid, args[0], nullptr, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  if (err != 0) {
    ADD_FAILURE() << "cannot start " << argv[0] << ": " << strerror(err);
    return nullptr;
  }
  return std::unique_ptr<ChildProcess>(new ChildProcess(pid));
}

std::unique_ptr<ChildProcess> ChildProcess::Adopt(pid_t pid) {
  return std::unique_ptr<ChildProcess>(new ChildProcess(pid));
}

ChildProcess::~ChildProcess() {
  Signal(SIGKILL);
  reaper_.join();
}

void ChildProcess::Reap() {
  // Wait for the end without reaping, mark it, and only then reap: Signal()
  // checks the mark under the lock, so it never signals a freed process id.
  siginfo_t info;
  const bool waited = waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT) == 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
  }
  int status = -1;
  if (!waited || waitpid(pid_, &status, 0) != pid_) {
    ADD_FAILURE() << "process " << pid_ << " is not a child of the test: " << strerror(errno);
  }
  std::lock_guard<std::mutex> lock(mutex_);
  status_ = status;
  reaped_ = true;
  reaped_cv_.notify_all();
}

bool ChildProcess::Signal(int sig) {
  std::lock_guard<std::mutex> lock(mutex_);
  // A pid of 0 or less would reach a whole process group.
  return pid_ > 0 && !ended_ && kill(pid_, sig) == 0;
}

std::optional<int> ChildProcess::Wait(int limit_s) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!reaped_cv_.wait_for(lock, std::chrono::seconds(limit_s), [this] { return reaped_; }))
    return std::nullopt;
  return status_;
}

std::string PlaceFakeClient(const std::string& app_dir) {
  namespace fs = std::filesystem;
  const std::string copy = app_dir + "/bin/fake_client";
  std::error_code ec;
  fs::create_directories(app_dir + "/bin", ec);
  if (!ec && !fs::exists(copy)) fs::copy_file(FAKE_CLIENT_PATH, copy, ec);
  if (ec) ADD_FAILURE() << "cannot place the fake client in " << app_dir << ": " << ec.message();
  return copy;
}

bool ExitedWith(int status, int code) {
  return WIFEXITED(status) && WEXITSTATUS(status) == code;
}

bool KilledBy(int status, int sig) {
  return WIFSIGNALED(status) && WTERMSIG(status) == sig;
}

bool WaitForFileContent(const std::string& path, const std::string& content, int limit_s) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit_s);
  while (testsupport::ReadFile(path) != content) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    usleep(10 * 1000);
  }
  return true;
}

ProbeRun RunProbe(const std::string& program_folder, const std::string& home,
                  const std::string& command) {
  namespace fs = std::filesystem;
  const std::string probe = program_folder + "/service_probe";
  ProbeRun run;
  std::error_code ec;
  fs::create_directories(program_folder, ec);
  if (!ec && !fs::exists(probe)) fs::copy_file(SERVICE_PROBE_PATH, probe, ec);
  if (ec) {
    ADD_FAILURE() << "cannot place the probe in " << program_folder << ": " << ec.message();
    return run;
  }

  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", QString::fromStdString(home));
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(QString::fromStdString(probe), {QString::fromStdString(command)});
  if (!process.waitForFinished(120 * 1000) || process.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << "probe '" << command << "' did not finish: "
                  << process.errorString().toStdString();
    return run;
  }
  run.exit_code = process.exitCode();
  std::istringstream out(process.readAllStandardOutput().toStdString());
  for (std::string line; std::getline(out, line);) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == "log")
      run.log.push_back(value);
    else
      run.values[key] = value;
  }
  return run;
}

int RunProgram(const std::string& program, const std::vector<std::string>& args) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(QString::fromStdString(program), ToQStringList(args));
  if (!process.waitForFinished(120 * 1000) || process.exitStatus() != QProcess::NormalExit)
    return -1;
  return process.exitCode();
}

bool MakeSamplePackage(const std::string& out, int build, const std::string& info_out) {
  std::vector<std::string> args = {out, std::to_string(build)};
  if (!info_out.empty()) args.push_back(info_out);
  return RunProgram(MAKE_SAMPLE_PACKAGE_PATH, args) == 0;
}

bool Unpack(const std::string& archive, const std::string& dir) {
  return RunProgram(BSDTAR_PATH, {"-xf", archive, "-C", dir}) == 0;
}

bool Pack(const std::string& out, const std::string& dir, const std::vector<std::string>& entries) {
  std::vector<std::string> args = {"-czf", out, "-C", dir};
  args.insert(args.end(), entries.begin(), entries.end());
  return RunProgram(BSDTAR_PATH, args) == 0;
}

std::string BuildLine(const std::string& info_path) {
  for (const std::string& line : testsupport::ReadLines(info_path)) {
    if (line.rfind("build_version=", 0) == 0) return line;
  }
  return std::string();
}

}  // namespace servicetest
