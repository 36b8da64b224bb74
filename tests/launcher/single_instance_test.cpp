// The single-instance guard across real processes: a helper program that
// builds the guarded application object and reports what it found.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using testsupport::MakeDirs;
using testsupport::TempDir;
using testsupport::WriteFile;

std::vector<std::string> LockFilesIn(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("launcher-", 0) == 0 && name.size() > 5 && name.substr(name.size() - 5) == ".lock")
      found.push_back(name);
  }
  return found;
}

mode_t ModeOf(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::string NextLine(QProcess* probe);

// A private runtime folder and temporary folder for the probes, and the
// probes started there; they are ended with the object.
class ProbeSandbox {
 public:
  ProbeSandbox() {
    MakeDirs(runtime_dir);
    ::chmod(runtime_dir.c_str(), 0700);
    MakeDirs(tmp_dir);
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_dir));
    env.insert("TMPDIR", QString::fromStdString(tmp_dir));
    env.insert("QT_QPA_PLATFORM", "offscreen");
  }

  ~ProbeSandbox() {
    for (auto& probe : probes_) {
      probe->closeWriteChannel();
      if (!probe->waitForFinished(5000)) probe->kill();
      probe->waitForFinished(5000);
    }
  }

  // Starts the probe in `mode` ("", "hold" or "spawn").
  QProcess* Start(const std::string& mode, const std::string& program = LARKSPAN_PROBE) {
    probes_.push_back(std::make_unique<QProcess>());
    QProcess* probe = probes_.back().get();
    probe->setProcessEnvironment(env);
    probe->start(QString::fromStdString(program),
                 mode.empty() ? QStringList() : QStringList(QString::fromStdString(mode)));
    EXPECT_TRUE(probe->waitForStarted(10000));
    return probe;
  }

  // What a probe that exits at once reports.
  std::string Verdict(const std::string& program = LARKSPAN_PROBE) { return NextLine(Start("", program)); }

  TempDir dir{"larkspan-single"};
  std::string runtime_dir = dir.sub("runtime");
  std::string tmp_dir = dir.sub("tmp");
  std::string fallback_dir = tmp_dir + "/larkspan-launcher-" + std::to_string(::geteuid());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

 private:
  std::vector<std::unique_ptr<QProcess>> probes_;
};

// The next line the probe printed, without its line end.
std::string NextLine(QProcess* probe) {
  while (!probe->canReadLine()) {
    if (!probe->waitForReadyRead(10000)) return "<no output>";
  }
  return probe->readLine().trimmed().toStdString();
}

void KillHard(QProcess* probe) {
  ::kill(static_cast<pid_t>(probe->processId()), SIGKILL);
  probe->waitForFinished(5000);
}

class SingleInstanceTest : public ::testing::Test {
 protected:
  ProbeSandbox box_;
};

TEST_F(SingleInstanceTest, SecondInstanceSeesTheFirstUntilItEnds) {
  QProcess* first = box_.Start("hold");
  ASSERT_EQ(NextLine(first), "first");
  QProcess* second = box_.Start("");
  EXPECT_EQ(NextLine(second), "running");
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitCode(), 0);

  first->closeWriteChannel();
  ASSERT_TRUE(first->waitForFinished(10000));
  EXPECT_EQ(box_.Verdict(), "first");
}

TEST_F(SingleInstanceTest, KilledInstanceDoesNotBlockTheNext) {
  QProcess* first = box_.Start("hold");
  ASSERT_EQ(NextLine(first), "first");
  KillHard(first);
  EXPECT_EQ(box_.Verdict(), "first");
  EXPECT_EQ(LockFilesIn(box_.runtime_dir).size(), 1u) << "the lock file stays; only its lock went";
}

TEST_F(SingleInstanceTest, ProcessesItStartedDoNotInheritTheLock) {
  QProcess* first = box_.Start("spawn");
  ASSERT_EQ(NextLine(first), "first");
  const std::string child_line = NextLine(first);
  ASSERT_EQ(child_line.rfind("child ", 0), 0u) << child_line;
  const pid_t child = static_cast<pid_t>(std::stol(child_line.substr(6)));
  ASSERT_GT(child, 0);
  KillHard(first);

  EXPECT_EQ(::kill(child, 0), 0) << "the child outlives its parent";
  EXPECT_EQ(box_.Verdict(), "first");
  ::kill(child, SIGKILL);
}

