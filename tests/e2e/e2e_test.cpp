// The installed launcher, run as a user would run it: installed with
// `cmake --install` into a temporary ROOT, started with a temporary HOME on
// an X server of its own, with the sample client package.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace {

using e2e::Child;
using e2e::ProcessRuns;
using e2e::RunCommand;
using e2e::ShellQuote;
using e2e::WaitFor;
using testsupport::MakeDirs;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ReadLines;
using testsupport::TempDir;
using testsupport::WriteFile;

const char kClientProgram[] = "larkspan-drive-ui";
const int kRunTimeoutMs = 60000;

// A start script that waits, before starting the client, until the test
// creates HOME/e2e-release (at most a minute): the job, and so the dialog,
// stays until then. It marks HOME/e2e-start-waiting while it waits.
const char kWaitingStartScript[] = R"(#!/bin/sh
if [ "${1:-}" = start ]; then
  : >"$HOME/e2e-start-waiting"
  n=0
  while [ ! -e "$HOME/e2e-release" ] && [ "$n" -lt 600 ]; do sleep 0.1; n=$((n + 1)); done
fi
exec "$(dirname "$0")/start-stop.orig" "$@"
)";

struct RunResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// "NAME=value" with the value from our own environment, else `fallback`.
std::string EnvOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return std::string(name) + "=" + (value ? value : fallback);
}

int CountContaining(const std::vector<std::string>& lines, const std::string& text) {
  int n = 0;
  for (const std::string& line : lines) n += line.find(text) != std::string::npos;
  return n;
}

