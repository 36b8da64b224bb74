#include "extractor.h"

#include <archive.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>
#include <utility>

#include "adapter.h"
#include "archive_maker.h"
#include "log_capture.h"
#include "test_support.h"
#include "texts/strtab.h"

namespace {

using archivemaker::ArchiveKind;
using archivemaker::Dir;
using archivemaker::Entry;
using archivemaker::File;
using archivemaker::Hardlink;
using archivemaker::Symlink;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ScopedUmask;
using testsupport::TempDir;
using testsupport::WriteFile;
using Steps = std::vector<std::pair<int, int>>;

const ArchiveKind kTar{"tar", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE};
const ArchiveKind kUstar{"ustar", ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_NONE};

// Progress (total, 1) ... (total, total): what a complete run reports.
Steps AllSteps(int total) {
  Steps steps;
  for (int step = 1; step <= total; ++step) steps.emplace_back(total, step);
  return steps;
}


// Changes the working folder for the life of the object.
class ScopedWorkingDir {
 public:
  explicit ScopedWorkingDir(const std::string& path) : old_(::get_current_dir_name()) {
    if (::chdir(path.c_str()) != 0) ADD_FAILURE() << "cannot enter " << path;
  }
  ~ScopedWorkingDir() {
    if (::chdir(old_) != 0) ADD_FAILURE() << "cannot return to " << old_;
    ::free(old_);
  }
  ScopedWorkingDir(const ScopedWorkingDir&) = delete;
  ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

 private:
  char* old_;
};

struct stat Lstat(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) ADD_FAILURE() << "no such path: " << path;
  return st;
}

std::string ReadLink(const std::string& path) {
  char buf[4096];
  const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
  return n < 0 ? std::string("<not a link>") : std::string(buf, static_cast<size_t>(n));
}

bool IsEmptyDir(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_empty(path, ec) && !ec;
}

// The extractor's log lines, with the source line numbers (which change with
// every edit of the extractor) replaced by N: "[ERROR] extractor(N): ...".
std::vector<std::string> ExtractorLines(const std::vector<std::string>& lines) {
  const std::string unit = "] extractor(";
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    const size_t open = line.find(unit);
    if (line.empty() || line[0] != '[' || open == std::string::npos) continue;
    const size_t digits = open + unit.size();
    const size_t close = line.find("): ", digits);
    if (close == std::string::npos || close == digits ||
        line.find_first_not_of("0123456789", digits) != close)
      continue;
    out.push_back(line.substr(0, digits) + "N" + line.substr(close));
  }
  return out;
}

class ExtractorTest : public ::testing::Test {
 protected:
  ExtractorTest()
      : text_spy_(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateDialogText),
        progress_spy_(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress) {}

  void SetUp() override { testsupport::MakeDirs(target_); }

  std::string WritePackage(const std::string& bytes) {
    const std::string path = dir_.sub("larkspan.kpk");
    WriteFile(path, bytes);
    return path;
  }

  static int Extract(const std::string& source, const std::string& target) {
    Extractor extractor;
    extractor.SetSource(source.c_str());
    extractor.SetTarget(target.c_str());
    return extractor.Extract();
  }

  static int Count(const std::string& source, const std::string& target) {
    Extractor extractor;
    extractor.SetSource(source.c_str());
    extractor.SetTarget(target.c_str());
    return extractor.Count();
  }

  Steps Progress() const {
    Steps steps;
    for (const QList<QVariant>& call : progress_spy_)
      steps.emplace_back(call.at(0).toInt(), call.at(1).toInt());
    return steps;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const QList<QVariant>& call : text_spy_) texts.push_back(call.at(0).toString().toStdString());
    return texts;
  }

  // Lines logged since the last ForgetLog().
  std::vector<std::string> LogLines() const {
    const std::vector<std::string> all = log_.Lines();
    return ExtractorLines({all.begin() + static_cast<long>(std::min(log_mark_, all.size())), all.end()});
  }
  void ForgetLog() { log_mark_ = log_.Lines().size(); }

  std::string DebugLine(const std::string& source, const std::string& target) const {
    return "[DEBUG] extractor(N): decompress from '" + source + "' to '" + target + "'";
  }

  static std::string Label() { return StrTable::LoadStr(StrTable::desc_lksp_env_preparing).toStdString(); }

  TempDir dir_;
  const std::string target_ = dir_.sub("Larkspan.app");
  testsupport::LogCapture log_;
  size_t log_mark_ = 0;
  ScopedUmask umask_{022};
  QSignalSpy text_spy_;
  QSignalSpy progress_spy_;
};