TEST_F(SingleInstanceTest, AnotherInstallationIsNotBlocked) {
  const std::string copy = box_.dir.sub("other-root/bin/launcher");
  MakeDirs(box_.dir.sub("other-root/bin"));
  fs::copy_file(LARKSPAN_PROBE, copy);
  ::chmod(copy.c_str(), 0755);

  QProcess* first = box_.Start("hold");
  ASSERT_EQ(NextLine(first), "first");
  EXPECT_EQ(box_.Verdict(copy), "first");
  EXPECT_EQ(box_.Verdict(), "running");
  EXPECT_EQ(LockFilesIn(box_.runtime_dir).size(), 2u);
}

// Where the lock lives decides who could interfere with it: only folders
// that no other user can write are taken.
TEST(SingleInstanceGuardTest, LockLivesInAPrivateFolderOnly) {
  struct Row {
    const char* name;
    std::function<void(ProbeSandbox&)> prepare;
    bool expect_runtime_dir;
  };
  const std::vector<Row> rows = {
      {"private runtime dir", [](ProbeSandbox&) {}, true},
      {"no runtime dir", [](ProbeSandbox& t) { t.env.remove("XDG_RUNTIME_DIR"); }, false},
      {"runtime dir readable by others", [](ProbeSandbox& t) { ::chmod(t.runtime_dir.c_str(), 0755); }, false},
      {"runtime dir is a link to a private folder",
       [](ProbeSandbox& t) {
         const std::string real = t.dir.sub("real-runtime");
         MakeDirs(real);
         ::chmod(real.c_str(), 0700);
         fs::remove_all(t.runtime_dir);
         fs::create_directory_symlink(real, t.runtime_dir);
       },
       false},
      {"runtime dir is a file",
       [](ProbeSandbox& t) {
         fs::remove_all(t.runtime_dir);
         WriteFile(t.runtime_dir, "");
       },
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProbeSandbox t;
    row.prepare(t);
    QProcess* first = t.Start("hold");
    ASSERT_EQ(NextLine(first), "first");
    EXPECT_EQ(t.Verdict(), "running");

    const std::string folder = row.expect_runtime_dir ? t.runtime_dir : t.fallback_dir;
    const std::vector<std::string> locks = LockFilesIn(folder);
    ASSERT_EQ(locks.size(), 1u) << folder;
    EXPECT_EQ(ModeOf(folder + "/" + locks[0]), 0600u);
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_TRUE(LockFilesIn(t.dir.sub("real-runtime")).empty()) << "nothing through the link";
  }
}

// A fallback folder that someone else could have prepared is not used: the
// launcher runs unguarded, with a warning, rather than being kept out.
TEST(SingleInstanceGuardTest, UnsafeFallbackFolderIsRefused) {
  struct Row {
    const char* name;
    std::function<void(ProbeSandbox&)> prepare;
  };
  const std::vector<Row> rows = {
      {"writable by everyone",
       [](ProbeSandbox& t) {
         MakeDirs(t.fallback_dir);
         ::chmod(t.fallback_dir.c_str(), 0777);
       }},
      {"link to a private folder",
       [](ProbeSandbox& t) {
         const std::string elsewhere = t.dir.sub("elsewhere");
         MakeDirs(elsewhere);
         ::chmod(elsewhere.c_str(), 0700);
         fs::create_directory_symlink(elsewhere, t.fallback_dir);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProbeSandbox t;
    t.env.remove("XDG_RUNTIME_DIR");
    row.prepare(t);
    QProcess* first = t.Start("hold");
    ASSERT_EQ(NextLine(first), "first");
    QProcess* second = t.Start("");
    EXPECT_EQ(NextLine(second), "first");
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_NE(second->readAllStandardError().indexOf("[WARNING] qtsingleapplication("), -1);
    EXPECT_TRUE(LockFilesIn(t.fallback_dir).empty());
  }
}

}  // namespace
