// File status, path strings, directory reading and probes.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <set>

#include "file_test_util.h"

using filetest::FileOpLines;
using testsupport::LogCapture;
using testsupport::TempDir;

namespace {

// A record with every field set to something no query produces, to show
// which fields a call writes.
FILE_INFO Sentinel() {
  FILE_INFO info;
  info.path = "sentinel-path";
  info.name = "sentinel-name";
  info.type = FT_HLINK;
  info.mtime = 7;
  info.size = 9;
  info.isExist = true;
  info.uid = 11;
  info.gid = 13;
  info.mode = 15;
  info.dev_id = 17;
  return info;
}

void ExpectSameRecord(const FILE_INFO& actual, const FILE_INFO& expected) {
  EXPECT_TRUE(actual == expected);
  EXPECT_EQ(actual.uid, expected.uid);
  EXPECT_EQ(actual.gid, expected.gid);
  EXPECT_EQ(actual.mode, expected.mode);
  EXPECT_EQ(actual.dev_id, expected.dev_id);
}

TEST(FileStatus, BaseNameAndParentPath) {
  struct Row {
    const char* path;
    const char* base;
    const char* parent;
  };
  const Row rows[] = {
      {"a/b/c", "c", "a/b"}, {"/a/b/c", "c", "/a/b"}, {"/a", "a", "/"},
      {"abc", "abc", "/"},   {"/a/b/", "", "/a/b"},   {"/", "", "/"},
      {"", "", "/"},         {"a//b", "b", "a/"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("path '") + row.path + "'");
    EXPECT_STREQ(FSBaseName(row.path).c_str(), row.base);
    EXPECT_STREQ(FSParentPath(row.path).c_str(), row.parent);
  }
}

TEST(FileStatus, IsParentFolderJudgesTheText) {
  struct Row {
    const char* parent;
    const char* child;
    bool expected;
  };
  const Row rows[] = {
      {"/a", "/a", true},     {"/a", "/a/b", true},  {"/a", "/ab", false},
      {"/a", "/", false},     {"/a/", "/a/", true},  {"/a/", "/a/b", false},
      {"", "", true},         {"", "/x", true},      {"", "x", false},
      {"/a/b", "/a", false},  {"/a", "/b/a", false}, {"a", "a/b/c", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("parent '") + row.parent + "' child '" + row.child + "'");
    EXPECT_EQ(FSIsParentFolder(row.parent, row.child), row.expected);
  }
}

TEST(FileStatus, EqualityComparesSixFieldsOnly) {
  const FILE_INFO base = Sentinel();
  const std::map<std::string, std::function<void(FILE_INFO&)>> compared = {
      {"isExist", [](FILE_INFO& i) { i.isExist = false; }},
      {"size", [](FILE_INFO& i) { i.size += 1; }},
      {"mtime", [](FILE_INFO& i) { i.mtime += 1; }},
      {"type", [](FILE_INFO& i) { i.type = FT_FILE; }},
      {"path", [](FILE_INFO& i) { i.path = "other"; }},
      {"name", [](FILE_INFO& i) { i.name = "other"; }},
  };
  const std::map<std::string, std::function<void(FILE_INFO&)>> ignored = {
      {"uid", [](FILE_INFO& i) { i.uid += 1; }},
      {"gid", [](FILE_INFO& i) { i.gid += 1; }},
      {"mode", [](FILE_INFO& i) { i.mode += 1; }},
      {"dev_id", [](FILE_INFO& i) { i.dev_id += 1; }},
  };
  for (const auto& [field, change] : compared) {
    SCOPED_TRACE(field);
    FILE_INFO other = base;
    change(other);
    EXPECT_FALSE(other == base);
    EXPECT_TRUE(other != base);
  }
  for (const auto& [field, change] : ignored) {
    SCOPED_TRACE(field);
    FILE_INFO other = base;
    change(other);
    EXPECT_TRUE(other == base);
    EXPECT_FALSE(other != base);
  }
}

// Makes a Unix socket file at path; the descriptor may close, the file stays.
bool MakeSocketFile(const std::string& path) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof(addr.sun_path)) return false;
  std::strcpy(addr.sun_path, path.c_str());
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0;
  ::close(fd);
  return ok;
}