class LauncherE2ETest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok()) << "Xvfb did not start";
    const e2e::CommandResult install = RunCommand(std::string(ShellQuote(LARKSPAN_CMAKE)) + " --install " +
                                                  ShellQuote(LARKSPAN_BUILD_DIR) + " --prefix " + ShellQuote(root_) +
                                                  " >" + ShellQuote(base_.sub("install.log")) + " 2>&1");
    ASSERT_EQ(install.status, 0) << ReadFile(base_.sub("install.log"));
    ASSERT_TRUE(PathExists(root_ + "/bin/launcher"));
    WriteFile(root_ + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\nextractor_debug=7\n");
    MakeDirs(home_);
    MakeDirs(runtime_dir_);
    ::chmod(runtime_dir_.c_str(), 0700);
    MakeDirs(base_.sub("tmp"));
  }

  void TearDown() override {
    launchers_.clear();  // kills what is still running, with its children
    StopClients();
  }

  std::vector<std::string> Environment() const {
    std::vector<std::string> env = {
        "PATH=/usr/local/bin:/usr/bin:/bin",
        "HOME=" + home_,
        "DISPLAY=" + display_.name(),
        "XDG_RUNTIME_DIR=" + runtime_dir_,
        "TMPDIR=" + base_.sub("tmp"),
        "LANG=C.UTF-8",
        "QT_QPA_PLATFORM=xcb",
    };
    // For a sanitizer build: the suite's options, plus what the X libraries
    // need. A plug-in that Qt unloads at exit hides the frames of a leak
    // inside Xlib unless the slow unwinder records them, and libxkbcommon-x11
    // needs its interceptor exemption.
    const std::string supp = std::string(LARKSPAN_SOURCE_DIR) + "/tests/sanitizer/";
    env.push_back(EnvOr("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0:suppressions=" + supp + "asan.supp");
    env.push_back(EnvOr("LSAN_OPTIONS", "suppressions=" + supp + "lsan.supp"));
    env.push_back(EnvOr("UBSAN_OPTIONS", "print_stacktrace=1"));
    return env;
  }

  // Starts ROOT/bin/launcher, or `program` with the first argument `name`;
  // its output goes to files read by Finish().
  Child* Launch(const std::string& program = "", const std::string& name = "") {
    const std::string path = program.empty() ? root_ + "/bin/launcher" : program;
    const std::string tag = base_.sub("run-" + std::to_string(launchers_.size()));
    launchers_.push_back(std::make_unique<Child>(path, std::vector<std::string>{name.empty() ? path : name},
                                                 Environment(), tag + ".out", tag + ".err"));
    EXPECT_GT(launchers_.back()->pid(), 0);
    return launchers_.back().get();
  }

  RunResult Finish(Child* launcher) {
    RunResult run;
    EXPECT_TRUE(launcher->Wait(kRunTimeoutMs)) << "the launcher did not end";
    run.exit_code = launcher->exit_code();
    size_t index = 0;
    while (launchers_[index].get() != launcher) ++index;
    const std::string tag = base_.sub("run-" + std::to_string(index));
    run.out = ReadFile(tag + ".out");
    run.err = ReadFile(tag + ".err");
    // Every start, a second instance's too, prints where it takes plug-ins from.
    EXPECT_EQ(run.out.rfind("lib path = '" + root_ + "/lib/plugins'\n", 0), 0u) << run.out;
    ClientPid();  // remembers the client this run started, for TearDown
    return run;
  }

  RunResult RunToEnd() { return Finish(Launch()); }

  std::vector<std::string> Log() const { return ReadLines(home_ + "/.Larkspan/log/launcher.log"); }

  std::string AppFolder() const { return home_ + "/.Larkspan/Larkspan.app"; }

  std::string InstalledBuild() const {
    for (const std::string& line : ReadLines(AppFolder() + "/INFO"))
      if (line.rfind("build_version=", 0) == 0) return line.substr(14);
    return "<none>";
  }

  // The client named by HOME/.Larkspan/ui.pid, 0 when there is none.
  pid_t ClientPid() {
    const std::string record = ReadFile(home_ + "/.Larkspan/ui.pid");
    if (record.rfind("pid=", 0) != 0) return 0;
    const pid_t pid = static_cast<pid_t>(std::atol(record.c_str() + 4));
    if (pid > 0) clients_.insert(pid);
    return pid;
  }

  bool ClientRuns(pid_t pid) const { return ProcessRuns(pid, kClientProgram); }

  // Puts a package with `build` into ROOT (package and ROOT/INFO), made by the
  // packaging script; `waiting_start` swaps in kWaitingStartScript, `damaged`
  // cuts the archive in half.
  void ShipPackage(int build, bool waiting_start = false, bool damaged = false) {
    const std::string work = base_.sub("package-" + std::to_string(build));
    const std::string kpk = work + "/larkspan.kpk";
    const std::string info = work + "/INFO";
    ASSERT_EQ(RunCommand(ShellQuote(LARKSPAN_MAKE_PACKAGE) + " " + ShellQuote(kpk) + " " + std::to_string(build) +
                         " " + ShellQuote(info))
                  .status,
              0);
    if (waiting_start) {
      const std::string stage = work + "/stage";
      MakeDirs(stage);
      ASSERT_EQ(RunCommand("bsdtar -xf " + ShellQuote(kpk) + " -C " + ShellQuote(stage)).status, 0);
      ASSERT_EQ(::rename((stage + "/package/start-stop").c_str(), (stage + "/package/start-stop.orig").c_str()), 0);
      WriteFile(stage + "/package/start-stop", kWaitingStartScript, 0755);
      ASSERT_EQ(RunCommand("bsdtar -czf " + ShellQuote(kpk) + " -C " + ShellQuote(stage) + " INFO bin package").status, 0);
    }
    if (damaged) {
      struct stat st;
      ASSERT_EQ(::stat(kpk.c_str(), &st), 0);
      ASSERT_EQ(::truncate(kpk.c_str(), st.st_size / 2), 0);
    }
    WriteFile(root_ + "/package/larkspan.kpk", ReadFile(kpk));
    WriteFile(root_ + "/INFO", ReadFile(info));
  }

  void Release() { WriteFile(home_ + "/e2e-release", ""); }

  bool StartScriptWaiting() const { return PathExists(home_ + "/e2e-start-waiting"); }

  // X windows whose name is `title`, as "<id> <width>x<height>". A line of
  // `xwininfo -root -tree` reads:  0x400007 "Title": ("launcher" "launcher")  400x87+0+0  +0+0
  std::vector<std::string> WindowsNamed(const std::string& title) const {
    std::istringstream tree(RunCommand("DISPLAY=" + display_.name() + " xwininfo -root -tree 2>/dev/null").output);
    std::vector<std::string> found;
    for (std::string line; std::getline(tree, line);) {
      const size_t name = line.find("\"" + title + "\":");
      const size_t id = line.find("0x");
      const size_t geometry = line.find(")  ", name);
      if (name == std::string::npos || id == std::string::npos || geometry == std::string::npos) continue;
      const std::string size = line.substr(geometry + 3, line.find('+', geometry) - geometry - 3);
      found.push_back(line.substr(id, line.find(' ', id) - id) + " " + size);
    }
    return found;
  }

  bool WindowViewable(const std::string& id) const {
    const e2e::CommandResult info = RunCommand("DISPLAY=" + display_.name() + " xwininfo -id " + id + " 2>/dev/null");
    return info.output.find("Map State: IsViewable") != std::string::npos;
  }

  TempDir base_{"larkspan-e2e"};
  std::string root_ = base_.sub("root");
  std::string home_ = base_.sub("home");
  std::string runtime_dir_ = base_.sub("runtime");
  e2e::VirtualDisplay display_;

 private:
  // Ends every client a run started, through the pid files it wrote.
  void StopClients() {
    ClientPid();
    for (pid_t pid : clients_) {
      if (!ClientRuns(pid)) continue;
      ::kill(pid, SIGTERM);
      if (!WaitFor([this, pid] { return !ClientRuns(pid); }, 5000)) ::kill(pid, SIGKILL);
    }
  }

  std::vector<std::unique_ptr<Child>> launchers_;
  std::set<pid_t> clients_;
};

