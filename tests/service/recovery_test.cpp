// Installations that die half-way: a real installation is ended like a
// kill -9 at a chosen point (recovery_probe), then the next run, as the
// launcher's job makes it (the decision, then the installation), must find
// that out, put the complete copy back and install again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "service_support.h"
#include "syscall_filter.h"

namespace {

using servicetest::ChildProcess;
using servicetest::ProbeRun;
using testsupport::MakeDirs;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace fs = std::filesystem;

constexpr int kOldBuild = 100;
constexpr int kNewBuild = 200;

const char* const kUnfinished =
    "[NOTE] cloud-service(N): last installation did not finish, installing again";

const std::vector<std::string> kBackupSuffixes = {"_tmp",  "_tmp1", "_tmp2", "_tmp3", "_tmp4",
                                                  "_tmp5", "_tmp6", "_tmp7", "_tmp8", "_tmp9"};

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Every entry below dir by relative path: its kind, its permission bits
// less the umask (the extractor applies it, as an unpack by a user does),
// and a file's bytes or a link's target.
std::map<std::string, std::string> DescribeTree(const std::string& dir) {
  std::map<std::string, std::string> tree;
  const mode_t umask_bits = CurrentUmask();
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) continue;
    std::ostringstream what;
    what << std::oct << (st.st_mode & 07777 & ~umask_bits) << " ";
    if (S_ISLNK(st.st_mode))
      what << "link " << fs::read_symlink(path, ec).string();
    else if (S_ISDIR(st.st_mode))
      what << "dir";
    else
      what << "file " << ReadFile(path);
    tree[fs::relative(path, dir).string()] = what.str();
  }
  if (ec) ADD_FAILURE() << "cannot list " << dir << ": " << ec.message();
  return tree;
}

enum class Package { kGood, kDamaged };

struct InterruptCase {
  const char* name;
  bool old_copy;           // an older build is installed before the run
  const char* point;       // where recovery_probe dies
  Package during_kill;     // the package of the run that dies
  Package at_repair;       // the package of the next run
  int repair_result;       // what the next installation returns
  bool ends_with_new_copy; // else with the old copy
};

class RecoveryTest : public ::testing::Test {
 public:
  RecoveryTest()
      : root_(dir_.sub("root")),
        home_(dir_.sub("home")),
        app_(home_ + "/.Larkspan/Larkspan.app"),
        package_(root_ + "/package/larkspan.kpk"),
        record_(app_ + ".installing"),
        user_file_(home_ + "/.Larkspan/data/notes.txt") {}

 protected:
  void SetUp() override {
    ASSERT_TRUE(servicetest::MakeSamplePackage(dir_.sub("old.kpk"), kOldBuild));
    ASSERT_TRUE(servicetest::MakeSamplePackage(dir_.sub("new.kpk"), kNewBuild,
                                               dir_.sub("new.INFO")));
    MakeDirs(dir_.sub("ref-old"));
    ASSERT_NO_FATAL_FAILURE(MakeOldCopyIn(dir_.sub("ref-old")));
    MakeDirs(dir_.sub("ref-new"));
    ASSERT_TRUE(servicetest::Unpack(dir_.sub("new.kpk"), dir_.sub("ref-new")));
    WriteFile(root_ + "/INFO", ReadFile(dir_.sub("new.INFO")));
  }

  // The old build, unpacked, plus a file only the old copy has.
  void MakeOldCopyIn(const std::string& dir) {
    ASSERT_TRUE(servicetest::Unpack(dir_.sub("old.kpk"), dir));
    WriteFile(dir + "/OLD", "old copy\n");
  }

  // An empty HOME with the user's own data, and the old copy if asked.
  void FreshHome(bool old_copy) {
    fs::remove_all(home_);
    WriteFile(user_file_, "the user's own data\n");
    if (old_copy) {
      MakeDirs(app_);
      ASSERT_NO_FATAL_FAILURE(MakeOldCopyIn(app_));
    }
  }

  void ShipPackage(Package kind) {
    WriteFile(package_, ReadFile(dir_.sub("new.kpk")));
    if (kind == Package::kDamaged) fs::resize_file(package_, fs::file_size(package_) / 2);
  }