// ---------------------------------------------------------------------------
// Every format and filter the package may come in.

// A small client package: a listed folder, files whose parents are not
// listed, executables, an empty file, a data file larger than the read
// block, and a symbolic link.
std::vector<Entry> ClientPackage() {
  return {
      Dir("bin"),
      File("bin/larkspan-drive-ui", "#!/bin/sh\nexec sleep 1\n", 0755),
      File("package/start-stop", "#!/bin/sh\nexit 0\n", 0755),
      File("INFO", "[Version]\nbuild_version=42\n"),
      File("lib/libcore.so.1", archivemaker::NoiseBytes(300 * 1024, 7)),
      Symlink("lib/libcore.so", "libcore.so.1"),
      File("share/empty", ""),
      File("share/readme.txt", std::string(50000, 'x') + "end\n"),
  };
}

class ExtractorFormatTest : public ExtractorTest,
                            public ::testing::WithParamInterface<ArchiveKind> {
 protected:
  void SetUp() override {
    ExtractorTest::SetUp();
    if (!archivemaker::CanWrite(GetParam()))
      GTEST_SKIP() << "this libarchive cannot write " << GetParam().name;
  }
};

TEST_P(ExtractorFormatTest, UnpacksEveryEntryWithProgress) {
  const std::vector<Entry> entries = ClientPackage();
  const std::string package = WritePackage(archivemaker::Build(GetParam(), entries));
  const int total = static_cast<int>(entries.size());

  EXPECT_EQ(Count(package, target_), total);
  ASSERT_EQ(Extract(package, target_), 0);

  EXPECT_EQ(Progress(), AllSteps(total));
  EXPECT_EQ(Texts(), std::vector<std::string>{Label()});
  EXPECT_EQ(LogLines(), std::vector<std::string>{DebugLine(package, target_)});
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.name);
    const std::string path = target_ + "/" + e.name;
    const struct stat st = Lstat(path);
    switch (e.kind) {
      case Entry::kFile:
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(ReadFile(path), e.data);
        EXPECT_EQ(st.st_mode & 07777, e.perm & ~022u);
        break;
      case Entry::kDir:
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        break;
      case Entry::kSymlink:
        EXPECT_EQ(ReadLink(path), e.data);
        break;
      case Entry::kHardlink:
        break;
    }
  }
}

// Cut inside the large data file: the run must fail, never claim success,
// and say why.
TEST_P(ExtractorFormatTest, TruncatedPackageFailsWithReason) {
  const std::string whole = archivemaker::Build(GetParam(), ClientPackage());
  const std::string package = WritePackage(whole.substr(0, whole.size() / 2));
  const int counted = Count(package, target_);
  ForgetLog();

  EXPECT_EQ(Extract(package, target_), -1);

  // Whatever was written before the cut was reported step by step.
  const Steps steps = Progress();
  const Steps all = AllSteps(counted);
  ASSERT_LE(steps.size(), all.size());
  EXPECT_EQ(steps, Steps(all.begin(), all.begin() + static_cast<long>(steps.size())));
  const std::vector<std::string> lines = LogLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), DebugLine(package, target_));
  EXPECT_EQ(lines.back().rfind("[ERROR] extractor(N): ", 0), 0u) << lines.back();
}

const ArchiveKind kKinds[] = {
    kTar,
    {"ustar", ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_NONE},
    {"tar_gz", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP},
    {"tar_bz2", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_BZIP2},
    {"tar_xz", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_XZ},
    {"tar_zst", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_ZSTD},
    {"zip", ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE},
    {"7z", ARCHIVE_FORMAT_7ZIP, ARCHIVE_FILTER_NONE},
    {"cpio", ARCHIVE_FORMAT_CPIO_SVR4_NOCRC, ARCHIVE_FILTER_NONE},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ExtractorFormatTest, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<ArchiveKind>& info) {
                           return std::string(info.param.name);
                         });

// ---------------------------------------------------------------------------
// Arguments and packages that cannot be unpacked at all.

