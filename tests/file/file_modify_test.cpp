// Directory creation, copy, rename and removal.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include "file_test_util.h"

using filetest::FileOpLines;
using filetest::PermissionBits;
using testsupport::ScopedUmask;
using testsupport::LogCapture;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::ScopedMode;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

bool IsDirectory(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LinkText(const std::string& path) {
  char buf[4096];
  ssize_t n = ::readlink(path.c_str(), buf, sizeof(buf));
  return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(gen());
  return bytes;
}

// ---- FSMKDir ----------------------------------------------------------------

TEST(MakeDir, ExistingPaths) {
  TempDir tmp;
  testsupport::MakeDirs(tmp.sub("dir"));
  WriteFile(tmp.sub("file"), "x");
  ASSERT_EQ(::symlink("dir", tmp.sub("link-to-dir").c_str()), 0);
  struct Row {
    std::string path;
    int result;
    const char* line;  // expected log line after the path, or null for none
  };
  const Row rows[] = {
      {tmp.sub("dir"), 0, nullptr},
      {tmp.sub("file"), -1, " (1)"},
      {tmp.sub("link-to-dir"), -1, " (3)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    for (bool parents : {false, true}) {
      LogCapture log;
      EXPECT_EQ(FSMKDir(row.path, parents), row.result);
      std::vector<std::string> expected;
      if (row.line)
        expected.push_back(
            "[ERROR] file-op(N): FSMKDir: Create a folder but local file system is not "
            "directory '" + row.path + "'" + row.line);
      EXPECT_EQ(FileOpLines(log), expected);
    }
  }
  EXPECT_EQ(FSMKDir("", true), -1);
}

TEST(MakeDir, CreatesMissingParentsOnlyWhenAsked) {
  TempDir tmp;
  ScopedUmask umask(022);
  const std::string target = tmp.sub("b/c");

  LogCapture log;
  EXPECT_EQ(FSMKDir(target, false), -2);
  EXPECT_FALSE(PathExists(tmp.sub("b")));
  const std::vector<std::string> expected = {"[ERROR] file-op(N): path = " + target +
                                             " errno : " + std::strerror(ENOENT)};
  EXPECT_EQ(FileOpLines(log), expected);

  EXPECT_EQ(FSMKDir(target, true), 0);
  for (const std::string& dir : {tmp.sub("b"), target}) {
    SCOPED_TRACE(dir);
    EXPECT_TRUE(IsDirectory(dir));
    EXPECT_EQ(PermissionBits(dir), 0755u);
  }
  EXPECT_EQ(FSMKDir(tmp.sub("b/c/d"), false), 0);
  EXPECT_TRUE(IsDirectory(tmp.sub("b/c/d")));
}

TEST(MakeDir, UnreadableStatus) {
  SKIP_IF_ROOT();
  TempDir tmp;
  testsupport::MakeDirs(tmp.sub("locked"));
  ScopedMode no_search(tmp.sub("locked"), 0600);
  LogCapture log;
  EXPECT_EQ(FSMKDir(tmp.sub("locked/x"), true), -1);
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): FSMKDir: Failed to to file info '" + tmp.sub("locked/x") + "'"};
  EXPECT_EQ(FileOpLines(log), expected);
}

// ---- FSMKDirP ---------------------------------------------------------------

TEST(MakeDirP, ExplicitModeIgnoresTheUmask) {
  struct Row {
    mode_t umask;
    mode_t mode;
  };
  const Row rows[] = {{022, 0700}, {077, 0700}, {022, 0775}, {0, 0750}};
  for (const Row& row : rows) {
    SCOPED_TRACE("umask " + std::to_string(row.umask) + " mode " + std::to_string(row.mode));
    TempDir tmp;
    ScopedUmask umask(row.umask);
    EXPECT_EQ(FSMKDirP(tmp.sub("p/q/r"), nullptr, false, row.mode), 0);
    for (const char* dir : {"p", "p/q", "p/q/r"}) {
      SCOPED_TRACE(dir);
      EXPECT_EQ(PermissionBits(tmp.sub(dir)), row.mode);
    }
    EXPECT_EQ(filetest::CurrentUmask(), row.umask);
  }
}