TEST(FileStatus, GetFileInfoReportsEachKind) {
  TempDir tmp;
  testsupport::WriteFile(tmp.sub("file"), "12345", 0640);
  testsupport::MakeDirs(tmp.sub("dir"));
  ASSERT_EQ(::symlink("dir", tmp.sub("link-to-dir").c_str()), 0);
  ASSERT_EQ(::symlink("nowhere/at/all", tmp.sub("dangling").c_str()), 0);
  ASSERT_EQ(::mkfifo(tmp.sub("fifo").c_str(), 0600), 0);
  ASSERT_TRUE(MakeSocketFile(tmp.sub("sock")));

  struct Row {
    std::string path;
    FILE_TYPE type;
  };
  const Row rows[] = {
      {tmp.sub("file"), FT_FILE},     {tmp.sub("dir"), FT_DIR},
      {tmp.sub("link-to-dir"), FT_SLINK}, {tmp.sub("dangling"), FT_SLINK},
      {tmp.sub("fifo"), FT_FIFO},     {tmp.sub("sock"), FT_SOCK},
      {"/dev/null", FT_DEV},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    struct stat st;
    ASSERT_EQ(::lstat(row.path.c_str(), &st), 0);
    FILE_INFO info = Sentinel();
    ASSERT_EQ(GetFileInfo(row.path, info), 0);
    EXPECT_TRUE(info.isExist);
    EXPECT_EQ(info.type, row.type);
    EXPECT_EQ(info.path, ustring(row.path));
    EXPECT_EQ(info.name, FSBaseName(row.path));
    EXPECT_EQ(info.size, static_cast<uint64_t>(st.st_size));
    EXPECT_EQ(info.mtime, static_cast<uint32_t>(st.st_mtime));
    EXPECT_EQ(info.mode, st.st_mode);
    EXPECT_EQ(info.uid, st.st_uid);
    EXPECT_EQ(info.gid, st.st_gid);
    EXPECT_EQ(info.dev_id, st.st_dev);
  }

  // The link's own size is the length of its text, not the directory's.
  FILE_INFO link;
  ASSERT_EQ(GetFileInfo(tmp.sub("dangling"), link), 0);
  EXPECT_EQ(link.size, std::strlen("nowhere/at/all"));
}

TEST(FileStatus, MissingPathIsASuccessfulQuery) {
  TempDir tmp;
  const std::string missing = tmp.sub("missing");
  FILE_INFO info = Sentinel();
  ASSERT_EQ(GetFileInfo(missing, info), 0);
  EXPECT_FALSE(info.isExist);
  EXPECT_EQ(info.type, FT_ERR);
  EXPECT_EQ(info.path, ustring(missing));
  EXPECT_STREQ(info.name.c_str(), "missing");
  EXPECT_EQ(info.mtime + info.size + info.uid + info.gid + info.mode + info.dev_id, 0u);

  FILE_INFO via_stat = Sentinel();
  EXPECT_EQ(FSStat(missing, via_stat), 0);
  EXPECT_FALSE(via_stat.isExist);
  EXPECT_FALSE(IsFileExist(missing));
}

TEST(FileStatus, QueriesThatCannotBeMade) {
  TempDir tmp;
  testsupport::WriteFile(tmp.sub("f"), "x");
  ASSERT_EQ(::symlink("missing-target", tmp.sub("dangling").c_str()), 0);

  FILE_INFO info = Sentinel();
  EXPECT_EQ(GetFileInfo(tmp.sub("f/x"), info), -1);
  ExpectSameRecord(info, Sentinel());
  EXPECT_EQ(FSStat(tmp.sub("f/x"), info), -2);
  ExpectSameRecord(info, Sentinel());
  EXPECT_EQ(FSStat("", info), -1);
  ExpectSameRecord(info, Sentinel());

  EXPECT_FALSE(IsFileExist(""));
  EXPECT_FALSE(IsFileExist(tmp.sub("f/x")));
  EXPECT_TRUE(IsFileExist(tmp.sub("dangling")));
  EXPECT_TRUE(IsFileExist(tmp.sub("f")));
}