TEST_F(ExtractorTest, EmptyPathIsRefusedBeforeAnythingElse) {
  const std::string package = WritePackage(archivemaker::Build(kTar, {File("a", "a")}));
  struct Row {
    const char* name;
    std::string source, target;
  };
  for (const Row& row : {Row{"no source", "", target_}, Row{"no target", package, ""},
                         Row{"neither", "", ""}}) {
    SCOPED_TRACE(row.name);
    ForgetLog();
    EXPECT_EQ(Extract(row.source, row.target), -1);
    EXPECT_EQ(Count(row.source, row.target), -1);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"[ERROR] extractor(N): Invalid Argument",
                                                    "[ERROR] extractor(N): Invalid argument"}));
  }
  EXPECT_EQ(text_spy_.count(), 0);
  EXPECT_EQ(progress_spy_.count(), 0);
  EXPECT_TRUE(IsEmptyDir(target_));
}

// The counting pass finds nothing to unpack: the label has been sent, no
// progress is, nothing is written.
TEST_F(ExtractorTest, PackageWithoutEntriesFailsInTheCountingPass) {
  struct Row {
    const char* name;
    bool exists;
    std::string bytes;
    std::vector<std::string> count_lines;  // between the debug line and the total line
    int count;
  };
  const std::string package = dir_.sub("package.kpk");
  const Row rows[] = {
      {"missing file", false, "",
       {"[ERROR] extractor(N): archive_read_open_filename failed: 'Failed to open '" + package + "''"},
       -1},
      {"not an archive", true, "[Version]\nbuild_version=1\n",
       {"[ERROR] extractor(N): archive_read_open_filename failed: 'Unrecognized archive format'"},
       -1},
      {"zero-length file", true, "", {}, 0},
      {"archive without entries", true, archivemaker::Build(kTar, {}), {}, 0},
      {"compressed archive without entries", true,
       archivemaker::Build({"tar_gz", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP}, {}),
       {}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    text_spy_.clear();
    ForgetLog();
    if (row.exists) WriteFile(package, row.bytes);

    EXPECT_EQ(Count(package, target_), row.count);
    ForgetLog();
    EXPECT_EQ(Extract(package, target_), -1);

    std::vector<std::string> expected{DebugLine(package, target_)};
    expected.insert(expected.end(), row.count_lines.begin(), row.count_lines.end());
    expected.push_back("[ERROR] extractor(N): Failed to calculate total file numbers, ret: " +
                       std::to_string(row.count));
    EXPECT_EQ(LogLines(), expected);
    EXPECT_EQ(Texts(), std::vector<std::string>{Label()});
    ::unlink(package.c_str());
  }
  EXPECT_EQ(progress_spy_.count(), 0);
  EXPECT_TRUE(IsEmptyDir(target_));
}

// Serves a named pipe to its readers in turn, one payload each. It waits
// for each reader to close before serving the next, so that every open sees
// its own payload, and gives up after about ten seconds, so that a broken
// extractor fails the test instead of hanging it.
void ServePipe(const std::string& fifo, const std::vector<std::string>& payloads) {
  const int closes = ::inotify_init1(IN_CLOEXEC);
  ::inotify_add_watch(closes, fifo.c_str(), IN_CLOSE_NOWRITE);
  for (const std::string& payload : payloads) {
    int fd = -1;  // a non-blocking open fails until a reader is there
    for (int tries = 0; fd < 0 && tries < 1000; ++tries) {
      fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (fd < 0) break;
    ::fcntl(fd, F_SETFL, 0);
    const bool written = ::write(fd, payload.data(), payload.size()) == static_cast<ssize_t>(payload.size());
    ::close(fd);
    pollfd reader_closed{closes, POLLIN, 0};
    if (!written || ::poll(&reader_closed, 1, 10000) != 1) break;
    char events[4096];
    if (::read(closes, events, sizeof events) <= 0) break;
  }
  ::close(closes);
}

// Readable for counting, not for unpacking: the second open of the package
// finds something that is no archive.
TEST_F(ExtractorTest, PackageThatCannotBeReopenedFailsWithReadError) {
  const std::string fifo = dir_.sub("package.pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread feeder(ServePipe, fifo,
                     std::vector<std::string>{archivemaker::Build(kTar, {File("a", "a")}), "no archive here"});

  EXPECT_EQ(Extract(fifo, target_), -1);
  feeder.join();

  EXPECT_EQ(LogLines(),
            (std::vector<std::string>{
                DebugLine(fifo, target_),
                "[ERROR] extractor(N): Failed to read file '" + fifo + "' ('Unrecognized archive format')"}));
  EXPECT_EQ(progress_spy_.count(), 0);
}

// ---------------------------------------------------------------------------
// Failures inside the entry loop: what was written stays, the run stops.

TEST_F(ExtractorTest, DamagedHeaderAfterGoodEntriesStopsThere) {
  const std::vector<Entry> entries{File("e1", "one"), Dir("d"), File("d/e3", "three"),
                                   File("e4", "four"), File("e5", "five")};
  std::string tar = archivemaker::Build(kUstar, entries);
  const size_t e4 = archivemaker::TarHeaderOffset(tar, "e4");
  ASSERT_NE(e4, std::string::npos);
  tar.replace(e4 + 148, 8, "XXXXXXXX");  // the header's checksum field

  const std::pair<const char*, int> filters[] = {{"none", ARCHIVE_FILTER_NONE},
                                                 {"gzip", ARCHIVE_FILTER_GZIP},
                                                 {"xz", ARCHIVE_FILTER_XZ},
                                                 {"zstd", ARCHIVE_FILTER_ZSTD}};
  for (const auto& [name, filter] : filters) {
    SCOPED_TRACE(name);
    if (!archivemaker::CanWrite({name, ARCHIVE_FORMAT_TAR_USTAR, filter})) {
      std::cout << "[  SKIPPED ] filter " << name << " cannot be written here\n";
      continue;
    }
    const TempDir target;
    const std::string package =
        WritePackage(filter == ARCHIVE_FILTER_NONE ? tar : archivemaker::Compress(tar, filter));
    progress_spy_.clear();
    ForgetLog();

    EXPECT_EQ(Count(package, target.path()), 3);
    EXPECT_EQ(Extract(package, target.path()), -1);

    EXPECT_EQ(Progress(), AllSteps(3));
    EXPECT_EQ(ReadFile(target.sub("e1")), "one");
    EXPECT_EQ(ReadFile(target.sub("d/e3")), "three");
    EXPECT_FALSE(PathExists(target.sub("e4")));
    EXPECT_FALSE(PathExists(target.sub("e5")));
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(),
              "[ERROR] extractor(N): archive_read_next_header failed: 'Damaged tar archive'");
  }
}

// A file cut short inside its data: the reader's reason is logged, and a
// failure that libarchive gives no text for still gets its line.
TEST_F(ExtractorTest, EntryWithTruncatedDataIsReportedWithReason) {
  struct Row {
    ArchiveKind kind;
    const char* reason;
  };
  const Row rows[] = {
      {kTar, "Truncated tar archive"},
      {{"tar_gz", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP}, "truncated gzip input"},
      {{"cpio", ARCHIVE_FORMAT_CPIO_SVR4_NOCRC, ARCHIVE_FILTER_NONE}, "unknown error"},  // no text
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind.name);
    const TempDir target;
    const std::string whole =
        archivemaker::Build(row.kind, {File("a", "a"), File("big", archivemaker::NoiseBytes(400000, 3))});
    const std::string package = WritePackage(whole.substr(0, whole.size() / 2));
    progress_spy_.clear();
    ForgetLog();

    EXPECT_EQ(Extract(package, target.path()), -1);

    EXPECT_EQ(Progress(), (Steps{{2, 1}}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              DebugLine(package, target.path()),
                              std::string("[ERROR] extractor(N): archive_read_extract2 failed: '") +
                                  row.reason + "'"}));
  }
}