  // Runs an installation that dies at point. False when it could not (no
  // seccomp filters here for "in-removal"); a test failure when it did not
  // die as asked.
  bool InstallAndDie(const std::string& point) {
    const std::string probe = root_ + "/bin/recovery_probe";
    std::error_code ec;
    fs::create_directories(root_ + "/bin", ec);
    if (!fs::exists(probe)) fs::copy_file(RECOVERY_PROBE_PATH, probe, ec);
    EXPECT_FALSE(ec) << ec.message();
    ScopedEnv env("HOME", home_);
    std::unique_ptr<ChildProcess> run = ChildProcess::Spawn({probe, point});
    if (!run) return false;
    const std::optional<int> status = run->Wait();
    if (!status) {
      ADD_FAILURE() << "the installation did not end";
      return false;
    }
    if (servicetest::ExitedWith(*status, servicetest::kSandboxUnavailable)) return false;
    const int death = point == "in-removal" ? SIGSYS : SIGKILL;
    EXPECT_TRUE(servicetest::KilledBy(*status, death)) << point << ": wait status " << *status;
    return true;
  }

  ProbeRun Probe(const std::string& command) {
    return servicetest::RunProbe(root_ + "/bin", home_, command);
  }

  static int Count(const std::vector<std::string>& lines, const std::string& line) {
    int n = 0;
    for (const std::string& l : servicetest::ServiceLines(lines)) n += l == line;
    return n;
  }

  // The application folder holds exactly the new or the old copy, with
  // nothing else of an installation left beside it.
  void ExpectSettled(bool new_copy) {
    const std::string reference = dir_.sub(new_copy ? "ref-new" : "ref-old");
    EXPECT_EQ(DescribeTree(app_), DescribeTree(reference));
    for (const std::string& suffix : kBackupSuffixes)
      EXPECT_FALSE(PathExists(app_ + suffix)) << suffix;
    EXPECT_FALSE(PathExists(record_));
    EXPECT_EQ(ReadFile(user_file_), "the user's own data\n");
  }

  // The decision of the next run: the note once when the record is there,
  // and an installation whenever the versions or the note ask for one.
  void ExpectDecision(bool unfinished, bool need_upgrade) {
    ProbeRun versions = Probe("versions");
    EXPECT_EQ(versions.values["need_upgrade"], need_upgrade ? "1" : "0");
    EXPECT_EQ(Count(versions.log, kUnfinished), unfinished ? 1 : 0);
  }

  TempDir dir_;
  const std::string root_;
  const std::string home_;
  const std::string app_;
  const std::string package_;
  const std::string record_;
  const std::string user_file_;
};

TEST_F(RecoveryTest, NextRunPutsTheCompleteCopyBackAndInstallsAgain) {
  const InterruptCase cases[] = {
      {"before_unpacking", true, "before-unpack", Package::kGood, Package::kGood, 0, true},
      {"partial_copy_that_looks_current", true, "partial-unpack", Package::kGood, Package::kGood,
       0, true},
      {"whole_copy_unpacked", true, "after-unpack", Package::kGood, Package::kGood, 0, true},
      {"backup_half_removed", true, "in-removal", Package::kGood, Package::kGood, 0, true},
      {"backup_half_removed_then_repair_fails", true, "in-removal", Package::kGood,
       Package::kDamaged, -1, true},
      {"first_installation_partial", false, "partial-unpack", Package::kGood, Package::kGood, 0,
       true},
      {"repair_fails_again", true, "partial-unpack", Package::kGood, Package::kDamaged, -1,
       false},
      {"rollback_half_done", true, "in-removal", Package::kDamaged, Package::kDamaged, -1,
       false},
  };
  std::vector<std::string> unavailable;
  for (const InterruptCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(FreshHome(c.old_copy));
    ShipPackage(c.during_kill);
    if (!InstallAndDie(c.point)) {
      unavailable.push_back(c.name);
      continue;
    }
    ASSERT_TRUE(PathExists(record_)) << "the run died without a record";
    ShipPackage(c.at_repair);

    ExpectDecision(true, true);
    ProbeRun repair = Probe("install");
    EXPECT_EQ(repair.values["result"], std::to_string(c.repair_result));
    // What was left of the last run is out of the way before the backup.
    for (const std::string& line : servicetest::ServiceLines(repair.log))
      EXPECT_EQ(line.find("failed to backup"), std::string::npos) << line;
    ExpectSettled(c.ends_with_new_copy);
    ExpectDecision(false, !c.ends_with_new_copy);
  }
  if (!unavailable.empty())
    GTEST_SKIP() << unavailable.size() << " cases need seccomp filters, not available here";
}

