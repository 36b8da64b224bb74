// Installation with backup and rollback, on real package archives, with the
// probe program giving each case a ROOT of its own.
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fake_client.h"
#include "log_capture.h"
#include "service_support.h"

namespace {

using servicetest::ChildProcess;
using servicetest::ProbeRun;
using servicetest::ServiceLines;
using testsupport::LogCapture;
using testsupport::MakeDirs;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

constexpr int kOldBuild = 100;
constexpr int kNewBuild = 200;
const char* const kOldMarker = "/OLD";  // a file only the old copy has

const char* const kLocalAppdata = "[DEBUG] linux/linux-service(N): local appdata exist";
const char* const kNoPidFile =
    "[DEBUG] linux/linux-service(N): pid file '{HOME}/.Larkspan/ui.pid' does not exist, no need "
    "to terminate";
const char* const kExtract = "[INFO] cloud-service(N): extract package: '{PKG}' -> '{APP}'";
const char* const kReady =
    "[INFO] cloud-service(N): user installation is ready, removing backup app";
const char* const kRollback =
    "[ERROR] cloud-service(N): Failed to extract package, rollback to old installation";
const char* const kNoRollback =
    "[ERROR] cloud-service(N): Failed to extract package, and no old installation to rollback";
const char* const kNoFolder = "[ERROR] cloud-service(N): failed to create folder: '{APP}'";

// The suffixes of the ten backup names, in the order they are tried.
const std::vector<std::string> kBackupSuffixes = {"_tmp",  "_tmp1", "_tmp2", "_tmp3", "_tmp4",
                                                  "_tmp5", "_tmp6", "_tmp7", "_tmp8", "_tmp9"};

std::vector<std::string> FailedBackups() {
  std::vector<std::string> lines;
  for (const std::string& suffix : kBackupSuffixes)
    lines.push_back("[ERROR] cloud-service(N): failed to backup app from '{APP}' -> '{APP}" +
                    suffix + "'");
  lines.push_back("[ERROR] cloud-service(N): failed to backup app from '{APP}' -> '{APP}_tmp9' "
                  "at max retries, exiting");
  return lines;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

enum class Package { kGood, kDamaged, kMissing };

// Members are public: the case tables' set-up and checks use them.
class InstallTest : public ::testing::Test {
 public:
  InstallTest()
      : root_(dir_.sub("root")),
        home_(dir_.sub("home")),
        app_(home_ + "/.Larkspan/Larkspan.app"),
        package_(root_ + "/package/larkspan.kpk") {}

  void PlacePackage(Package kind) {
    std::remove(package_.c_str());
    if (kind == Package::kMissing) return;
    ASSERT_TRUE(servicetest::MakeSamplePackage(package_, kNewBuild));
    if (kind == Package::kDamaged) {
      // Cut off in the middle of the compressed stream.
      std::filesystem::resize_file(package_, std::filesystem::file_size(package_) / 2);
    }
  }

  // A complete installation of an older build, plus a marker of its own.
  void MakeOldCopy() {
    const std::string old_package = dir_.sub("old.kpk");
    ASSERT_TRUE(servicetest::MakeSamplePackage(old_package, kOldBuild));
    MakeDirs(app_);
    ASSERT_TRUE(servicetest::Unpack(old_package, app_));
    WriteFile(app_ + kOldMarker, "old copy\n");
  }

  void MakeStaleBackup(const std::string& suffix) {
    WriteFile(app_ + suffix + "/leftover", "from an earlier run\n");
  }

  ProbeRun Install() { return servicetest::RunProbe(root_ + "/bin", home_, "install"); }

  std::vector<std::string> Expand(const std::vector<std::string>& lines) const {
    std::vector<std::string> expanded;
    for (const std::string& line : lines)
      expanded.push_back(servicetest::Substitute(
          line, {{"{APP}", app_}, {"{PKG}", package_}, {"{HOME}", home_}}));
    return expanded;
  }

  void ExpectOldCopy() const {
    EXPECT_EQ(ReadFile(app_ + kOldMarker), "old copy\n");
    EXPECT_EQ(servicetest::BuildLine(app_ + "/INFO"),
              "build_version=" + std::to_string(kOldBuild));
  }

  void ExpectNewCopy() const {
    EXPECT_FALSE(PathExists(app_ + kOldMarker));
    EXPECT_EQ(servicetest::BuildLine(app_ + "/INFO"),
              "build_version=" + std::to_string(kNewBuild));
    EXPECT_EQ(access((app_ + "/bin/larkspan-drive-ui").c_str(), X_OK), 0);
    EXPECT_EQ(access((app_ + "/package/start-stop").c_str(), X_OK), 0);
  }

  void ExpectNoBackups() const {
    for (const std::string& suffix : kBackupSuffixes)
      EXPECT_FALSE(PathExists(app_ + suffix)) << suffix;
    EXPECT_FALSE(PathExists(app_ + "_tmp0"));
  }

  TempDir dir_;
  const std::string root_;
  const std::string home_;
  const std::string app_;
  const std::string package_;
};

struct InstallCase {
  const char* name;
  std::function<void(InstallTest*)> setup;
  Package package;
  int result;
  std::vector<std::string> lines;
  std::function<void(InstallTest*)> check;
};

class InstallStates : public InstallTest {
 public:
  void Run(const InstallCase& c) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(PlacePackage(c.package));
    ASSERT_NO_FATAL_FAILURE(c.setup(this));
    const ProbeRun run = Install();
    ASSERT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.values.at("result"), std::to_string(c.result));
    EXPECT_EQ(ServiceLines(run.log), Expand(c.lines));
    c.check(this);
  }
};