TEST_F(ExtractorTest, EntryWithDotDotIsRefusedAndEarlierEntriesStay) {
  const std::string package = WritePackage(archivemaker::Build(
      kTar, {File("a.txt", "a"), File("sub/../../escape.txt", "x"), File("b.txt", "b")}));

  EXPECT_EQ(Extract(package, target_), -1);

  EXPECT_EQ(ReadFile(target_ + "/a.txt"), "a");
  EXPECT_FALSE(PathExists(dir_.sub("escape.txt")));
  EXPECT_FALSE(PathExists(target_ + "/b.txt"));
  EXPECT_EQ(Progress(), (Steps{{3, 1}}));
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            DebugLine(package, target_),
                            "[ERROR] extractor(N): archive_read_extract2 failed: 'Path contains '..''"}));
}

// The ".." check covers the whole path written, target included.
TEST_F(ExtractorTest, TargetWithDotDotFailsOnTheFirstEntry) {
  testsupport::MakeDirs(dir_.sub("other"));
  const std::string target = dir_.sub("other/../Larkspan.app");
  const std::string package = WritePackage(archivemaker::Build(kTar, {File("a.txt", "a")}));

  EXPECT_EQ(Extract(package, target), -1);

  EXPECT_TRUE(IsEmptyDir(target_));
  EXPECT_EQ(progress_spy_.count(), 0);
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            DebugLine(package, target),
                            "[ERROR] extractor(N): archive_read_extract2 failed: 'Path contains '..''"}));
}

