#include "e2e_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

extern char** environ;

namespace e2e {

namespace {

struct PipeCloser {
  void operator()(FILE* f) const noexcept { ::pclose(f); }
};

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

std::vector<char*> CStrings(const std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  std::unique_ptr<FILE, PipeCloser> pipe(::popen(command.c_str(), "r"));
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) result.output.append(buffer, n);
  const int status = ::pclose(pipe.release());
  result.status = ExitCodeOf(status);
  return result;
}

std::string ShellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

VirtualDisplay::VirtualDisplay() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return;
  Fd read_end(fds[0]);
  Fd write_end(fds[1]);
  // Xvfb writes its display number to this descriptor once it accepts
  // clients; the child gets a copy without close-on-exec.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, write_end.get(), 3);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const std::vector<std::string> argv = {"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0", "1024x768x24"};
  const int rc = ::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, CStrings(argv).data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    pid_ = -1;
    return;
  }
  write_end.Reset();

  std::string number;
  pollfd pfd = {read_end.get(), POLLIN, 0};
  while (::poll(&pfd, 1, 20000) > 0) {
    char c;
    if (::read(read_end.get(), &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  if (!number.empty()) name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status;
  ::waitpid(pid_, &status, 0);
}

Child::Child(const std::string& program, const std::vector<std::string>& argv, const std::vector<std::string>& env,
             const std::string& out_path, const std::string& err_path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  const int rc = ::posix_spawn(&pid_, program.c_str(), &actions, &attributes, CStrings(argv).data(), CStrings(env).data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    pid_ = -1;
    return;
  }
  ended_ = false;
}

Child::~Child() {
  if (pid_ <= 0) return;
  ::kill(-pid_, SIGKILL);
  if (!ended_) {
    int status;
    ::waitpid(pid_, &status, 0);
  }
}

bool Child::Wait(int timeout_ms) {
  if (ended_) return true;
  return WaitFor(
      [this] {
        int status;
        const pid_t rc = ::waitpid(pid_, &status, WNOHANG);
        if (rc != pid_) return false;
        ended_ = true;
        exit_code_ = ExitCodeOf(status);
        return true;
      },
      timeout_ms);
}

void Child::Signal(int signal_number) {
  if (!ended_) ::kill(pid_, signal_number);
}

void Child::SignalGroup(int signal_number) {
  if (pid_ > 0) ::kill(-pid_, signal_number);
}

bool ProcessRuns(pid_t pid, const std::string& text) {
  if (pid <= 0) return false;
  std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str().find(text) != std::string::npos;
}

}  // namespace e2e