TEST_F(InstallStates, EachStartingStateEndsInAKnownTree) {
  const InstallCase cases[] = {
      {"no_user_folder", [](InstallTest*) {}, Package::kGood, 0, {kExtract, kReady},
       [](InstallTest* t) {
         t->ExpectNewCopy();
         t->ExpectNoBackups();
       }},
      {"stale_backup_without_app_folder",
       [](InstallTest* t) { t->MakeStaleBackup("_tmp"); }, Package::kGood, 0,
       {kExtract, kReady},
       [](InstallTest* t) {
         t->ExpectNewCopy();
         t->ExpectNoBackups();
       }},
      {"app_folder_and_stale_backup",
       [](InstallTest* t) {
         t->MakeOldCopy();
         t->MakeStaleBackup("_tmp");
       },
       Package::kGood, 0,
       {kLocalAppdata, kNoPidFile,
        "[ERROR] cloud-service(N): failed to backup app from '{APP}' -> '{APP}_tmp'", kExtract,
        kReady},
       [](InstallTest* t) {
         t->ExpectNewCopy();
         t->ExpectNoBackups();
       }},
      {"ten_stale_backups",
       [](InstallTest* t) {
         t->MakeOldCopy();
         for (const std::string& suffix : kBackupSuffixes) t->MakeStaleBackup(suffix);
       },
       Package::kGood, -1, Join({kLocalAppdata, kNoPidFile}, FailedBackups()),
       [](InstallTest* t) {
         t->ExpectOldCopy();
         for (const std::string& suffix : kBackupSuffixes)
           EXPECT_TRUE(PathExists(t->app_ + suffix + "/leftover")) << suffix;
       }},
      {"damaged_package_with_old_copy", [](InstallTest* t) { t->MakeOldCopy(); },
       Package::kDamaged, -1, {kLocalAppdata, kNoPidFile, kExtract, kRollback},
       [](InstallTest* t) {
         t->ExpectOldCopy();
         t->ExpectNoBackups();
       }},
      {"missing_package_with_old_copy", [](InstallTest* t) { t->MakeOldCopy(); },
       Package::kMissing, -1, {kLocalAppdata, kNoPidFile, kExtract, kRollback},
       [](InstallTest* t) {
         t->ExpectOldCopy();
         t->ExpectNoBackups();
       }},
      {"damaged_package_without_old_copy", [](InstallTest*) {}, Package::kDamaged, -1,
       {kExtract, kNoRollback},
       [](InstallTest* t) {
         // What was unpacked stays; there is nothing to go back to.
         EXPECT_TRUE(std::filesystem::is_directory(t->app_));
         t->ExpectNoBackups();
       }},
      {"user_folder_is_a_file",
       [](InstallTest* t) { WriteFile(t->home_ + "/.Larkspan", "not a folder\n"); },
       Package::kGood, -1, {kNoFolder, kNoRollback},
       [](InstallTest* t) { EXPECT_EQ(ReadFile(t->home_ + "/.Larkspan"), "not a folder\n"); }},
  };
  for (const InstallCase& c : cases) {
    // Each case starts from an empty HOME.
    std::filesystem::remove_all(home_);
    MakeDirs(home_);
    Run(c);
  }
}