// ---------------------------------------------------------------------------
// What lands on disk.

// A path already on disk is unlinked and made anew, so whatever else points
// at the old file (a hard link, or the target of a symbolic link) keeps its
// content.
TEST_F(ExtractorTest, ExistingPathIsReplacedNotWrittenThrough) {
  const std::string outside = dir_.sub("outside");
  const std::string info = target_ + "/INFO";
  struct Row {
    const char* name;
    int (*make)(const char* existing, const char* new_path);
  };
  const Row rows[] = {{"hard link", ::link}, {"symbolic link", ::symlink}};
  const std::string package = WritePackage(archivemaker::Build(kTar, {File("INFO", "new")}));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteFile(outside, "old");
    ASSERT_EQ(row.make(outside.c_str(), info.c_str()), 0);

    EXPECT_EQ(Extract(package, target_), 0);

    EXPECT_EQ(ReadFile(outside), "old");
    EXPECT_EQ(ReadFile(info), "new");
    EXPECT_TRUE(S_ISREG(Lstat(info).st_mode));
    EXPECT_NE(Lstat(info).st_ino, Lstat(outside).st_ino);
    ::unlink(info.c_str());
  }
}

// Modes are the stored ones reduced by the umask, without set-id or sticky
// bits; the executables of the package stay executable.
TEST_F(ExtractorTest, ModeIsStoredModeLessUmaskAndSpecialBits) {
  struct Row {
    const char* name;
    bool dir;
    mode_t stored, mask, expected;
  };
  const Row rows[] = {
      {"executable", false, 0755, 022, 0755},
      {"executable, strict umask", false, 0755, 077, 0700},
      {"group-writable, umask 002", false, 0775, 002, 0775},
      {"read-only", false, 0444, 022, 0444},
      {"set-user-id", false, 04755, 022, 0755},
      {"set-group-id", false, 02755, 022, 0755},
      {"sticky folder", true, 01777, 022, 0755},
      {"private folder", true, 0700, 022, 0700},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TempDir target;
    const std::string package = WritePackage(
        archivemaker::Build(kTar, {row.dir ? Dir("x", row.stored) : File("x", "#!/bin/sh\n", row.stored)}));
    {
      const ScopedUmask mask(row.mask);
      ASSERT_EQ(Extract(package, target.path()), 0);
    }
    EXPECT_EQ(Lstat(target.sub("x")).st_mode & 07777, row.expected);
  }
}

TEST_F(ExtractorTest, SymbolicLinksAreMadeAsStored) {
  const std::vector<std::pair<std::string, std::string>> links{
      {"relative", "lib/libcore.so.1"},
      {"absolute-dangling", "/nonexistent/larkspan"},
      {"up-and-over", "../shared/data"},
      {"to-folder", "lib"},
  };
  std::vector<Entry> entries{File("lib/libcore.so.1", "core")};
  for (const auto& [name, to] : links) entries.push_back(Symlink(name, to));
  const std::string package = WritePackage(archivemaker::Build(kTar, entries));

  ASSERT_EQ(Extract(package, target_), 0);

  for (const auto& [name, to] : links) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(S_ISLNK(Lstat(target_ + "/" + name).st_mode));
    EXPECT_EQ(ReadLink(target_ + "/" + name), to);
  }
  EXPECT_EQ(ReadFile(target_ + "/relative"), "core");
}