TEST(MakeDirP, EndPointerAndOddSlashes) {
  TempDir tmp;
  struct Row {
    std::string path;
    size_t end_offset;  // from the start of path
  };
  const std::string base = tmp.path();
  const Row rows[] = {
      {base + "/x/y", base.size() + 4},
      {base + "/x/y/", base.size() + 4},  // the trailing "/"
      {base + "//z//w", base.size() + 6},
      {base, base.size()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    const ustring path(row.path);
    char* end = nullptr;
    EXPECT_EQ(FSMKDirP(path, &end, false, FS_DEFAULT_MODE), 0);
    EXPECT_EQ(end, path.c_str() + row.end_offset);
    EXPECT_TRUE(IsDirectory(row.path));
  }
  EXPECT_TRUE(IsDirectory(base + "/z/w"));
}

TEST(MakeDirP, NonDirectoryInTheWay) {
  TempDir tmp;
  WriteFile(tmp.sub("a/file"), "keep");
  const std::string below = tmp.sub("a/file/b/c");
  const std::string last = tmp.sub("a/file");

  {
    LogCapture log;
    const ustring path(below);
    char* end = nullptr;
    errno = 0;
    EXPECT_EQ(FSMKDirP(path, &end, false, FS_DEFAULT_MODE), -1);
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_EQ(end, path.c_str() + tmp.sub("a/file/b").size());
    const std::vector<std::string> expected = {"[INFO] file-op(N): FSMKDirP: path: " + last +
                                               " is symbolic link pointed to folder"};
    EXPECT_EQ(FileOpLines(log), expected);
    EXPECT_EQ(ReadFile(last), "keep");
  }
  {
    LogCapture log;
    const ustring path(last + "/");
    char* end = nullptr;
    errno = 0;
    EXPECT_EQ(FSMKDirP(path, &end, false, FS_DEFAULT_MODE), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(end, path.c_str() + last.size());
    const std::vector<std::string> expected = {
        "[INFO] file-op(N): FSMKDirP: path: " + last +
        " is existing file or symbolic link pointed to file"};
    EXPECT_EQ(FileOpLines(log), expected);
  }

  EXPECT_EQ(FSMKDirP(below, nullptr, true, FS_DEFAULT_MODE), 0);
  EXPECT_TRUE(IsDirectory(last));
  EXPECT_TRUE(IsDirectory(below));
}

TEST(MakeDirP, FollowsLinksToDirectories) {
  TempDir tmp;
  testsupport::MakeDirs(tmp.sub("real"));
  ASSERT_EQ(::symlink("real", tmp.sub("alias").c_str()), 0);
  EXPECT_EQ(FSMKDirP(tmp.sub("alias/n"), nullptr, false, FS_DEFAULT_MODE), 0);
  EXPECT_TRUE(IsDirectory(tmp.sub("real/n")));
  EXPECT_EQ(FSMKDirP("", nullptr, false, FS_DEFAULT_MODE), -1);
}

// ---- FSMKDirFromRoot --------------------------------------------------------

TEST(MakeDirFromRoot, CreatesOneLevelAtATime) {
  TempDir tmp;
  const std::string root = tmp.sub("r");
  testsupport::MakeDirs(root);

  LogCapture log;
  EXPECT_EQ(FSMKDirFromRoot(root + "/a/b", root), 0);
  EXPECT_TRUE(IsDirectory(root + "/a/b"));
  EXPECT_EQ(FSMKDirFromRoot(root, root), 0);
  const std::vector<std::string> expected = {
      "[DEBUG] file-op(N): FSMKDirFromRoot: create /a",
      "[DEBUG] file-op(N): FSMKDirFromRoot: create /a/b",
  };
  EXPECT_EQ(FileOpLines(log), expected);
}

TEST(MakeDirFromRoot, RejectsRootsThatDoNotContainTheTarget) {
  TempDir tmp;
  const std::string root = tmp.sub("r");
  testsupport::MakeDirs(root);
  struct Row {
    const char* name;
    std::string target;
    std::string root;
    std::string line;
  };
  const Row rows[] = {
      {"trailing slash", root + "/a/b", root + "/",
       "[ERROR] file-op(N): root '" + root + "/' is not a parent folder of target '" + root +
           "/a/b'"},
      {"sibling", root + "x/a", root,
       "[ERROR] file-op(N): root '" + root + "' is not a parent folder of target '" + root +
           "x/a'"},
      {"longer root", root, root + "/a",
       "[ERROR] file-op(N): Giving a root '" + root + "/a' whose length is larger then target's '" +
           root + "'."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LogCapture log;
    EXPECT_EQ(FSMKDirFromRoot(row.target, row.root), -1);
    EXPECT_EQ(FileOpLines(log), std::vector<std::string>{row.line});
  }
  EXPECT_FALSE(PathExists(root + "/a"));
}

TEST(MakeDirFromRoot, MissingLevelBelowRootFails) {
  TempDir tmp;
  // The root itself must exist: each level is made without parents.
  EXPECT_EQ(FSMKDirFromRoot(tmp.sub("none/a"), tmp.sub("none")), -1);
  EXPECT_FALSE(PathExists(tmp.sub("none")));
}

// ---- FSCopy -----------------------------------------------------------------

TEST(Copy, CopiesTheBytes) {
  struct Row {
    const char* name;
    std::string content;
    bool delete_origin;
  };
  const size_t buffer = 32u * 1024u * 1024u;
  const Row rows[] = {
      {"empty", "", false},
      {"small", "hello\n", true},
      {"larger than the buffer", RandomBytes(buffer + 12345, 1), false},
      {"exactly the buffer", RandomBytes(buffer, 2), true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir tmp;
    ScopedUmask umask(022);
    WriteFile(tmp.sub("src"), row.content, 0600);
    WriteFile(tmp.sub("dst"), std::string(100, 'o'), 0640);  // truncated, keeps its mode
    WriteFile(tmp.sub("fresh-src"), row.content, 0600);
    EXPECT_EQ(FSCopy(tmp.sub("src"), tmp.sub("dst"), row.delete_origin), 0);
    EXPECT_EQ(FSCopy(tmp.sub("fresh-src"), tmp.sub("fresh"), false), 0);
    EXPECT_TRUE(ReadFile(tmp.sub("dst")) == row.content);
    EXPECT_TRUE(ReadFile(tmp.sub("fresh")) == row.content);
    EXPECT_EQ(PermissionBits(tmp.sub("dst")), 0640u);
    EXPECT_EQ(PermissionBits(tmp.sub("fresh")), 0644u);  // 0666 less the umask
    EXPECT_EQ(PathExists(tmp.sub("src")), !row.delete_origin);
  }
}

TEST(Copy, OpenFailures) {
  TempDir tmp;
  WriteFile(tmp.sub("src"), "data");
  struct Row {
    const char* name;
    std::string src;
    std::string dst;
    std::string logged_path;
    int err;
  };
  const Row rows[] = {
      {"missing source", tmp.sub("none"), tmp.sub("dst"), tmp.sub("none"), ENOENT},
      {"missing destination folder", tmp.sub("src"), tmp.sub("no/dst"), tmp.sub("no/dst"),
       ENOENT},
      {"destination is a folder", tmp.sub("src"), tmp.path(), tmp.path(), EISDIR},
      // Copying a file onto itself would truncate it to nothing.
      {"same file", tmp.sub("src"), tmp.sub("./src"), tmp.sub("./src"), EINVAL},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LogCapture log;
    EXPECT_EQ(FSCopy(row.src, row.dst, true), -1);
    const std::vector<std::string> expected = {"[ERROR] file-op(N): CopyFile: open(" +
                                               row.logged_path + "): " + std::strerror(row.err) +
                                               " (" + std::to_string(row.err) + ")"};
    EXPECT_EQ(FileOpLines(log), expected);
    EXPECT_EQ(ReadFile(tmp.sub("src")), "data");
  }
  EXPECT_FALSE(PathExists(tmp.sub("dst")));
}

TEST(Copy, ReadFailure) {
  TempDir tmp;
  LogCapture log;
  // A directory opens for reading, but reading it fails.
  EXPECT_EQ(FSCopy(tmp.path(), tmp.sub("dst"), true), -1);
  const std::vector<std::string> expected = {"[ERROR] file-op(N): CopyFile: read: " +
                                             std::string(std::strerror(EISDIR)) + " (" +
                                             std::to_string(EISDIR) + ")"};
  EXPECT_EQ(FileOpLines(log), expected);
  EXPECT_TRUE(IsDirectory(tmp.path()));
}

void ExpectOutOfSpace(const std::string& dst) {
  TempDir tmp;
  WriteFile(tmp.sub("src"), RandomBytes(4u * 1024u * 1024u, 3));
  LogCapture log;
  EXPECT_EQ(FSCopy(tmp.sub("src"), dst, true), -2);
  EXPECT_TRUE(PathExists(tmp.sub("src")));  // nothing lost
  const std::string line = "[ERROR] file-op(N): CopyFile: write: " +
                           std::string(std::strerror(ENOSPC)) + " (" + std::to_string(ENOSPC) +
                           ")";
  EXPECT_EQ(FileOpLines(log), std::vector<std::string>{line});
}

TEST(Copy, OutOfSpaceOnAFullDevice) { ExpectOutOfSpace("/dev/full"); }

TEST(Copy, OutOfSpaceOnASmallFileSystem) {
  // The test runner mounts a 3 MiB file system and names it here.
  const char* small_fs = std::getenv("LARKSPAN_TEST_SMALL_FS");
  if (small_fs == nullptr || *small_fs == '\0')
    GTEST_SKIP() << "LARKSPAN_TEST_SMALL_FS names no small file system";
  const std::string dst = std::string(small_fs) + "/fileop-copy-full";
  ExpectOutOfSpace(dst);
  ::unlink(dst.c_str());
}

// ---- FSRename ---------------------------------------------------------------

TEST(Rename, ResultCodes) {
  TempDir tmp;
  WriteFile(tmp.sub("file"), "f");
  WriteFile(tmp.sub("full/inner"), "i");
  testsupport::MakeDirs(tmp.sub("dir"));
  struct Row {
    const char* name;
    std::string from;
    std::string to;
    int result;
  };
  const Row rows[] = {
      {"empty source", "", tmp.sub("x"), -1},
      {"empty destination", tmp.sub("file"), "", -1},
      {"missing source", tmp.sub("none"), tmp.sub("x"), -2},
      {"source below a file", tmp.sub("file/x"), tmp.sub("x"), -2},
      {"non-empty folder in the way", tmp.sub("dir"), tmp.sub("full"), -3},
      {"destination folder missing", tmp.sub("file"), tmp.sub("no/x"), -3},
      {"name too long", tmp.sub("file"), tmp.sub(std::string(300, 'n')), -100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LogCapture log;
    EXPECT_EQ(FSRename(row.from, row.to), row.result);
    EXPECT_TRUE(FileOpLines(log).empty());
  }
  EXPECT_EQ(ReadFile(tmp.sub("file")), "f");
  EXPECT_TRUE(IsDirectory(tmp.sub("dir")));
}

TEST(Rename, WithinOneFileSystem) {
  TempDir tmp;
  WriteFile(tmp.sub("file"), "f");
  WriteFile(tmp.sub("old"), "replaced");
  WriteFile(tmp.sub("tree/a/b"), "b");
  testsupport::MakeDirs(tmp.sub("empty"));
  ASSERT_EQ(::symlink("nowhere", tmp.sub("dangling").c_str()), 0);

  EXPECT_EQ(FSRename(tmp.sub("file"), tmp.sub("old")), 0);
  EXPECT_EQ(ReadFile(tmp.sub("old")), "f");
  EXPECT_EQ(FSRename(tmp.sub("tree"), tmp.sub("empty")), 0);  // an empty folder is replaced
  EXPECT_EQ(ReadFile(tmp.sub("empty/a/b")), "b");
  EXPECT_EQ(FSRename(tmp.sub("dangling"), tmp.sub("moved-link")), 0);
  EXPECT_EQ(LinkText(tmp.sub("moved-link")), "nowhere");
  EXPECT_FALSE(PathExists(tmp.sub("file")));
  EXPECT_FALSE(PathExists(tmp.sub("tree")));
}

// A second temporary folder on another file system than the first.
class CrossDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    ScopedEnv on_shm("TMPDIR", "/dev/shm");
    other_ = std::make_unique<TempDir>("larkspan-xdev");
    struct stat here, there;
    if (other_->path().empty() || ::stat(here_.path().c_str(), &here) != 0 ||
        ::stat(other_->path().c_str(), &there) != 0)
      GTEST_SKIP() << "no writable /dev/shm for a second file system";
    if (here.st_dev == there.st_dev)
      GTEST_SKIP() << here_.path() << " and /dev/shm are on the same file system";
  }

  TempDir here_;
  std::unique_ptr<TempDir> other_;
};

TEST_F(CrossDevice, MovesAFileWithItsPermissions) {
  const std::string content = RandomBytes(100000, 4);
  WriteFile(here_.sub("prog"), content, 0750);
  EXPECT_EQ(FSRename(here_.sub("prog"), other_->sub("prog")), 0);
  EXPECT_TRUE(ReadFile(other_->sub("prog")) == content);
  EXPECT_EQ(PermissionBits(other_->sub("prog")), 0750u);
  EXPECT_FALSE(PathExists(here_.sub("prog")));
}

TEST_F(CrossDevice, MovesATreeWithLinks) {
  const std::string from = here_.sub("app");
  WriteFile(from + "/bin/run", "#!/bin/sh\n", 0755);
  WriteFile(from + "/data/deep/er/file", "deep");
  testsupport::MakeDirs(from + "/empty");
  ASSERT_EQ(::symlink("bin/run", (from + "/start").c_str()), 0);
  ASSERT_EQ(::symlink("/nowhere", (from + "/data/dangling").c_str()), 0);
  ::chmod((from + "/data").c_str(), 0710);

  const std::string to = other_->sub("app");
  EXPECT_EQ(FSRename(from, to), 0);
  EXPECT_FALSE(PathExists(from));
  EXPECT_EQ(ReadFile(to + "/bin/run"), "#!/bin/sh\n");
  EXPECT_EQ(PermissionBits(to + "/bin/run"), 0755u);
  EXPECT_EQ(ReadFile(to + "/data/deep/er/file"), "deep");
  EXPECT_TRUE(IsDirectory(to + "/empty"));
  EXPECT_EQ(LinkText(to + "/start"), "bin/run");
  EXPECT_EQ(ReadFile(to + "/start"), "#!/bin/sh\n");
  EXPECT_EQ(LinkText(to + "/data/dangling"), "/nowhere");
  EXPECT_EQ(PermissionBits(to + "/data"), 0710u);
}

TEST_F(CrossDevice, SpecialFilesDoNotMove) {
  ASSERT_EQ(::mkfifo(here_.sub("fifo").c_str(), 0600), 0);
  EXPECT_EQ(FSRename(here_.sub("fifo"), other_->sub("fifo")), -3);
  EXPECT_TRUE(PathExists(here_.sub("fifo")));
  EXPECT_FALSE(PathExists(other_->sub("fifo")));
}

TEST_F(CrossDevice, MergesIntoAnExistingFolder) {
  WriteFile(here_.sub("src/new"), "new");
  WriteFile(other_->sub("dst/old"), "old");
  EXPECT_EQ(FSRename(here_.sub("src"), other_->sub("dst")), 0);
  EXPECT_EQ(ReadFile(other_->sub("dst/new")), "new");
  EXPECT_EQ(ReadFile(other_->sub("dst/old")), "old");
}

TEST_F(CrossDevice, UnreadableEntryStopsTheMove) {
  SKIP_IF_ROOT();
  WriteFile(here_.sub("src/secret"), "s", 0000);
  EXPECT_EQ(FSRename(here_.sub("src"), other_->sub("dst")), -3);
  // Nothing is rolled back, and nothing is lost.
  EXPECT_EQ(PermissionBits(here_.sub("src/secret")), 0u);
  EXPECT_TRUE(IsDirectory(other_->sub("dst")));
}

// ---- FSRemove ---------------------------------------------------------------

TEST(Remove, RemovesFilesLinksAndTrees) {
  TempDir tmp;
  WriteFile(tmp.sub("keep/inside"), "kept");
  WriteFile(tmp.sub("file"), "x");
  ASSERT_EQ(::symlink("keep", tmp.sub("link-to-dir").c_str()), 0);
  ASSERT_EQ(::mkfifo(tmp.sub("fifo").c_str(), 0600), 0);
  WriteFile(tmp.sub("tree/a/b/c/d"), "d");
  WriteFile(tmp.sub("tree/a/top"), "t", 0400);
  testsupport::MakeDirs(tmp.sub("tree/empty"));
  ASSERT_EQ(::symlink("../../keep", tmp.sub("tree/a/escape").c_str()), 0);

  for (const char* name : {"file", "link-to-dir", "fifo", "missing"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FSRemove(tmp.sub(name)), 0);
    EXPECT_FALSE(PathExists(tmp.sub(name)));
  }
  EXPECT_EQ(FSRemove(tmp.sub("tree")), 0);
  EXPECT_FALSE(PathExists(tmp.sub("tree")));
  // Links are removed, never followed.
  EXPECT_EQ(ReadFile(tmp.sub("keep/inside")), "kept");
  EXPECT_EQ(FSRemove(""), -1);
}

TEST(Remove, PermissionFailures) {
  SKIP_IF_ROOT();
  TempDir tmp;
  const std::vector<std::string> files = {tmp.sub("unreadable/inner"),
                                          tmp.sub("unsearchable/inner"), tmp.sub("sealed/inner")};
  for (const std::string& file : files) WriteFile(file, "x");
  {
    ScopedMode no_read(tmp.sub("unreadable"), 0300);
    ScopedMode no_search(tmp.sub("unsearchable"), 0600);
    ScopedMode no_write(tmp.sub("sealed"), 0500);
    struct Row {
      const char* name;
      std::string path;
      int result;
    };
    const Row rows[] = {
        {"folder that cannot be listed", tmp.sub("unreadable"), -3},
        {"entry that cannot be queried", tmp.sub("unsearchable"), -3},
        {"path that cannot be queried", tmp.sub("unsearchable/inner"), -1},
        {"entry that cannot be deleted", tmp.sub("sealed"), -3},
    };
    for (const Row& row : rows) {
      SCOPED_TRACE(row.name);
      EXPECT_EQ(FSRemove(row.path), row.result);
    }
  }
  for (const std::string& file : files) EXPECT_EQ(ReadFile(file), "x") << file;
}

}  // namespace