TEST(FileStatus, UnsearchableDirectoryLeavesRecordUntouched) {
  SKIP_IF_ROOT();
  TempDir tmp;
  testsupport::WriteFile(tmp.sub("locked/inner"), "x");
  testsupport::ScopedMode no_search(tmp.sub("locked"), 0600);

  FILE_INFO info = Sentinel();
  EXPECT_EQ(GetFileInfo(tmp.sub("locked/inner"), info), -1);
  ExpectSameRecord(info, Sentinel());
  EXPECT_EQ(FSStat(tmp.sub("locked/inner"), info), -2);
  EXPECT_FALSE(IsFileExist(tmp.sub("locked/inner")));
}

TEST(FileStatus, ModificationTimeIsCutTo32Bits) {
  TempDir tmp;
  const std::string path = tmp.sub("future");
  testsupport::WriteFile(path, "");
  const time_t beyond_2106 = static_cast<time_t>((int64_t{1} << 32) + 5);
  const timespec times[2] = {{beyond_2106, 0}, {beyond_2106, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  if (st.st_mtime != beyond_2106) GTEST_SKIP() << "this file system cannot store times past 2106";

  FILE_INFO info;
  ASSERT_EQ(GetFileInfo(path, info), 0);
  EXPECT_EQ(info.mtime, 5u);
}

// ---- Directory reading ----------------------------------------------------

class DirReading : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteFile(tmp_.sub("list/small"), "abc");
    testsupport::WriteFile(tmp_.sub("list/large"), std::string(5000, 'x'));
    testsupport::MakeDirs(tmp_.sub("list/sub"));
    ASSERT_EQ(::symlink("small", tmp_.sub("list/link").c_str()), 0);
  }

  // Reads every entry; stops at the first result other than 1.
  std::map<std::string, DIR_ENTRY> ReadAll(int flag, int& last_result) {
    std::map<std::string, DIR_ENTRY> entries;
    DIR_HANDLE dh;
    EXPECT_EQ(FSOpenDir(list(), flag, dh), 0);
    DIR_ENTRY entry;
    entry.mtime = 99;
    entry.size = 99;
    while ((last_result = FSReadDir(dh, entry)) == 1) entries[entry.name.c_str()] = entry;
    FSCloseDir(dh);
    return entries;
  }

  std::string list() const { return tmp_.sub("list"); }

  TempDir tmp_;
};