// A link stored in the package may point anywhere, but no later entry may be
// written through one that leads out of the target; the run stops there.
// Each row unpacks into a folder of its own inside a box that must hold
// nothing else afterwards.
TEST_F(ExtractorTest, EntryThroughALinkOutOfTheTargetIsRefused) {
  struct Row {
    const char* name;
    std::vector<Entry> (*entries)(const std::string& box);
    const char* refused;  // the stored name that would have escaped
    Steps progress;
  };
  const Row rows[] = {
      {"link up",
       [](const std::string&) { return std::vector<Entry>{Symlink("up", ".."), File("up/escaped", "x")}; },
       "up/escaped", {{2, 1}}},
      {"absolute link",
       [](const std::string& box) {
         return std::vector<Entry>{Symlink("abs", box), File("abs/escaped", "x")};
       },
       "abs/escaped", {{2, 1}}},
      {"link to a link",
       [](const std::string&) {
         return std::vector<Entry>{Symlink("a", "b"), Symlink("b", ".."), File("a/escaped", "x")};
       },
       "a/escaped", {{3, 1}, {3, 2}}},
      {"folder listed through the link",
       [](const std::string&) {
         return std::vector<Entry>{Symlink("up", ".."), Dir("up"), File("up/escaped", "x")};
       },
       "up/escaped", {{3, 1}, {3, 2}}},
      {"deeper below the link",
       [](const std::string&) {
         return std::vector<Entry>{Dir("d"), Symlink("d/up", "../.."), File("d/up/sub/escaped", "x")};
       },
       "d/up/sub/escaped", {{3, 1}, {3, 2}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TempDir box;
    const std::string target = box.sub("app");
    testsupport::MakeDirs(target);
    const std::string package = WritePackage(archivemaker::Build(kTar, row.entries(box.path())));
    progress_spy_.clear();
    ForgetLog();

    EXPECT_EQ(Extract(package, target), -1);

    EXPECT_FALSE(PathExists(box.sub("escaped")));
    EXPECT_FALSE(PathExists(box.sub("sub")));
    EXPECT_EQ(Progress(), row.progress);
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), std::string("[ERROR] extractor(N): entry '") + row.refused +
                                "' leads out of '" + target + "' through a symbolic link");
  }
}

// An entry whose name designates the target itself would take its place:
// a link there would lead every later entry away. Only a folder may.
TEST_F(ExtractorTest, EntryNamedLikeTheTargetMustBeAFolder) {
  struct Row {
    const char* name;
    Entry entry;
  };
  const Row rows[] = {
      {"link, empty name", Symlink("", ".")},
      {"link, ./", Symlink("./", ".")},
      {"link, /", Symlink("/", ".")},
      {"file, .", File(".", "x")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TempDir box;
    const std::string target = box.sub("app");
    testsupport::MakeDirs(target);
    const std::string package =
        WritePackage(archivemaker::Build(kTar, {row.entry, File("escaped", "x")}));
    progress_spy_.clear();
    ForgetLog();

    EXPECT_EQ(Extract(package, target), -1);

    EXPECT_TRUE(S_ISDIR(Lstat(target).st_mode));
    EXPECT_FALSE(PathExists(box.sub("escaped")));
    EXPECT_EQ(progress_spy_.count(), 0);
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "[ERROR] extractor(N): entry '" + row.entry.name +
                                "' would replace the folder '" + target + "'");
  }

  const std::string folders =
      WritePackage(archivemaker::Build(kTar, {Dir(""), Dir("./"), File("kept", "x")}));
  EXPECT_EQ(Extract(folders, target_), 0);
  EXPECT_EQ(ReadFile(target_ + "/kept"), "x");
}

// Links that stay inside the target are followed as before.
TEST_F(ExtractorTest, EntryThroughALinkInsideTheTargetIsWritten) {
  const std::string package = WritePackage(archivemaker::Build(
      kTar, {Dir("lib64"), Symlink("lib", "lib64"), Symlink("self", "."), File("lib/x", "x"),
             File("self/lib/y", "y")}));

  ASSERT_EQ(Extract(package, target_), 0);

  EXPECT_EQ(ReadFile(target_ + "/lib64/x"), "x");
  EXPECT_EQ(ReadFile(target_ + "/lib64/y"), "y");
  EXPECT_EQ(Progress(), AllSteps(5));
}