TEST_F(InstallStates, UserFolderWithoutWriteAccessKeepsTheOldCopy) {
  SKIP_IF_ROOT();
  Run({"read_only_user_folder",
       [](InstallTest* t) {
         t->MakeOldCopy();
         chmod((t->home_ + "/.Larkspan").c_str(), 0555);
       },
       Package::kGood, -1, Join({kLocalAppdata, kNoPidFile}, FailedBackups()),
       [](InstallTest* t) {
         t->ExpectOldCopy();
         t->ExpectNoBackups();
       }});
}

TEST_F(InstallTest, StopsTheRunningClientOnlyWhenItsProgramIsInstalled) {
  struct Case {
    const char* name;
    bool program_installed;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"program_installed", true, {kLocalAppdata, kExtract, kReady}},
      {"program_missing", false, {kExtract, kReady}},
  };
  ASSERT_NO_FATAL_FAILURE(PlacePackage(Package::kGood));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(home_);
    ASSERT_NO_FATAL_FAILURE(MakeOldCopy());
    if (!c.program_installed) std::remove((app_ + "/bin/larkspan-drive-ui").c_str());
    // The client checks, when told to stop, that its folder is still in place.
    const std::string pid_file = home_ + "/.Larkspan/ui.pid";
    std::unique_ptr<ChildProcess> client =
        ChildProcess::Spawn({FAKE_CLIENT_PATH, pid_file, "exits-on-term", app_ + kOldMarker});
    ASSERT_TRUE(client);
    ASSERT_TRUE(servicetest::WaitForFileContent(pid_file,
                                                "pid=" + std::to_string(client->pid()) + "\n"));

    const ProbeRun run = Install();
    ASSERT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.values.at("result"), "0");
    EXPECT_EQ(ServiceLines(run.log), Expand(c.lines));
    if (!c.program_installed) {
      EXPECT_TRUE(client->Signal(SIGKILL)) << "the client was stopped";
    }
    const std::optional<int> status = client->Wait();
    ASSERT_TRUE(status);
    const bool as_expected = c.program_installed
                                 ? servicetest::ExitedWith(*status, fakeclient::kEndedWithWitness)
                                 : servicetest::KilledBy(*status, SIGKILL);
    EXPECT_TRUE(as_expected) << "wait status " << *status;
  }
}

// The launcher's cycle with the sample client: install, start, upgrade
// (which stops the running client), start again, stop.
TEST_F(InstallTest, SampleClientGoesThroughAnUpgradeCycle) {
  // The start script detaches the client; as subreaper this process inherits
  // it and can reap it, instead of an init that may leave it a zombie.
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  ScopedEnv env("HOME", home_);
  const std::string pid_file = home_ + "/.Larkspan/ui.pid";
  auto versions = [&] { return servicetest::RunProbe(root_ + "/bin", home_, "versions"); };
  auto start_client = [&]() -> std::unique_ptr<ChildProcess> {
    LinuxService().PostUpgrade();
    const std::string record = ReadFile(pid_file);
    EXPECT_EQ(record.rfind("pid=", 0), 0u) << "no client record after the start: " << record;
    const pid_t pid = std::atoi(record.c_str() + 4);
    return pid > 0 ? ChildProcess::Adopt(pid) : nullptr;
  };

  ASSERT_TRUE(servicetest::MakeSamplePackage(package_, 100, root_ + "/INFO"));
  EXPECT_EQ(versions().values["need_upgrade"], "1");
  EXPECT_EQ(Install().values["result"], "0");
  std::unique_ptr<ChildProcess> first = start_client();
  ASSERT_TRUE(first);

  ASSERT_TRUE(servicetest::MakeSamplePackage(package_, 101, root_ + "/INFO"));
  EXPECT_EQ(versions().values["need_upgrade"], "1");
  const ProbeRun upgrade = Install();
  EXPECT_EQ(upgrade.values.at("result"), "0");
  EXPECT_EQ(ServiceLines(upgrade.log), Expand({kLocalAppdata, kExtract, kReady}));
  std::optional<int> status = first->Wait();
  ASSERT_TRUE(status);
  EXPECT_TRUE(servicetest::ExitedWith(*status, 0)) << "wait status " << *status;
  EXPECT_EQ(servicetest::BuildLine(app_ + "/INFO"), "build_version=101");
  EXPECT_EQ(versions().values["need_upgrade"], "0");

  std::unique_ptr<ChildProcess> second = start_client();
  ASSERT_TRUE(second);
  EXPECT_NE(second->pid(), first->pid());
  EXPECT_EQ(servicetest::RunProgram(app_ + "/package/start-stop", {"stop"}), 0);
  status = second->Wait();
  ASSERT_TRUE(status);
  EXPECT_TRUE(servicetest::ExitedWith(*status, 0)) << "wait status " << *status;
  EXPECT_FALSE(PathExists(pid_file));
}