TEST_F(DirReading, DeliversEveryEntryWithTheListedType) {
  for (int flag : {0, 1}) {
    SCOPED_TRACE("flag " + std::to_string(flag));
    int last = 1;
    const auto entries = ReadAll(flag, last);
    EXPECT_EQ(last, 0);
    const std::map<std::string, FILE_TYPE> expected = {
        {".", FT_DIR},       {"..", FT_DIR},   {"small", FT_FILE},
        {"large", FT_FILE},  {"sub", FT_DIR},  {"link", FT_SLINK},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (const auto& [name, type] : expected) {
      SCOPED_TRACE(name);
      ASSERT_EQ(entries.count(name), 1u);
      EXPECT_EQ(entries.at(name).type, type);
    }
  }
}

TEST_F(DirReading, SizesAndTimesOnlyWithBitZero) {
  int last = 1;
  for (const auto& [name, entry] : ReadAll(0, last)) {
    SCOPED_TRACE(name);
    EXPECT_EQ(entry.mtime, 0u);
    EXPECT_EQ(entry.size, 0u);
  }
  const timespec times[2] = {{1000, 0}, {123456789, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, tmp_.sub("list/small").c_str(), times, 0), 0);
  const auto detailed = ReadAll(1, last);
  EXPECT_EQ(last, 0);
  EXPECT_EQ(detailed.at("small").size, 3u);
  EXPECT_EQ(detailed.at("small").mtime, 123456789u);
  EXPECT_EQ(detailed.at("large").size, 5000u);
  EXPECT_EQ(detailed.at("link").size, std::strlen("small"));  // the link, not its target
}

TEST_F(DirReading, EndOfDirectoryLeavesEntryAlone) {
  DIR_HANDLE dh;
  ASSERT_EQ(FSOpenDir(tmp_.sub("list/sub"), 0, dh), 0);
  DIR_ENTRY entry;
  EXPECT_EQ(FSReadDir(dh, entry), 1);
  EXPECT_EQ(FSReadDir(dh, entry), 1);
  const std::string last_name = entry.name.c_str();
  EXPECT_EQ(FSReadDir(dh, entry), 0);
  EXPECT_EQ(FSReadDir(dh, entry), 0);
  EXPECT_EQ(entry.name.c_str(), last_name);
  FSCloseDir(dh);
  EXPECT_EQ(dh.dp, nullptr);
  EXPECT_TRUE(dh.path.empty());
}

TEST_F(DirReading, EntryThatVanishedAfterTheListingFails) {
  DIR_HANDLE dh;
  ASSERT_EQ(FSOpenDir(list(), 1, dh), 0);
  DIR_ENTRY entry;
  // The first read fetches the whole (small) listing into the stream's
  // buffer; the files deleted afterwards are still listed.
  ASSERT_EQ(FSReadDir(dh, entry), 1);
  const std::set<std::string> files = {"small", "large", "link"};
  for (const std::string& name : files) ::unlink((list() + "/" + name).c_str());

  LogCapture log;
  int failures = 0;
  for (int rc; (rc = FSReadDir(dh, entry)) != 0;) {
    if (rc == 1) continue;
    ASSERT_EQ(rc, -1);
    ++failures;
  }
  FSCloseDir(dh);
  // Every deleted file not delivered by the first read fails, with its path.
  EXPECT_GE(failures, 2);
  const auto lines = FileOpLines(log);
  ASSERT_EQ(lines.size(), static_cast<size_t>(failures));
  for (const std::string& line : lines) {
    bool names_deleted_file = false;
    for (const std::string& name : files)
      names_deleted_file |= line == "[ERROR] file-op(N): FSOpenDir: Failed to get info for '" +
                                        list() + "/" + name + "'";
    EXPECT_TRUE(names_deleted_file) << line;
  }
}

TEST_F(DirReading, FailuresAreLoggedAndLeaveTheHandle) {
  LogCapture log;
  DIR_HANDLE dh;
  const std::string missing = tmp_.sub("missing");
  EXPECT_EQ(FSOpenDir(missing, 1, dh), -1);
  EXPECT_EQ(dh.dp, nullptr);
  EXPECT_TRUE(dh.path.empty());
  EXPECT_EQ(FSOpenDir(tmp_.sub("list/small"), 0, dh), -1);

  // Reading a closed handle is a failure, not a crash.
  DIR_ENTRY entry;
  EXPECT_EQ(FSReadDir(dh, entry), -1);

  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): FSOpenDir: Failed to open directory '" + missing +
          "'. " + std::strerror(ENOENT),
      "[ERROR] file-op(N): FSOpenDir: Failed to open directory '" + tmp_.sub("list/small") +
          "'. " + std::strerror(ENOTDIR),
      "[ERROR] file-op(N): FSOpenDir: Failed to read directory ''. " +
          std::string(std::strerror(EBADF)),
  };
  EXPECT_EQ(FileOpLines(log), expected);

  // A closed handle can be opened again.
  ASSERT_EQ(FSOpenDir(list(), 0, dh), 0);
  EXPECT_STREQ(dh.path.c_str(), list().c_str());
  EXPECT_EQ(dh.flag, 0);
  EXPECT_EQ(FSReadDir(dh, entry), 1);
  FSCloseDir(dh);
}