// A hard link names another entry of the archive; it must be made below the
// target whatever the working folder holds.
TEST_F(ExtractorTest, HardLinkIsMadeBelowTargetNotInWorkingFolder) {
  const std::string decoy = dir_.sub("decoy");
  WriteFile(decoy + "/lib/data", "decoy");
  const std::string package = WritePackage(
      archivemaker::Build(kTar, {File("lib/data", "payload"), Hardlink("lib/alias", "lib/data")}));
  {
    const ScopedWorkingDir in_decoy(decoy);
    ASSERT_EQ(Extract(package, target_), 0);
  }

  EXPECT_EQ(ReadFile(target_ + "/lib/alias"), "payload");
  EXPECT_EQ(Lstat(target_ + "/lib/alias").st_ino, Lstat(target_ + "/lib/data").st_ino);
  EXPECT_EQ(Lstat(decoy + "/lib/data").st_nlink, 1u);
  EXPECT_EQ(Progress(), AllSteps(2));
}

// A hard link may not reach a file outside the target, neither by ".." nor
// through a symbolic link stored before it (the writer refuses links on a
// hard link's path).
TEST_F(ExtractorTest, HardLinkToAFileOutsideTheTargetIsRefused) {
  struct Row {
    const char* name;
    std::vector<Entry> entries;
    std::string refusal;
    Steps progress;
  };
  const Row rows[] = {
      {"dot-dot", {Hardlink("alias", "../outside")},
       "[ERROR] extractor(N): archive_read_extract2 failed: 'Path contains '..''", {}},
      {"through a link", {Symlink("up", ".."), Hardlink("alias", "up/outside")},
       "[ERROR] extractor(N): archive_read_extract2 failed: 'Hard-link target '" + target_ +
           "/up/outside' does not exist.'",
       {{2, 1}}},
  };
  WriteFile(dir_.sub("outside"), "secret");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string package = WritePackage(archivemaker::Build(kTar, row.entries));
    progress_spy_.clear();
    ForgetLog();

    EXPECT_EQ(Extract(package, target_), -1);

    EXPECT_FALSE(PathExists(target_ + "/alias"));
    EXPECT_EQ(Lstat(dir_.sub("outside")).st_nlink, 1u);
    EXPECT_EQ(Progress(), row.progress);
    ASSERT_FALSE(LogLines().empty());
    EXPECT_EQ(LogLines().back(), row.refusal);
  }
}

// The writer removes symbolic links on a hard link's path; one above the
// target (a home folder reached through a link, say) is the user's and stays.
TEST_F(ExtractorTest, HardLinkLeavesALinkAboveTheTargetAlone) {
  testsupport::MakeDirs(dir_.sub("real/app"));
  ASSERT_EQ(::symlink("real", dir_.sub("via").c_str()), 0);
  const std::string target = dir_.sub("via/app");
  const std::string package = WritePackage(
      archivemaker::Build(kTar, {File("lib/data", "payload"), Hardlink("lib/alias", "lib/data")}));

  ASSERT_EQ(Extract(package, target), 0);

  EXPECT_TRUE(S_ISLNK(Lstat(dir_.sub("via")).st_mode));
  EXPECT_EQ(ReadFile(dir_.sub("real/app/lib/alias")), "payload");
  EXPECT_EQ(Lstat(dir_.sub("real/app/lib/alias")).st_ino, Lstat(dir_.sub("real/app/lib/data")).st_ino);
}

// The layout bsdtar makes of "-C folder .": every name starts with "./".
TEST_F(ExtractorTest, PackageMadeByBsdtarFromAFolder) {
  const std::string tree = dir_.sub("tree");
  WriteFile(tree + "/bin/larkspan-drive-ui", "#!/bin/sh\n", 0755);
  WriteFile(tree + "/INFO", "[Version]\n");
  const std::string package = dir_.sub("larkspan.kpk");
  const std::string command = "bsdtar -czf '" + package + "' -C '" + tree + "' .";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  ASSERT_EQ(Extract(package, target_), 0);

  EXPECT_EQ(ReadFile(target_ + "/INFO"), "[Version]\n");
  EXPECT_EQ(Lstat(target_ + "/bin/larkspan-drive-ui").st_mode & 0777, 0755u);
  EXPECT_EQ(Progress(), AllSteps(4));  // ".", "./bin", and the two files
}

