// Temporary files and names, times, owners and symbolic links.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "file_test_util.h"

using filetest::FileOpLines;
using filetest::PermissionBits;
using testsupport::ScopedUmask;
using testsupport::LogCapture;
using testsupport::PathExists;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

std::set<std::string> Names(const std::string& dir) {
  std::set<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return names;
  while (dirent* ent = ::readdir(d))
    if (std::strcmp(ent->d_name, ".") != 0 && std::strcmp(ent->d_name, "..") != 0)
      names.insert(ent->d_name);
  ::closedir(d);
  return names;
}

struct Times {
  time_t atime;
  time_t mtime;
};

Times TimesOf(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return {-1, -1};
  return {st.st_atime, st.st_mtime};
}

std::string ErrorPart(int err) {
  return "(code: " + std::to_string(err) + ", msg: " + std::strerror(err) + ")";
}

// ---- FSMktemp and FSCreateTempPath ------------------------------------------

TEST(TempFiles, MktempCreatesOneEmptyFile) {
  TempDir tmp;
  ScopedUmask umask(077);  // mode 0644 whatever the umask
  std::set<std::string> made;
  for (int i = 0; i < 3; ++i) {
    ustring path;
    ASSERT_EQ(FSMktemp(tmp.path(), path), 0);
    const std::string p = path.c_str();
    SCOPED_TRACE(p);
    ASSERT_EQ(p.compare(0, tmp.path().size() + 1, tmp.path() + "/"), 0);
    const std::string name = p.substr(tmp.path().size() + 1);
    EXPECT_EQ(name.size(), 6u);
    EXPECT_EQ(name.find("XXXXXX"), std::string::npos);
    EXPECT_EQ(PermissionBits(p), 0644u);
    EXPECT_TRUE(testsupport::ReadFile(p).empty());
    made.insert(name);
  }
  EXPECT_EQ(Names(tmp.path()), made);
}

TEST(TempFiles, MktempFailures) {
  TempDir tmp;
  struct Row {
    const char* name;
    std::string prefix;
    std::string logged_template;
    int err;
  };
  const std::string long_prefix = tmp.path() + "/" + std::string(4090, 'p');
  const Row rows[] = {
      {"missing folder", tmp.sub("missing"), tmp.sub("missing") + "/XXXXXX", ENOENT},
      // The cut template no longer ends in six X.
      {"prefix too long", long_prefix, (long_prefix + "/XXXXXX").substr(0, 4095), EINVAL},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LogCapture log;
    ustring path("untouched");
    EXPECT_EQ(FSMktemp(row.prefix, path), -1);
    EXPECT_STREQ(path.c_str(), "untouched");
    const std::vector<std::string> expected = {"[ERROR] file-op(N): mkstemp(" +
                                               row.logged_template + "): " +
                                               std::strerror(row.err)};
    EXPECT_EQ(FileOpLines(log), expected);
  }
  EXPECT_TRUE(Names(tmp.path()).empty());
}

TEST(TempFiles, CreateTempPathMakesOnlyAName) {
  TempDir tmp;
  for (const std::string& prefix : {std::string("/tmp"), tmp.path()}) {
    SCOPED_TRACE(prefix);
    ustring path;
    ASSERT_EQ(FSCreateTempPath(prefix, path), 0);
    const std::string p = path.c_str();
    ASSERT_EQ(p.size(), prefix.size() + 9);
    EXPECT_EQ(p.substr(0, prefix.size() + 1), prefix + "/");
    EXPECT_EQ(p.find_first_not_of(kAlphabet, prefix.size() + 1), std::string::npos);
  }
  EXPECT_TRUE(Names(tmp.path()).empty());
}

// ---- FSUTime ----------------------------------------------------------------

TEST(Times, SetsTheTimesOfThePathItself) {
  TempDir tmp;
  WriteFile(tmp.sub("target"), "t");
  ASSERT_EQ(::symlink("target", tmp.sub("link").c_str()), 0);
  const Times target_before = TimesOf(tmp.sub("target"));

  EXPECT_EQ(FSUTime(tmp.sub("link"), 1000000000, 1200000000), 0);
  const Times link = TimesOf(tmp.sub("link"));
  EXPECT_EQ(link.atime, 1000000000);
  EXPECT_EQ(link.mtime, 1200000000);
  const Times target_after = TimesOf(tmp.sub("target"));
  EXPECT_EQ(target_after.atime, target_before.atime);
  EXPECT_EQ(target_after.mtime, target_before.mtime);

  EXPECT_EQ(FSUTime(tmp.sub("target"), 5, 7), 0);
  EXPECT_EQ(TimesOf(tmp.sub("target")).atime, 5);
  EXPECT_EQ(TimesOf(tmp.sub("target")).mtime, 7);

  LogCapture log;
  EXPECT_EQ(FSUTime(tmp.sub("missing"), 5, 7), -1);
  EXPECT_TRUE(FileOpLines(log).empty());
}