TEST_F(LauncherE2ETest, FirstRunInstallsAndStartsTheClient) {
  const RunResult run = RunToEnd();

  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(InstalledBuild(), "100");
  EXPECT_TRUE(PathExists(AppFolder() + "/bin/larkspan-drive-ui"));
  EXPECT_FALSE(PathExists(AppFolder() + "_tmp"));
  EXPECT_TRUE(ClientRuns(ClientPid()));
  const std::vector<std::string> log = Log();
  EXPECT_EQ(CountContaining(log, "[DEBUG] launcher("), 2) << "running, done";
  EXPECT_EQ(CountContaining(log, "user installation is ready"), 1);
  EXPECT_EQ(CountContaining(log, "[ERROR]"), 0);
}

// The plug-ins, like ROOT, are found from where the executable really is, not
// from the name it was started by.
TEST_F(LauncherE2ETest, StartedThroughALinkOrByBareNameFindsItsPlugins) {
  const std::string link_folder = base_.sub("elsewhere/bin");
  MakeDirs(link_folder);
  ASSERT_EQ(::symlink((root_ + "/bin/launcher").c_str(), (link_folder + "/larkspan-launcher").c_str()), 0);
  struct Row {
    const char* name;
    std::string program;
    std::string argv0;
  };
  const Row rows[] = {
      {"symbolic link in another folder", link_folder + "/larkspan-launcher", link_folder + "/larkspan-launcher"},
      {"bare name, as a shell finds it on PATH", root_ + "/bin/launcher", "launcher"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const RunResult run = Finish(Launch(row.program, row.argv0));  // checks the "lib path" line
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(InstalledBuild(), "100");
  }
}

TEST_F(LauncherE2ETest, SecondRunHasNothingToDoAndShowsNoWindow) {
  ASSERT_EQ(RunToEnd().exit_code, 0);
  const pid_t client = ClientPid();
  ASSERT_TRUE(ClientRuns(client));

  Child* second = Launch();
  int window_sightings = 0;
  while (!second->Wait(0)) window_sightings += !WindowsNamed("Larkspan Drive").empty();
  const RunResult run = Finish(second);

  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(window_sightings, 0);
  EXPECT_EQ(CountContaining(Log(), "no need to upgrade"), 1);
  EXPECT_EQ(ClientPid(), client) << "the running client is left alone";
  EXPECT_TRUE(ClientRuns(client));
}

// The toolkit would show a progress dialog by itself after four seconds; a
// slow start with nothing to install must not bring it up.
TEST_F(LauncherE2ETest, SlowStartWithNothingToInstallShowsNoWindow) {
  ShipPackage(100, /*waiting_start=*/true);
  Child* first = Launch();
  ASSERT_TRUE(WaitFor([this] { return StartScriptWaiting(); }, 30000));
  Release();
  ASSERT_EQ(Finish(first).exit_code, 0);
  ::unlink((home_ + "/e2e-release").c_str());
  ::unlink((home_ + "/e2e-start-waiting").c_str());

  Child* second = Launch();
  ASSERT_TRUE(WaitFor([this] { return StartScriptWaiting(); }, 30000));
  int window_sightings = 0;
  WaitFor([&] { return (window_sightings += !WindowsNamed("Larkspan Drive").empty()) > 0; }, 5000);
  Release();
  const RunResult run = Finish(second);

  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(window_sightings, 0);
  EXPECT_EQ(CountContaining(Log(), "no need to upgrade"), 1);
}

TEST_F(LauncherE2ETest, UpgradeReplacesTheRunningClient) {
  ASSERT_EQ(RunToEnd().exit_code, 0);
  const pid_t old_client = ClientPid();
  ASSERT_TRUE(ClientRuns(old_client));
  ShipPackage(101);

  const RunResult run = RunToEnd();

  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(InstalledBuild(), "101");
  EXPECT_FALSE(ClientRuns(old_client));
  const pid_t new_client = ClientPid();
  EXPECT_NE(new_client, old_client);
  EXPECT_TRUE(ClientRuns(new_client));
  const std::vector<std::string> log = Log();
  EXPECT_EQ(CountContaining(log, "local appdata exist"), 1);
  EXPECT_EQ(CountContaining(log, "user installation is ready"), 2);
  EXPECT_FALSE(PathExists(AppFolder() + "_tmp"));
}

TEST_F(LauncherE2ETest, DamagedPackageRollsBackAndTheOldClientStarts) {
  ASSERT_EQ(RunToEnd().exit_code, 0);
  const pid_t old_client = ClientPid();
  WriteFile(AppFolder() + "/user-settings", "kept");
  ShipPackage(101, /*waiting_start=*/false, /*damaged=*/true);

  const RunResult run = RunToEnd();

  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(InstalledBuild(), "100");
  EXPECT_EQ(ReadFile(AppFolder() + "/user-settings"), "kept") << "the old folder itself came back";
  EXPECT_FALSE(PathExists(AppFolder() + "_tmp"));
  const std::vector<std::string> log = Log();
  EXPECT_EQ(CountContaining(log, "[ERROR] launcher("), 1);
  EXPECT_EQ(CountContaining(log, "Failed to upgrade package"), 1);
  EXPECT_EQ(CountContaining(log, "rollback to old installation"), 1);
  EXPECT_FALSE(ClientRuns(old_client)) << "stopped before the attempt";
  EXPECT_TRUE(ClientRuns(ClientPid())) << "and started again afterwards";
}

TEST_F(LauncherE2ETest, DialogIsShownWhileAnUpgradeRuns) {
  ShipPackage(100, /*waiting_start=*/true);
  Child* launcher = Launch();

  std::vector<std::string> windows;
  ASSERT_TRUE(WaitFor(
      [&] {
        windows = WindowsNamed("Larkspan Drive");
        return windows.size() == 1 && WindowViewable(windows[0].substr(0, windows[0].find(' ')));
      },
      30000))
      << "no window named \"Larkspan Drive\" was mapped";
  const std::string id = windows[0].substr(0, windows[0].find(' '));
  const std::string size = windows[0].substr(windows[0].find(' ') + 1);
  EXPECT_EQ(size.substr(0, size.find('x')), "400") << size;
  EXPECT_NE(RunCommand("DISPLAY=" + display_.name() + " xprop -id " + id + " _NET_WM_NAME").output.find("\"Larkspan Drive\""),
            std::string::npos);

  // The look of the dialog, for whoever reads the test's results.
  MakeDirs(LARKSPAN_E2E_ARTIFACTS);
  const std::string shot = std::string(LARKSPAN_E2E_ARTIFACTS) + "/launcher-dialog.png";
  ASSERT_EQ(RunCommand("DISPLAY=" + display_.name() + " import -window " + id + " " + ShellQuote(shot)).status, 0);
  EXPECT_EQ(RunCommand("identify -format %w " + ShellQuote(shot)).output, "400");

  ASSERT_TRUE(StartScriptWaiting()) << "the dialog stays up while the client starts";
  Release();
  const RunResult run = Finish(launcher);
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(WindowsNamed("Larkspan Drive").empty());
}

TEST_F(LauncherE2ETest, SecondLauncherWhileTheFirstRunsEndsAtOnce) {
  ShipPackage(100, /*waiting_start=*/true);
  Child* first = Launch();
  ASSERT_TRUE(WaitFor([this] { return StartScriptWaiting(); }, 30000));

  const RunResult second = RunToEnd();
  EXPECT_EQ(second.exit_code, 0) << second.err;
  EXPECT_TRUE(first->running());
  EXPECT_EQ(CountContaining(Log(), "[DEBUG] main("), 1);
  EXPECT_EQ(CountContaining(Log(), "app has already launched, return"), 1);

  Release();
  EXPECT_EQ(Finish(first).exit_code, 0);
  EXPECT_EQ(CountContaining(Log(), "app has already launched"), 1);
  EXPECT_EQ(CountContaining(Log(), "): running"), 1) << "the second did not run the job";
}

TEST_F(LauncherE2ETest, KilledLauncherDoesNotBlockTheNext) {
  ShipPackage(100, /*waiting_start=*/true);
  Child* first = Launch();
  ASSERT_TRUE(WaitFor([this] { return StartScriptWaiting(); }, 30000));
  first->Signal(SIGKILL);
  ASSERT_TRUE(first->Wait(10000));
  EXPECT_EQ(first->exit_code(), 128 + SIGKILL);
  first->SignalGroup(SIGKILL);  // its start script, orphaned

  Release();
  const RunResult next = RunToEnd();
  EXPECT_EQ(next.exit_code, 0) << next.err;
  EXPECT_EQ(CountContaining(Log(), "app has already launched"), 0);
  EXPECT_EQ(CountContaining(Log(), "): running"), 2);
  EXPECT_TRUE(ClientRuns(ClientPid()));
}

TEST_F(LauncherE2ETest, UserFolderBeingAFileStillRunsTheJob) {
  WriteFile(home_ + "/.Larkspan", "not a folder");

  const RunResult run = RunToEnd();

  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadFile(home_ + "/.Larkspan"), "not a folder");
  // Without a log file the logger writes warnings and errors to stderr: the
  // job ran, and its installation failed.
  EXPECT_NE(run.err.find("Failed to upgrade package"), std::string::npos) << run.err;
}

}  // namespace
