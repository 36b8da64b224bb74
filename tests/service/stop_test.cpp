// Stopping the client through its pid file, with real child processes.
//
// A signal sent by mistake to 0, -1 or a negative number would reach the
// test's own process group or every process of the user, so the cases that
// must send no signal run the service in a forked child whose kill() calls
// end it at once (a seccomp filter): a wrong signal can never leave it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "fake_client.h"
#include "log_capture.h"
#include "service_support.h"
#include "syscall_filter.h"

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

  // A fake client, run from the application folder, that has written its pid
  // file and handles SIGTERM as mode says.
  std::unique_ptr<ChildProcess> StartClient(const std::string& mode) {
    const std::string program = servicetest::PlaceFakeClient(home_.sub(".Larkspan/Larkspan.app"));
    std::unique_ptr<ChildProcess> client = ChildProcess::Spawn({program, pid_file_, mode});
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
// life and SIGKILL all the same. A client of this user cannot refuse a
// signal, so a filter makes the kernel refuse SIGTERM as it would for
// another user's process.
TEST_F(StopServiceTest, RefusedSignalIsLoggedAsError) {
  std::unique_ptr<ChildProcess> client = StartClient("exits-on-term");
  ASSERT_TRUE(client);
  LogCapture log;
  const int status = servicetest::RunSandboxed({servicetest::RefuseKill(SIGTERM)},
                                               [] { LinuxService().StopService(); });
  if (servicetest::ExitedWith(status, servicetest::kSandboxUnavailable))
    GTEST_SKIP() << "seccomp filters are not available here";
  EXPECT_TRUE(servicetest::ExitedWith(status, 0)) << "wait status " << status;
  const std::optional<int> client_status = client->Wait();
  ASSERT_TRUE(client_status);
  EXPECT_TRUE(servicetest::KilledBy(*client_status, SIGKILL)) << "wait status " << *client_status;
  const std::vector<std::string> expected = {"[ERROR] linux/linux-service(N): kill: " +
                                             std::string(strerror(EPERM)) + " (" +
                                             std::to_string(EPERM) + ")"};
  EXPECT_EQ(ServiceLines(log.Lines()), expected);
}

// Runs StopService in a forked child that cannot send signals; the wait
// status of that child.
int StopServiceInSandbox() {
  return servicetest::RunSandboxed({servicetest::EndProcessOnKill()},
                                   [] { LinuxService().StopService(); });
}

// Runs StopService in the sandbox and checks that it sent no signal and
// logged exactly line, with {PID} standing for the pid file's path.
void ExpectNoSignalAndLogged(const std::string& pid_file, const std::string& line) {
  LogCapture log;
  const int status = StopServiceInSandbox();
  if (servicetest::ExitedWith(status, servicetest::kSandboxUnavailable))
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