// An instance keeps no archive state: the same object unpacks a second
// package over the first.
TEST_F(ExtractorTest, SameInstanceUnpacksAgainOverEarlierOutput) {
  Extractor extractor;
  extractor.SetTarget(target_.c_str());
  extractor.SetSource(WritePackage(archivemaker::Build(kTar, {Dir("d"), File("d/f", "first")})).c_str());
  ASSERT_EQ(extractor.Extract(), 0);
  const std::string second = dir_.sub("second.kpk");
  WriteFile(second, archivemaker::Build(kTar, {Dir("d"), File("d/f", "second"), File("g", "g")}));
  extractor.SetSource(second.c_str());

  ASSERT_EQ(extractor.Extract(), 0);

  EXPECT_EQ(ReadFile(target_ + "/d/f"), "second");
  EXPECT_EQ(ReadFile(target_ + "/g"), "g");
  EXPECT_EQ(Progress(), (Steps{{2, 1}, {2, 2}, {3, 1}, {3, 2}, {3, 3}}));
}

TEST_F(ExtractorTest, PermissionFailuresAreReported) {
  SKIP_IF_ROOT();
  const std::string package = WritePackage(archivemaker::Build(kTar, {File("a", "a")}));
  {
    SCOPED_TRACE("unreadable package");
    const testsupport::ScopedMode no_read(package, 0);
    EXPECT_EQ(Extract(package, target_), -1);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              DebugLine(package, target_),
                              "[ERROR] extractor(N): archive_read_open_filename failed: 'Failed to open '" +
                                  package + "''",
                              "[ERROR] extractor(N): Failed to calculate total file numbers, ret: -1"}));
  }
  {
    SCOPED_TRACE("read-only target");
    ForgetLog();
    const testsupport::ScopedMode read_only(target_, 0555);
    EXPECT_EQ(Extract(package, target_), -1);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              DebugLine(package, target_),
                              "[ERROR] extractor(N): archive_read_extract2 failed: 'Can't create '" +
                                  target_ + "/a''"}));
  }
  EXPECT_EQ(progress_spy_.count(), 0);
}

// ---------------------------------------------------------------------------
// Signals as the launcher receives them.

// Records both adapter signals in arrival order through automatic
// connections to an object of the main thread, as the launcher connects.
class ArrivalRecorder {
 public:
  ArrivalRecorder() {
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    QObject::connect(&adapter, &Notify_Adapter::sigUpdateDialogText, &context_,
                     [this](QString text) { arrivals_.push_back("text " + text.toStdString()); });
    QObject::connect(&adapter, &Notify_Adapter::sigUpdateProgress, &context_, [this](int total, int step) {
      arrivals_.push_back("progress " + std::to_string(total) + "/" + std::to_string(step));
    });
  }
  const std::vector<std::string>& arrivals() const { return arrivals_; }

 private:
  QObject context_;  // its destruction disconnects both
  std::vector<std::string> arrivals_;
};

TEST_F(ExtractorTest, LabelThenProgressArriveInOrder) {
  const std::string package =
      WritePackage(archivemaker::Build(kTar, {Dir("d"), File("d/a", "a"), File("d/b", "b")}));
  ASSERT_EQ(Label(), "Larkspan Drive is initializing...");  // no catalogue installed here
  const std::vector<std::string> expected{"text " + Label(), "progress 3/1", "progress 3/2",
                                          "progress 3/3"};
  {
    SCOPED_TRACE("same thread: direct calls");
    ArrivalRecorder recorder;
    ASSERT_EQ(Extract(package, target_), 0);
    EXPECT_EQ(recorder.arrivals(), expected);
  }
  {
    SCOPED_TRACE("worker thread: queued to the main thread");
    ArrivalRecorder recorder;
    int result = 1;
    std::thread worker([&] { result = Extract(package, target_); });
    worker.join();
    EXPECT_TRUE(recorder.arrivals().empty()) << "delivered before the main loop ran";
    QCoreApplication::processEvents();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(recorder.arrivals(), expected);
  }
}

}  // namespace