// ---- Real paths, permissions, file systems --------------------------------

TEST(FileStatus, RealPathResolvesLinksAndDots) {
  TempDir tmp;
  testsupport::MakeDirs(tmp.sub("real/inner"));
  ASSERT_EQ(::symlink("real", tmp.sub("alias").c_str()), 0);
  char base[4096];
  ASSERT_NE(::realpath(tmp.path().c_str(), base), nullptr);

  LogCapture log;
  ustring path(tmp.sub("alias/inner/../inner/."));
  const std::string original = path.c_str();
  ASSERT_EQ(FSGetRealPath(path), 0);
  const std::string resolved = std::string(base) + "/real/inner";
  EXPECT_STREQ(path.c_str(), resolved.c_str());

  ustring missing(tmp.sub("alias/none"));
  EXPECT_EQ(FSGetRealPath(missing), -1);
  EXPECT_STREQ(missing.c_str(), tmp.sub("alias/none").c_str());

  const std::vector<std::string> expected = {
      "[DEBUG] file-op(N):  org path [" + original + "]",
      "[DEBUG] file-op(N):  get full path [" + resolved + "]",
      "[DEBUG] file-op(N):  org path [" + tmp.sub("alias/none") + "]",
  };
  EXPECT_EQ(FileOpLines(log), expected);
}

TEST(FileStatus, PermissionOfAccessibleOrMissingFiles) {
  TempDir tmp;
  testsupport::WriteFile(tmp.sub("writable"), "x", 0644);
  testsupport::WriteFile(tmp.sub("read-only"), "x", 0444);
  struct Row {
    const char* name;
    int flag;
  };
  // A missing file is not "locked": only a refusal for lack of permission is.
  const Row rows[] = {
      {"missing", W_OK}, {"missing", R_OK | X_OK}, {"writable", W_OK},
      {"writable", R_OK | W_OK}, {"read-only", R_OK}, {"read-only", F_OK},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " flag " + std::to_string(row.flag));
    EXPECT_TRUE(hasFilePermission(tmp.sub(row.name), row.flag));
    EXPECT_FALSE(isFileLocked(tmp.sub(row.name), row.flag));
  }
}

TEST(FileStatus, UnwritableFileIsLocked) {
  SKIP_IF_ROOT();
  TempDir tmp;
  testsupport::WriteFile(tmp.sub("read-only"), "x", 0444);
  testsupport::WriteFile(tmp.sub("locked/inner"), "x", 0644);
  testsupport::ScopedMode no_search(tmp.sub("locked"), 0600);
  for (const std::string& path : {tmp.sub("read-only"), tmp.sub("locked/inner")}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(hasFilePermission(path, W_OK));
    EXPECT_TRUE(isFileLocked(path, W_OK));
  }
  EXPECT_FALSE(hasFilePermission(tmp.sub("read-only"), R_OK | W_OK));
}

TEST(FileStatus, FileSystemProbes) {
  TempDir tmp;
  LogCapture log;
  EXPECT_FALSE(isMountPoint(tmp.path()));
  EXPECT_FALSE(IsMSDOS(tmp.path()));
  EXPECT_TRUE(FileOpLines(log).empty());

  const std::string missing = tmp.sub("missing");
  EXPECT_FALSE(isMountPoint(missing));
  EXPECT_FALSE(IsMSDOS(missing));
  const std::string reason = std::strerror(ENOENT);
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): isMountPoint: Failed to get file system info '" + missing + "'. " +
          reason,
      "[ERROR] file-op(N): IsSupportLargeFile: Failed to get file system info '" + missing +
          "'. " + reason,
  };
  EXPECT_EQ(FileOpLines(log), expected);
}

}  // namespace