// The trap itself: the partial copy already holds INFO and the client
// program of the new build, so only the record asks for an installation.
TEST_F(RecoveryTest, PartialCopyOfTheSameBuildIsInstalledAgain) {
  ASSERT_NO_FATAL_FAILURE(FreshHome(true));
  ShipPackage(Package::kGood);
  ASSERT_TRUE(InstallAndDie("partial-unpack"));
  ASSERT_EQ(servicetest::BuildLine(app_ + "/INFO"), "build_version=" + std::to_string(kNewBuild));
  ASSERT_TRUE(PathExists(app_ + "/bin/larkspan-drive-ui"));
  ASSERT_FALSE(PathExists(app_ + "/package/start-stop"));

  ProbeRun versions = Probe("versions");
  const std::string numbers = "[DEBUG] linux/linux-service(N): source version = " +
                              std::to_string(kNewBuild) +
                              ", target version = " + std::to_string(kNewBuild);
  EXPECT_EQ(Count(versions.log, numbers), 1);
  EXPECT_EQ(Count(versions.log, kUnfinished), 1);
  EXPECT_EQ(versions.values["need_upgrade"], "1");
  EXPECT_EQ(Probe("install").values["result"], "0");
  ExpectSettled(true);
}

// A run that dies right around the backup rename leaves the record of that
// step; only the disk tells whether the rename was done. Written here as the
// installation writes it, since no death point falls between the two. The
// repair fails (damaged package), so what is left shows which copy it kept.
TEST_F(RecoveryTest, RecordOfTheBackupRenameFindsTheOldCopy) {
  struct Case {
    const char* name;
    bool rename_done;
  };
  for (const Case& c : {Case{"before_the_rename", false}, Case{"after_the_rename", true}}) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(FreshHome(true));
    if (c.rename_done) {
      ASSERT_EQ(rename(app_.c_str(), (app_ + "_tmp").c_str()), 0);
    } else {
      // A stale backup in the way, which the rename would have failed on.
      WriteFile(app_ + "_tmp/leftover", "from an earlier run\n");
    }
    WriteFile(record_, "step=backup\nbackup=0\n");
    ShipPackage(Package::kDamaged);

    ExpectDecision(true, true);
    EXPECT_EQ(Probe("install").values["result"], "-1");
    EXPECT_EQ(DescribeTree(app_), DescribeTree(dir_.sub("ref-old")));
    EXPECT_FALSE(PathExists(record_));
    EXPECT_EQ(PathExists(app_ + "_tmp/leftover"), !c.rename_done);
  }
}

struct NormalRunCase {
  const char* name;
  bool old_copy;
  Package package;
  int stale_backups;  // non-empty folders in the way, _tmp onwards
  int result;
  bool ends_with_new_copy;
};

TEST_F(RecoveryTest, RunsThatEndNormallyLeaveNoRecord) {
  const NormalRunCase cases[] = {
      {"upgrade", true, Package::kGood, 0, 0, true},
      {"first_installation", false, Package::kGood, 0, 0, true},
      {"stale_backup_in_the_way", true, Package::kGood, 1, 0, true},
      {"rollback", true, Package::kDamaged, 0, -1, false},
      {"every_backup_name_taken", true, Package::kGood, 10, -1, false},
  };
  for (const NormalRunCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(FreshHome(c.old_copy));
    for (int i = 0; i < c.stale_backups; ++i)
      WriteFile(app_ + kBackupSuffixes[i] + "/leftover", "from an earlier run\n");
    ShipPackage(c.package);
    EXPECT_EQ(Probe("install").values["result"], std::to_string(c.result));
    EXPECT_FALSE(PathExists(record_));
    const std::string reference = dir_.sub(c.ends_with_new_copy ? "ref-new" : "ref-old");
    EXPECT_EQ(DescribeTree(app_), DescribeTree(reference));
    ExpectDecision(false, !c.ends_with_new_copy);
  }
}

// A backup that cannot be removed stays, but the installation did finish:
// later starts must not install again and again.
TEST_F(RecoveryTest, BackupThatCannotBeRemovedLeavesNoRecord) {
  SKIP_IF_ROOT();
  ASSERT_NO_FATAL_FAILURE(FreshHome(true));
  WriteFile(app_ + "/locked/file", "cannot be removed\n");
  ASSERT_EQ(chmod((app_ + "/locked").c_str(), 0555), 0);
  ShipPackage(Package::kGood);

  EXPECT_EQ(Probe("install").values["result"], "0");
  EXPECT_TRUE(PathExists(app_ + "_tmp/locked/file"));
  EXPECT_FALSE(PathExists(record_));
  EXPECT_EQ(DescribeTree(app_), DescribeTree(dir_.sub("ref-new")));
  ExpectDecision(false, false);
}

}  // namespace
