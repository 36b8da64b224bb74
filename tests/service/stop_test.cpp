// Stopping the client through its pid file, with real child processes.
//
// A signal sent by mistake to 0, -1 or a negative number would reach the
// test's own process group or every process of the user, so the cases that
// must send no signal run the service in a forked child whose kill() calls
// end it at once (a seccomp filter): a wrong signal can never leave it.
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "fake_client.h"
#include "log_capture.h"
#include "service_support.h"

namespace {

using servicetest::ChildProcess;
using servicetest::ServiceLines;
using testsupport::LogCapture;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

class StopServiceTest : public ::testing::Test {
 protected:
  StopServiceTest() : home_env_("HOME", home_.path()), pid_file_(home_.sub(".Larkspan/ui.pid")) {
    testsupport::MakeDirs(home_.sub(".Larkspan"));
  }

  // A fake client that has written its pid file and handles SIGTERM as mode
  // says.
  std::unique_ptr<ChildProcess> StartClient(const std::string& mode) {
    std::unique_ptr<ChildProcess> client = ChildProcess::Spawn({FAKE_CLIENT_PATH, pid_file_, mode});
    if (client && !servicetest::WaitForFileContent(
                      pid_file_, "pid=" + std::to_string(client->pid()) + "\n")) {
      ADD_FAILURE() << "the client wrote no pid file";
    }
    return client;
  }

  TempDir home_;
  ScopedEnv home_env_;
  std::string pid_file_;
};

TEST_F(StopServiceTest, ClientThatEndsOnSigtermIsNotKilled) {
  std::unique_ptr<ChildProcess> client = StartClient("exits-on-term");
  ASSERT_TRUE(client);
  WriteFile(pid_file_, "pid = " + std::to_string(client->pid()) + " # client\n");
  LogCapture log;
  LinuxService().StopService();
  const std::optional<int> status = client->Wait();
  ASSERT_TRUE(status);
  EXPECT_TRUE(servicetest::ExitedWith(*status, fakeclient::kEndedWithWitness))
      << "wait status " << *status;
  EXPECT_TRUE(ServiceLines(log.Lines()).empty());
}

// Takes about five seconds: the tests for life run their course.
TEST_F(StopServiceTest, ClientThatIgnoresSigtermIsKilled) {
  std::unique_ptr<ChildProcess> client = StartClient("ignores-term");
  ASSERT_TRUE(client);
  LogCapture log;
  LinuxService().StopService();
  const std::optional<int> status = client->Wait();
  ASSERT_TRUE(status);
  EXPECT_TRUE(servicetest::KilledBy(*status, SIGKILL)) << "wait status " << *status;
  EXPECT_TRUE(ServiceLines(log.Lines()).empty());
}

TEST_F(StopServiceTest, PidThatNamesNoProcessIsLeftSilently) {
  // Above the kernel's largest process id, so certainly in use by nobody.
  long pid_max = 0;
  std::ifstream("/proc/sys/kernel/pid_max") >> pid_max;
  ASSERT_GT(pid_max, 0);
  WriteFile(pid_file_, "pid=" + std::to_string(pid_max + 1) + "\n");
  LogCapture log;
  LinuxService().StopService();
  EXPECT_TRUE(ServiceLines(log.Lines()).empty());
}

// Takes about five seconds: a refused SIGTERM is followed by the tests for
// life and SIGKILL all the same.
TEST_F(StopServiceTest, RefusedSignalIsLoggedAsError) {
  SKIP_IF_ROOT();
  struct stat init_status;
  ASSERT_EQ(stat("/proc/1", &init_status), 0);
  if (init_status.st_uid == geteuid()) GTEST_SKIP() << "process 1 belongs to this user";
  WriteFile(pid_file_, "pid=1\n");
  LogCapture log;
  LinuxService().StopService();
  const std::vector<std::string> expected = {"[ERROR] linux/linux-service(N): kill: " +
                                             std::string(strerror(EPERM)) + " (" +
                                             std::to_string(EPERM) + ")"};
  EXPECT_EQ(ServiceLines(log.Lines()), expected);
}

#if defined(__x86_64__)
constexpr unsigned kAuditArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr unsigned kAuditArch = AUDIT_ARCH_AARCH64;
#else
constexpr unsigned kAuditArch = 0;
#endif

// From now on, any kill() ends this process with SIGSYS before the signal
// is sent.
bool ForbidKill() {
  if (kAuditArch == 0) return false;
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kAuditArch, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_kill, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog program = {static_cast<unsigned short>(sizeof(filter) / sizeof(filter[0])), filter};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

constexpr int kSandboxUnavailable = 3;

// Runs StopService in a forked child that cannot send signals; the wait
// status of that child.
int StopServiceInSandbox() {
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    if (!ForbidKill()) _exit(kSandboxUnavailable);
    LinuxService().StopService();
    _exit(0);  // no exit handlers: the parent owns the test's state
  }
  int status = -1;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) ADD_FAILURE() << "fork: " << strerror(errno);
  return status;
}