// Needs a small file system: LARKSPAN_TEST_SMALL_FS names a folder on one
// (a tmpfs of about 3 MiB; scripts/run-tests mounts it when run as root).
TEST_F(InstallTest, PackageThatDoesNotFitRollsBackToTheOldCopy) {
  const char* small_fs = std::getenv("LARKSPAN_TEST_SMALL_FS");
  if (small_fs == nullptr || *small_fs == '\0')
    GTEST_SKIP() << "LARKSPAN_TEST_SMALL_FS names no small file system";
  constexpr size_t kPayloadBytes = 4 << 20;
  struct statvfs fs;
  ASSERT_EQ(statvfs(small_fs, &fs), 0) << small_fs;
  if (static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize > kPayloadBytes)
    GTEST_SKIP() << small_fs << " has room for the payload";

  std::unique_ptr<TempDir> small_home;
  {
    ScopedEnv tmpdir("TMPDIR", small_fs);
    small_home = std::make_unique<TempDir>("home");
  }
  ASSERT_FALSE(small_home->path().empty());
  const std::string home = small_home->path();
  const std::string app = home + "/.Larkspan/Larkspan.app";

  // The old copy fits; the new package carries incompressible data that does not.
  const std::string old_package = dir_.sub("old.kpk");
  ASSERT_TRUE(servicetest::MakeSamplePackage(old_package, kOldBuild));
  MakeDirs(app);
  ASSERT_TRUE(servicetest::Unpack(old_package, app));
  WriteFile(app + kOldMarker, "old copy\n");
  const std::string stage = dir_.sub("stage");
  MakeDirs(stage);
  ASSERT_TRUE(servicetest::MakeSamplePackage(dir_.sub("new.kpk"), kNewBuild));
  ASSERT_TRUE(servicetest::Unpack(dir_.sub("new.kpk"), stage));
  {
    std::ifstream random("/dev/urandom", std::ios::binary);
    std::ofstream payload(stage + "/payload.bin", std::ios::binary);
    std::vector<char> block(1 << 16);
    for (size_t written = 0; written < kPayloadBytes; written += block.size()) {
      random.read(block.data(), static_cast<std::streamsize>(block.size()));
      payload.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    ASSERT_TRUE(payload.good());
  }
  MakeDirs(root_ + "/package");
  ASSERT_TRUE(servicetest::Pack(package_, stage, {"INFO", "bin", "package", "payload.bin"}));

  const ProbeRun run = servicetest::RunProbe(root_ + "/bin", home, "install");
  ASSERT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.values.at("result"), "-1");
  const std::vector<std::string> expected = {
      kLocalAppdata, "[DEBUG] linux/linux-service(N): pid file '" + home +
                         "/.Larkspan/ui.pid' does not exist, no need to terminate",
      "[INFO] cloud-service(N): extract package: '" + package_ + "' -> '" + app + "'",
      kRollback};
  EXPECT_EQ(ServiceLines(run.log), expected);
  EXPECT_EQ(ReadFile(app + kOldMarker), "old copy\n");
  EXPECT_EQ(servicetest::BuildLine(app + "/INFO"), "build_version=" + std::to_string(kOldBuild));
  EXPECT_FALSE(PathExists(app + "/payload.bin"));
  EXPECT_FALSE(PathExists(app + "_tmp"));
}

struct AgedCase {
  const char* name;
  bool aged_folder;
};

TEST(RemoveAgedFolders, RemovesTheOldLayoutsFolderAndLogsEveryTime) {
  for (const AgedCase& c : {AgedCase{"aged_folder_with_content", true},
                            AgedCase{"no_aged_folder", false}}) {
    SCOPED_TRACE(c.name);
    TempDir home;
    ScopedEnv env("HOME", home.path());
    if (c.aged_folder) WriteFile(home.sub(".Larkspan/app/deep/er/file"), "x");
    WriteFile(home.sub(".Larkspan/Larkspan.app/INFO"), "[Version]\n");
    LinuxService service;
    LogCapture log;
    service.RemoveAgedFolders();
    EXPECT_FALSE(PathExists(home.sub(".Larkspan/app")));
    EXPECT_TRUE(PathExists(home.sub(".Larkspan/Larkspan.app/INFO")));
    const std::vector<std::string> expected = {
        "[INFO] cloud-service(N): removing aged app folder " + home.sub(".Larkspan/app")};
    EXPECT_EQ(ServiceLines(log.Lines()), expected);
  }
}

}  // namespace
