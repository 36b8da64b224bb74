// A pid file may outlive the client, and its number may since belong to any
// other program of the user: StopService signals a process only when it runs
// from the application folder. The cases that must send nothing run the
// service where any kill() ends it (a seccomp filter), so a wrong signal can
// never leave it.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_client.h"
#include "linux/linux-service.h"
#include "log_capture.h"
#include "service_support.h"
#include "syscall_filter.h"

extern char** environ;

namespace {

using servicetest::ChildProcess;
using servicetest::ProbeRun;
using servicetest::ServiceLines;
using testsupport::LogCapture;
using testsupport::MakeDirs;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

std::string NotTheClient(pid_t pid) {
  return "[NOTE] linux/linux-service(N): pid " + std::to_string(pid) +
         " is not the client, nothing to terminate";
}

// Changes the working folder for the life of the object.
class ScopedWorkingDir {
 public:
  explicit ScopedWorkingDir(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~ScopedWorkingDir() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

class ClientCheckTest : public ::testing::Test {
 protected:
  ClientCheckTest()
      : home_env_("HOME", home_.path()),
        app_(home_.sub(".Larkspan/Larkspan.app")),
        pid_file_(home_.sub(".Larkspan/ui.pid")) {
    WriteFile(app_ + "/OLD", "old copy\n");
    WriteFile(app_ + "_tmp/OLD", "a backup\n");
  }

  void NamePid(pid_t pid) { WriteFile(pid_file_, "pid=" + std::to_string(pid) + "\n"); }

  // Runs StopService where any kill() ends it; its wait status says whether
  // it sent nothing and returned.
  void ExpectNothingSent(const std::vector<std::string>& lines) {
    LogCapture log;
    const int status = servicetest::RunSandboxed({servicetest::EndProcessOnKill()},
                                                 [] { LinuxService().StopService(); });
    if (servicetest::ExitedWith(status, servicetest::kSandboxUnavailable))
      GTEST_SKIP() << "seccomp filters are not available here";
    EXPECT_FALSE(servicetest::KilledBy(status, SIGSYS)) << "a signal was sent";
    EXPECT_TRUE(servicetest::ExitedWith(status, 0)) << "wait status " << status;
    EXPECT_EQ(ServiceLines(log.Lines()), lines);
  }

  TempDir home_;
  ScopedEnv home_env_;
  const std::string app_;
  const std::string pid_file_;
};

struct OtherProgramCase {
  const char* name;
  // Starts the process the pid file names; null for the test itself.
  std::function<std::unique_ptr<ChildProcess>(const std::string& app)> start;
};

TEST_F(ClientCheckTest, ProgramThatDoesNotRunFromTheAppFolderIsLeftAlone) {
  const OtherProgramCase cases[] = {
      {"unrelated_program",
       [](const std::string&) { return ChildProcess::Spawn({"sleep", "600"}); }},
      {"the_launcher_itself", nullptr},
      {"argument_beside_the_app_folder",
       [](const std::string& app) {
         return ChildProcess::Spawn(
             {FAKE_CLIENT_PATH, app + "_tmp/ui.pid", "exits-on-term", app + "_tmp/OLD"});
       }},
      {"argument_that_names_nothing_in_the_app_folder",
       [](const std::string& app) {
         return ChildProcess::Spawn(
             {FAKE_CLIENT_PATH, app + "_tmp/ui.pid", "exits-on-term", app + "/no-such-file"});
       }},
  };
  for (const OtherProgramCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<ChildProcess> other = c.start ? c.start(app_) : nullptr;
    if (c.start) {
      ASSERT_TRUE(other);
    }
    const pid_t pid = other ? other->pid() : getpid();
    NamePid(pid);
    ExpectNothingSent({NotTheClient(pid)});
    if (IsSkipped()) return;
    if (other) {
      EXPECT_TRUE(other->Signal(0)) << "the process has ended";
    }
  }
}

struct ClientCase {
  const char* name;
  std::function<std::unique_ptr<ChildProcess>(const std::string& app, const std::string& pid_file)>
      start;
};

TEST_F(ClientCheckTest, ClientIsRecognisedByItsProgramOrAnArgument) {
  // HOME through a symbolic link: the paths compare in canonical form.
  const std::string linked_home = home_.sub("linked-home");
  ASSERT_EQ(symlink(home_.path().c_str(), linked_home.c_str()), 0);
  const ClientCase cases[] = {
      {"program_in_the_app_folder",
       [](const std::string& app, const std::string& pid_file) {
         return ChildProcess::Spawn({servicetest::PlaceFakeClient(app), pid_file, "exits-on-term"});
       }},
      {"argument_in_the_app_folder",
       [](const std::string& app, const std::string& pid_file) {
         return ChildProcess::Spawn({FAKE_CLIENT_PATH, pid_file, "exits-on-term", app + "/OLD"});
       }},
      {"relative_argument_from_the_app_folder",
       [](const std::string& app, const std::string& pid_file) {
         ScopedWorkingDir in_app(app);
         return ChildProcess::Spawn({FAKE_CLIENT_PATH, pid_file, "exits-on-term", "OLD"});
       }},
      {"argument_through_a_linked_home",
       [&linked_home](const std::string&, const std::string& pid_file) {
         return ChildProcess::Spawn({FAKE_CLIENT_PATH, pid_file, "exits-on-term",
                                     linked_home + "/.Larkspan/Larkspan.app/OLD"});
       }},
  };
  for (const ClientCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(pid_file_.c_str());
    std::unique_ptr<ChildProcess> client = c.start(app_, pid_file_);
    ASSERT_TRUE(client);
    ASSERT_TRUE(servicetest::WaitForFileContent(pid_file_,
                                                "pid=" + std::to_string(client->pid()) + "\n"));
    LogCapture log;
    {
      // The service looks for the application folder through the link.
      ScopedEnv linked("HOME", linked_home);
      LinuxService().StopService();
    }
    const std::optional<int> status = client->Wait();
    ASSERT_TRUE(status);
    EXPECT_TRUE(servicetest::ExitedWith(*status, fakeclient::kEndedWithWitness))
        << "wait status " << *status;
    EXPECT_TRUE(ServiceLines(log.Lines()).empty());
  }
}

// A child started without a reaper: once it ends it stays a zombie until
// Reap(), as under an init that does not reap orphans.
class UnreapedChild {
 public:
  explicit UnreapedChild(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    if (posix_spawn(&pid_, args[0], nullptr, nullptr, args.data(), environ) != 0) pid_ = -1;
  }
  ~UnreapedChild() {
    if (pid_ > 0 && !reaped_) {
      kill(pid_, SIGKILL);
      Reap();
    }
  }
  UnreapedChild(const UnreapedChild&) = delete;
  UnreapedChild& operator=(const UnreapedChild&) = delete;

  pid_t pid() const { return pid_; }
  // Whether it has ended, without reaping it.
  bool Ended() const {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid_;
  }
  int Reap() {
    int status = -1;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return status;
  }

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
};

TEST_F(ClientCheckTest, ZombieIsNotARunningClient) {
  UnreapedChild client({servicetest::PlaceFakeClient(app_), pid_file_, "exits-on-term"});
  ASSERT_GT(client.pid(), 0);
  ASSERT_TRUE(servicetest::WaitForFileContent(pid_file_,
                                              "pid=" + std::to_string(client.pid()) + "\n"));
  ASSERT_EQ(kill(client.pid(), SIGTERM), 0);
  for (int i = 0; i < 3000 && !client.Ended(); ++i) usleep(10 * 1000);
  ASSERT_TRUE(client.Ended());

  // It still answers kill(pid, 0), but nothing is sent and nothing logged.
  ExpectNothingSent({});
  EXPECT_TRUE(servicetest::ExitedWith(client.Reap(), fakeclient::kEndedWithWitness));
}

// The client ends on SIGTERM but stays a zombie: the tests for life see it
// gone, so no SIGKILL follows (the filter would end the service if it did).
TEST_F(ClientCheckTest, ClientThatEndsAsAZombieIsNotWaitedFor) {
  UnreapedChild client({servicetest::PlaceFakeClient(app_), pid_file_, "exits-on-term"});
  ASSERT_GT(client.pid(), 0);
  ASSERT_TRUE(servicetest::WaitForFileContent(pid_file_,
                                              "pid=" + std::to_string(client.pid()) + "\n"));
  LogCapture log;
  const int status = servicetest::RunSandboxed({servicetest::EndProcessOnKill(SIGKILL)},
                                               [] { LinuxService().StopService(); });
  if (servicetest::ExitedWith(status, servicetest::kSandboxUnavailable))
    GTEST_SKIP() << "seccomp filters are not available here";
  EXPECT_TRUE(servicetest::ExitedWith(status, 0)) << "wait status " << status;
  EXPECT_TRUE(ServiceLines(log.Lines()).empty());
  EXPECT_TRUE(servicetest::ExitedWith(client.Reap(), fakeclient::kEndedWithWitness));
}

// Through a whole installation, with the sample client package: a stale pid
// file that names an unrelated program leaves it running and the
// installation goes on; the real client, started by its start script from
// the application folder, is stopped as before.
TEST(StalePidFile, InstallationGoesOnAndStopsOnlyTheClient) {
  // The start script detaches the client; as subreaper this process inherits
  // it and can reap it.
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  struct Case {
    const char* name;
    bool sample_client;
  };
  for (const Case& c : {Case{"unrelated_program", false}, Case{"sample_client", true}}) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string root = dir.sub("root");
    const std::string home = dir.sub("home");
    const std::string app = home + "/.Larkspan/Larkspan.app";
    const std::string package = root + "/package/larkspan.kpk";
    const std::string pid_file = home + "/.Larkspan/ui.pid";
    ScopedEnv env("HOME", home);
    MakeDirs(app);
    ASSERT_TRUE(servicetest::MakeSamplePackage(dir.sub("old.kpk"), 100));
    ASSERT_TRUE(servicetest::Unpack(dir.sub("old.kpk"), app));
    ASSERT_TRUE(servicetest::MakeSamplePackage(package, 101, root + "/INFO"));

    std::unique_ptr<ChildProcess> process;
    if (c.sample_client) {
      LinuxService().PostUpgrade();
      const pid_t pid = std::atoi(ReadFile(pid_file).c_str() + 4);
      ASSERT_GT(pid, 0) << "the start script started no client";
      process = ChildProcess::Adopt(pid);
    } else {
      process = ChildProcess::Spawn({"sleep", "600"});
      ASSERT_TRUE(process);
      WriteFile(pid_file, "pid=" + std::to_string(process->pid()) + "\n");
    }

    ProbeRun run = servicetest::RunProbe(root + "/bin", home, "install");
    EXPECT_EQ(run.values["result"], "0");
    std::vector<std::string> expected = {"[DEBUG] linux/linux-service(N): local appdata exist"};
    if (!c.sample_client) expected.push_back(NotTheClient(process->pid()));
    expected.push_back("[INFO] cloud-service(N): extract package: '" + package + "' -> '" + app +
                       "'");
    expected.push_back("[INFO] cloud-service(N): user installation is ready, removing backup app");
    EXPECT_EQ(ServiceLines(run.log), expected);
    EXPECT_EQ(servicetest::BuildLine(app + "/INFO"), "build_version=101");

    if (c.sample_client) {
      const std::optional<int> status = process->Wait();
      ASSERT_TRUE(status);
      EXPECT_TRUE(servicetest::ExitedWith(*status, 0)) << "wait status " << *status;
    } else {
      EXPECT_TRUE(process->Signal(0)) << "the unrelated program was stopped";
    }
  }
}

}  // namespace