// ---- FSChown ----------------------------------------------------------------

TEST(Owner, ChangesThePathItself) {
  TempDir tmp;
  WriteFile(tmp.sub("file"), "x");
  // Following the dangling link would fail; the link itself can be changed.
  ASSERT_EQ(::symlink("missing", tmp.sub("dangling").c_str()), 0);
  EXPECT_EQ(FSChown(tmp.sub("dangling"), ::getuid(), ::getgid()), 0);
  EXPECT_EQ(FSChown(tmp.sub("file"), ::getuid(), ::getgid()), 0);

  // A relative path resolves against the working directory.
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof(cwd)), nullptr);
  ASSERT_EQ(::chdir(tmp.path().c_str()), 0);
  const int relative = FSChown("file", ::getuid(), ::getgid());
  ASSERT_EQ(::chdir(cwd), 0);
  EXPECT_EQ(relative, 0);

  LogCapture log;
  EXPECT_EQ(FSChown(tmp.sub("missing"), ::getuid(), ::getgid()), -1);
  const std::vector<std::string> expected = {"[ERROR] file-op(N): FSChown: Failed to chown '" +
                                             tmp.sub("missing") + "' " + ErrorPart(ENOENT)};
  EXPECT_EQ(FileOpLines(log), expected);
}

TEST(Owner, GivingAFileAwayIsRefused) {
  SKIP_IF_ROOT();
  TempDir tmp;
  WriteFile(tmp.sub("file"), "x");
  LogCapture log;
  EXPECT_EQ(FSChown(tmp.sub("file"), 0, 0), -1);
  const std::vector<std::string> expected = {"[ERROR] file-op(N): FSChown: Failed to chown '" +
                                             tmp.sub("file") + "' " + ErrorPart(EPERM)};
  EXPECT_EQ(FileOpLines(log), expected);
  struct stat st;
  ASSERT_EQ(::stat(tmp.sub("file").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, ::getuid());
}

// ---- Symbolic links ---------------------------------------------------------

TEST(Links, CreateAndReadBack) {
  TempDir tmp;
  const std::string longest(4095, 'L');  // a link's content may be 4095 bytes
  struct Row {
    const char* name;
    std::string target;
  };
  const Row rows[] = {
      {"relative", "../elsewhere/file"},
      {"absolute", "/usr/bin"},
      {"dangling", "no such thing"},
      {"longest", longest},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string link = tmp.sub(row.name);
    ASSERT_EQ(FSCreateSymbolicLink(row.target, link), 0);
    ustring read_back;
    ASSERT_EQ(FSReadSymbolicLink(link, read_back), 0);
    EXPECT_TRUE(std::string(read_back.c_str()) == row.target);
  }
}

TEST(Links, FailuresAreLogged) {
  TempDir tmp;
  WriteFile(tmp.sub("file"), "x");
  LogCapture log;
  EXPECT_EQ(FSCreateSymbolicLink("anything", tmp.sub("file")), -1);
  EXPECT_EQ(testsupport::ReadFile(tmp.sub("file")), "x");

  for (const std::string& path : {tmp.sub("file"), tmp.sub("missing")}) {
    ustring target("untouched");
    EXPECT_EQ(FSReadSymbolicLink(path, target), -1);
    EXPECT_STREQ(target.c_str(), "untouched");
  }
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): FSCreateSymbolicLink: Failed to create symbolic link 'anything' -> '" +
          tmp.sub("file") + "' " + ErrorPart(EEXIST),
      "[ERROR] file-op(N): FSReadSymbolicLink: Failed to read symbolic link '" +
          tmp.sub("file") + "' " + ErrorPart(EINVAL),
      "[ERROR] file-op(N): FSReadSymbolicLink: Failed to read symbolic link '" +
          tmp.sub("missing") + "' " + ErrorPart(ENOENT),
  };
  EXPECT_EQ(FileOpLines(log), expected);
}

}  // namespace