// Runs StopService in the sandbox and checks that it sent no signal and
// logged exactly line, with {PID} standing for the pid file's path.
void ExpectNoSignalAndLogged(const std::string& pid_file, const std::string& line) {
  LogCapture log;
  const int status = StopServiceInSandbox();
  if (servicetest::ExitedWith(status, kSandboxUnavailable))
    GTEST_SKIP() << "seccomp filters are not available here";
  EXPECT_FALSE(servicetest::KilledBy(status, SIGSYS)) << "a signal was sent";
  EXPECT_TRUE(servicetest::ExitedWith(status, 0)) << "wait status " << status;
  const std::string expected = servicetest::Substitute(line, {{"{PID}", pid_file}});
  EXPECT_EQ(ServiceLines(log.Lines()), std::vector<std::string>{expected});
}

std::string NoValidPid(const std::string& value) {
  return "[NOTE] linux/linux-service(N): pid file '{PID}' holds no valid pid ('" + value +
         "'), nothing to terminate";
}

const char* const kUnreadable =
    "[NOTE] linux/linux-service(N): Failed to read pid file '{PID}', not exist ?";

struct NoSignalCase {
  const char* name;
  const char* pid_file;  // content; null: no file
  std::string line;
};

TEST_F(StopServiceTest, PidFileWithoutAUsablePidSendsNoSignal) {
  const NoSignalCase cases[] = {
      {"no_pid_file", nullptr,
       "[DEBUG] linux/linux-service(N): pid file '{PID}' does not exist, no need to terminate"},
      {"grammar_broken", "pid=1234\njunk\n", kUnreadable},
      {"zero", "pid=0\n", NoValidPid("0")},
      {"minus_one", "pid=-1\n", NoValidPid("-1")},
      {"negative", "pid=-1234\n", NoValidPid("-1234")},
      {"no_digits", "pid=abc\n", NoValidPid("abc")},
      {"empty_value", "pid=''\n", NoValidPid("")},
      {"no_pid_key", "other=5\n", NoValidPid("")},
      {"beyond_any_integer", "pid=99999999999999999999\n", NoValidPid("99999999999999999999")},
      {"wraps_to_one", "pid=4294967297\n", NoValidPid("4294967297")},
      {"wraps_to_minus_one", "pid=4294967295\n", NoValidPid("4294967295")},
  };
  for (const NoSignalCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(pid_file_.c_str());
    if (c.pid_file) WriteFile(pid_file_, c.pid_file);
    ExpectNoSignalAndLogged(pid_file_, c.line);
    if (IsSkipped()) return;
  }
}

TEST_F(StopServiceTest, UnreadablePidFileSendsNoSignal) {
  SKIP_IF_ROOT();
  WriteFile(pid_file_, "pid=1234\n", 0);
  ExpectNoSignalAndLogged(pid_file_, kUnreadable);
}

}  // namespace
