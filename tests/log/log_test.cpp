#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "log.h"
#include "test_support.h"

// Reaches the logger's private size probe.
struct LoggerTestPeer {
  static int GetFileSize(const ustring& path) { return Logger::GetFileSize(path); }
};

namespace {

using testsupport::MakeDirs;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ReadLines;
using testsupport::TempDir;
using testsupport::WriteFile;

constexpr size_t kLimit = 1048576;
constexpr size_t kStampLength = 16;  // "%b %d %H:%M:%S " in the C locale

// Whether a time stamp starts at pos: "A" an upper-case letter, "a" a
// lower-case one, "0" a digit, anything else itself.
bool IsStampAt(const std::string& text, size_t pos) {
  static const char kShape[] = "Aaa 00 00:00:00 ";
  if (text.size() - pos < kStampLength) return false;
  for (size_t i = 0; i < kStampLength; ++i) {
    const unsigned char c = text[pos + i];
    const char want = kShape[i];
    const bool fits = want == 'A'   ? std::isupper(c)
                      : want == 'a' ? std::islower(c)
                      : want == '0' ? std::isdigit(c)
                                    : c == want;
    if (!fits) return false;
  }
  return true;
}

// The text with every time stamp replaced by "<stamp>".
std::string MaskStamps(const std::string& text) {
  std::string masked;
  for (size_t pos = 0; pos < text.size();) {
    if (IsStampAt(text, pos)) {
      masked += "<stamp>";
      pos += kStampLength;
    } else {
      masked += text[pos++];
    }
  }
  return masked;
}

// Logs text under a component that no level file mentions, at L_ERR.
void LogText(const char* text) { Logger::LogMsg(Logger::L_ERR, "plain_debug", "%s", text); }

std::string Stamp(time_t when) {
  char buf[64];
  struct tm local;
  localtime_r(&when, &local);
  std::strftime(buf, sizeof buf, "%b %d %H:%M:%S ", &local);
  return buf;
}

// How many of the process's descriptors are open on path.
int DescriptorsOpenOn(const std::string& path) {
  int count = 0;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (std::filesystem::read_symlink(fd.path(), ec) == path) ++count;
  }
  return count;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A path of exactly length bytes below base, in folders of 200 bytes.
std::string PathOfLength(const std::string& base, size_t length) {
  std::string folder = base + "/";
  while (length - folder.size() > 250) folder += std::string(200, 'd') + "/";
  MakeDirs(folder);
  return folder + std::string(length - folder.size(), 'f');
}

class LoggerTest : public ::testing::Test {
 protected:
  void SetUp() override { Logger::Destroy(); }
  void TearDown() override {
    Logger::Destroy();
    Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
  }

  // Sets up a file sink at path, with a level file of the given lines.
  int UseFile(const std::string& path, const std::string& levels = "", int rotate_count = 50) {
    const std::string level_path = dir_.sub("levels.debug");
    WriteFile(level_path, levels);
    return Logger::Initialize(Logger::FILE_LOGGER, path.c_str(), level_path.c_str(),
                              rotate_count);
  }

  // Fills path with `size` filler bytes and sets up a file sink there.
  void UseFileOfSize(const std::string& path, size_t size, int rotate_count = 50) {
    WriteFile(path, std::string(size, 'x'));
    ASSERT_EQ(UseFile(path, "", rotate_count), 0);
  }

  static std::string Rotated(const std::string& path, int index) {
    return path + "_" + std::to_string(index);
  }

  // Checks that content is size filler bytes followed by the stamped text.
  static void ExpectFillerThen(const std::string& content, size_t size, const std::string& text) {
    ASSERT_GT(content.size(), size);
    EXPECT_EQ(content.find_first_not_of('x'), size);
    EXPECT_EQ(MaskStamps(content.substr(size)), "<stamp>" + text);
  }

  TempDir dir_;
  const std::string log_ = dir_.sub("test.log");
};

struct LevelCase {
  const char* name;
  std::string level_file;
  const char* component;
  std::vector<std::pair<int, bool>> written;  // level, whether it is written
};

const std::vector<LevelCase> kLevelCases = {
    {"AbsentComponentWritesUpToWarning", "other_debug=7\n", "absent_debug",
     {{3, true}, {4, true}, {5, false}, {7, false}}},
    {"SevenWritesEverything", "seven_debug=7\n", "seven_debug", {{0, true}, {3, true}, {7, true}}},
    {"GarbageValueIsZero", "garbage_debug=abc\n", "garbage_debug", {{0, true}, {1, false}}},
    {"BlanksAndComment", " spaced_debug = 6 # comment\n", "spaced_debug",
     {{6, true}, {7, false}}},
    {"NumberStopsAtGarbage", "trailing_debug=5x\n", "trailing_debug", {{5, true}, {6, false}}},
    {"NegativeSilences", "muted_debug=-1\n", "muted_debug", {{0, false}}},
    {"OverflowGivesIntMax", "huge_debug=99999999999\n", "huge_debug", {{7, true}}},
    {"UnderflowGivesIntMin", "tiny_debug=-99999999999\n", "tiny_debug", {{0, false}}},
    {"MalformedLineDropsTheWholeFile", "bad_debug=7\nbad_debug 7\n", "bad_debug",
     {{4, true}, {5, false}}},
    {"DefaultComponentIsAnOrdinaryEntry", "default_component=7\n", "untouched_debug",
     {{4, true}, {5, false}}},
    {"DefaultComponentFromTheFile", "default_component=7\n", "default_component", {{7, true}}},
    {"DefaultComponentStoredAsWarning", "", "default_component", {{4, true}, {5, false}}},
    {"LaterLineWins", "twice_debug=7\ntwice_debug=3\n", "twice_debug", {{3, true}, {4, false}}},
};

TEST_F(LoggerTest, LevelFileDecidesWhatIsWritten) {
  for (const LevelCase& row : kLevelCases) {
    SCOPED_TRACE(row.name);
    const std::string path = dir_.sub(std::string(row.name) + ".log");
    ASSERT_EQ(UseFile(path, row.level_file), 0);
    std::string expected;
    for (const auto& [level, written] : row.written) {
      Logger::LogMsg(static_cast<Logger::Level>(level), row.component, "level %d\n", level);
      if (written) expected += "<stamp>level " + std::to_string(level) + "\n";
    }
    EXPECT_EQ(MaskStamps(ReadFile(path)), expected);
  }
}

TEST_F(LoggerTest, LevelTableKeepsEntriesOfEarlierSetups) {
  ASSERT_EQ(UseFile(log_, "keep_debug=7\ndefault_component=7\n"), 0);
  // Malformed, so it adds nothing; "default_component" goes back to 4.
  ASSERT_EQ(UseFile(log_, "keep_debug=1\nbroken line\n"), 0);
  Logger::LogMsg(Logger::L_DEBUG, "keep_debug", "kept\n");
  Logger::LogMsg(Logger::L_NOTICE, "default_component", "dropped\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>kept\n");
}

TEST_F(LoggerTest, MissingLevelFileStillSetsUpTheSink) {
  ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, log_.c_str(), dir_.sub("none").c_str(), 50),
            0);
  Logger::LogMsg(Logger::L_WARNING, "missing_debug", "written\n");
  Logger::LogMsg(Logger::L_NOTICE, "missing_debug", "dropped\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>written\n");
}

TEST_F(LoggerTest, LineIsTimeStampThenFormattedText) {
  WriteFile(log_, "earlier\n");
  ASSERT_EQ(UseFile(log_), 0);
  const std::string before = Stamp(std::time(nullptr));
  Logger::LogMsg(Logger::L_ERR, "format_debug", "[ERROR] unit(%d): %s=%05.1f%%\n", 57, "ratio",
                 3.14159);
  Logger::LogMsg(Logger::L_ERR, "format_debug", "no line end, ");
  Logger::LogMsg(Logger::L_ERR, "format_debug", "then more\n");
  const std::string after = Stamp(std::time(nullptr));

  const std::string content = ReadFile(log_);
  EXPECT_EQ(MaskStamps(content),
            "earlier\n<stamp>[ERROR] unit(57): ratio=003.1%\n<stamp>no line end, <stamp>then more\n");
  const std::string stamp = content.substr(8, kStampLength);
  EXPECT_TRUE(stamp == before || stamp == after) << stamp;
}

TEST_F(LoggerTest, TimeStampFollowsTheClock) {
  ASSERT_EQ(UseFile(log_), 0);
  LogText("first\n");
  const time_t first = std::time(nullptr);
  while (std::time(nullptr) == first) ::usleep(10000);  // at most a second
  const std::string now = Stamp(std::time(nullptr));
  LogText("second\n");

  const std::vector<std::string> lines = ReadLines(log_);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].substr(0, kStampLength), now);
  EXPECT_NE(lines[0].substr(0, kStampLength), lines[1].substr(0, kStampLength));
}

TEST_F(LoggerTest, MessageCrossingTheLimitStaysInTheOldFile) {
  UseFileOfSize(log_, kLimit - 6);
  LogText("abc\n");  // 20 bytes with the time stamp: 14 past the limit
  ExpectFillerThen(ReadFile(Rotated(log_, 0)), kLimit - 6, "abc\n");
  EXPECT_TRUE(PathExists(log_));
  EXPECT_EQ(ReadFile(log_), "");

  LogText("next\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>next\n");
}

TEST_F(LoggerTest, MessageReachingTheLimitExactlyDoesNotRotate) {
  UseFileOfSize(log_, kLimit - 20);
  LogText("abc\n");
  EXPECT_FALSE(PathExists(Rotated(log_, 0)));
  EXPECT_EQ(ReadFile(log_).size(), kLimit);

  LogText("d\n");  // one more byte is enough
  EXPECT_EQ(ReadFile(Rotated(log_, 0)).size(), kLimit + kStampLength + 2);
  EXPECT_EQ(ReadFile(log_), "");
}

struct RotationCase {
  const char* name;
  int rotate_count;
  std::map<int, std::string> before;  // rotated files present before
  std::map<int, std::string> after;   // every other index must be absent
};

const char kOldLive[] = "<the live file>";

RotationCase FiftyFilesCase() {
  RotationCase row{"FiftyShiftsEveryFile", 50, {}, {{0, kOldLive}}};
  for (int i = 0; i <= 48; ++i) row.before[i] = "old" + std::to_string(i);
  for (int i = 0; i < 48; ++i) row.after[i + 1] = "old" + std::to_string(i);
  return row;
}

const std::vector<RotationCase> kRotationCases = {
    {"ThreeKeepsTwo", 3, {{0, "old0"}, {1, "old1"}}, {{0, kOldLive}, {1, "old0"}}},
    {"ThreeDropsAStrayThird",
     3,
     {{0, "old0"}, {1, "old1"}, {2, "old2"}},
     {{0, kOldLive}, {1, "old0"}}},
    {"OneReplacesTheOnlyFile", 1, {{0, "old0"}}, {{0, kOldLive}}},
    {"ZeroActsAsOne", 0, {{0, "old0"}}, {{0, kOldLive}}},
    FiftyFilesCase(),
};

TEST_F(LoggerTest, RotationKeepsCountMinusOneFiles) {
  for (const RotationCase& row : kRotationCases) {
    SCOPED_TRACE(row.name);
    TempDir folder;
    const std::string path = folder.sub("launcher.log");
    for (const auto& [index, content] : row.before) WriteFile(Rotated(path, index), content);
    UseFileOfSize(path, kLimit - 5, row.rotate_count);
    LogText("abc\n");

    for (int index = -1; index <= 50; ++index) {
      SCOPED_TRACE(index);
      const auto expected = row.after.find(index);
      if (expected == row.after.end()) {
        EXPECT_FALSE(PathExists(Rotated(path, index)));
      } else if (expected->second == kOldLive) {
        ExpectFillerThen(ReadFile(Rotated(path, index)), kLimit - 5, "abc\n");
      } else {
        EXPECT_EQ(ReadFile(Rotated(path, index)), expected->second);
      }
    }
    EXPECT_EQ(ReadFile(path), "");
  }
}

TEST_F(LoggerTest, FailedRotationClosesTheFileSink) {
  // A non-empty folder in the way: the live file cannot be renamed onto it.
  WriteFile(Rotated(log_, 0) + "/keep", "k");
  UseFileOfSize(log_, kLimit - 5, 1);
  LogText("abc\n");
  LogText("dropped\n");
  ExpectFillerThen(ReadFile(log_), kLimit - 5, "abc\n");
  EXPECT_EQ(ReadFile(Rotated(log_, 0) + "/keep"), "k");
  EXPECT_EQ(DescriptorsOpenOn(log_), 0);

  ASSERT_EQ(UseFile(log_, "", 1), 0);
  LogText("again\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_).substr(kLimit + 15)), "<stamp>again\n");
}

struct LongPathCase {
  const char* name;
  size_t length;
  int rotate_count;
  bool rotates;
};

// Rotated names are formed in a 1024-byte buffer; one that would be cut
// could be the live file itself or another rotated file.
const std::vector<LongPathCase> kLongPathCases = {
    {"CutNameWouldBeTheLiveFile", 1023, 3, false},
    {"CutNamesWouldCollide", 1021, 50, false},
    {"LongestNameJustFits", 1020, 50, true},
};

TEST_F(LoggerTest, RotationWithNamesTooLongKeepsWriting) {
  for (const LongPathCase& row : kLongPathCases) {
    SCOPED_TRACE(row.name);
    TempDir folder;
    const std::string path = PathOfLength(folder.path(), row.length);
    ASSERT_EQ(path.size(), row.length);
    WriteFile(Rotated(path, 0), "old0");
    WriteFile(Rotated(path, 4), "old4");
    UseFileOfSize(path, kLimit - 5, row.rotate_count);
    LogText("abc\n");
    LogText("next\n");

    if (row.rotates) {
      ExpectFillerThen(ReadFile(Rotated(path, 0)), kLimit - 5, "abc\n");
      EXPECT_EQ(ReadFile(Rotated(path, 1)), "old0");
      EXPECT_EQ(ReadFile(Rotated(path, 5)), "old4");
      EXPECT_EQ(MaskStamps(ReadFile(path)), "<stamp>next\n");
    } else {
      ExpectFillerThen(ReadFile(path), kLimit - 5, "abc\n<stamp>next\n");
      EXPECT_EQ(ReadFile(Rotated(path, 0)), "old0");
      EXPECT_EQ(ReadFile(Rotated(path, 4)), "old4");
      EXPECT_EQ(FolderEntries(std::filesystem::path(path).parent_path()).size(), 3u);
    }
  }
}

TEST_F(LoggerTest, FileBeyondIntRangeRotatesAtTheNextMessage) {
  const std::vector<std::pair<const char*, off_t>> sizes = {
      {"ThreeGiB", off_t(3) << 30},
      {"FourGiBAndALittle", (off_t(4) << 30) + 100},
  };
  for (const auto& [name, size] : sizes) {
    SCOPED_TRACE(name);
    TempDir folder;
    const std::string path = folder.sub("big.log");
    WriteFile(path, "");
    ASSERT_EQ(::truncate(path.c_str(), size), 0);  // sparse, takes no room
    ASSERT_EQ(UseFile(path), 0);
    LogText("abc\n");
    struct stat st;
    ASSERT_EQ(::stat(Rotated(path, 0).c_str(), &st), 0);
    EXPECT_EQ(st.st_size, size + 20);
    EXPECT_EQ(ReadFile(path), "");
  }
}

TEST_F(LoggerTest, ThreadsNeverInterleaveOrLoseLines) {
  constexpr int kThreads = 8;
  constexpr int kLinesEach = 2500;  // about 2.8 MB in all: two rotations on the way
  const std::string payload(100, 'p');
  ASSERT_EQ(UseFile(log_), 0);

  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &payload] {
      for (int i = 0; i < kLinesEach; ++i)
        Logger::LogMsg(Logger::L_ERR, "thread_debug", "[ERROR] thread(%d): %d %d %s\n", 1, t, i,
                       payload.c_str());
    });
  }
  for (std::thread& thread : threads) thread.join();

  std::vector<std::string> files;  // oldest first
  for (int i = 48; i >= 0; --i)
    if (PathExists(Rotated(log_, i))) files.push_back(Rotated(log_, i));
  ASSERT_EQ(files.size(), 2u);
  files.push_back(log_);

  std::vector<int> next(kThreads, 0);
  int bad_lines = 0;
  std::string first_bad;
  for (const std::string& file : files) {
    const std::vector<std::string> lines = ReadLines(file);
    size_t size = 0;
    for (const std::string& line : lines) {
      size += line.size() + 1;
      int t = -1;
      int i = -1;
      int end = 0;
      const std::string text = MaskStamps(line);
      if (std::sscanf(text.c_str(), "<stamp>[ERROR] thread(1): %d %d %n", &t, &i, &end) == 2 &&
          t >= 0 && t < kThreads && i == next[t] && text.substr(end) == payload) {
        ++next[t];
      } else if (bad_lines++ == 0) {
        first_bad = line;
      }
    }
    if (file != log_) {
      // Rotated just after the line that took it past the limit.
      EXPECT_GT(size, kLimit);
      EXPECT_LE(size - lines.back().size() - 1, kLimit);
    }
  }
  EXPECT_EQ(bad_lines, 0) << "first: " << first_bad;
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(next[t], kLinesEach) << "thread " << t;
}

TEST_F(LoggerTest, DestroyDropsMessagesAndClosesTheFile) {
  ASSERT_EQ(UseFile(log_), 0);
  LogText("kept\n");
  EXPECT_EQ(DescriptorsOpenOn(log_), 1);
  Logger::Destroy();
  EXPECT_EQ(DescriptorsOpenOn(log_), 0);
  LogText("dropped\n");
  Logger::LogMsg(Logger::L_EMERG, "plain_debug", "dropped too\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>kept\n");

  ASSERT_EQ(UseFile(log_), 0);
  LogText("after\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>kept\n<stamp>after\n");
}

TEST_F(LoggerTest, NextInitializeClosesTheEarlierFile) {
  const std::string other = dir_.sub("other.log");
  ASSERT_EQ(UseFile(log_), 0);
  ASSERT_EQ(UseFile(other), 0);
  EXPECT_EQ(DescriptorsOpenOn(log_), 0);
  LogText("second\n");
  EXPECT_EQ(ReadFile(log_), "");
  EXPECT_EQ(MaskStamps(ReadFile(other)), "<stamp>second\n");

  ASSERT_EQ(Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50), 0);
  EXPECT_EQ(DescriptorsOpenOn(other), 0);
}

TEST_F(LoggerTest, FailedInitializeKeepsTheFileSinkAndItsCount) {
  UseFileOfSize(log_, kLimit - 5);
  const std::string missing_folder = dir_.sub("missing");
  EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, "", "", 50), -1);
  EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, (missing_folder + "/x.log").c_str(), "", 50),
            -1);
  EXPECT_EQ(Logger::Initialize(Logger::ANDROID_LOGGER, "", "", 50), -1);
  LogText("abc\n");  // counted from the size kept, so it crosses the limit
  ExpectFillerThen(ReadFile(Rotated(log_, 0)), kLimit - 5, "abc\n");
  EXPECT_FALSE(PathExists(missing_folder));
}

TEST_F(LoggerTest, UnwritableFolderFailsInitialize) {
  SKIP_IF_ROOT();
  const std::string locked = dir_.sub("locked");
  MakeDirs(locked);
  testsupport::ScopedMode mode(locked, 0555);
  ASSERT_EQ(UseFile(log_), 0);
  EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, (locked + "/x.log").c_str(), "", 50), -1);
  LogText("still here\n");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>still here\n");
  EXPECT_FALSE(PathExists(locked + "/x.log"));
}

TEST_F(LoggerTest, StatFailureIsLoggedAndCountsAsZero) {
  ASSERT_EQ(UseFile(log_), 0);
  const std::string file = dir_.sub("file");
  WriteFile(file, "12345");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {dir_.sub("missing"), "No such file or directory (2)"},
      {file + "/below", "Not a directory (20)"},
  };
  std::string expected;
  for (const auto& [path, error] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(LoggerTestPeer::GetFileSize(path.c_str()), 0);
    expected += "<stamp>stat(" + path + "): " + error + "\n";
  }
  EXPECT_EQ(LoggerTestPeer::GetFileSize(file.c_str()), 5);
  EXPECT_EQ(MaskStamps(ReadFile(log_)), expected);
}

void LogThroughC(int level, const char* comp, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));
void LogThroughC(int level, const char* comp, const char* fmt, ...) {
  std::string component = comp;
  va_list args;
  va_start(args, fmt);
  LogMSG_c(level, component.data(), fmt, args);
  va_end(args);
}

TEST_F(LoggerTest, CFormFiltersAndWritesLikeLogMsg) {
  ASSERT_EQ(UseFile(log_, "c_debug=5\n"), 0);
  LogThroughC(Logger::L_NOTICE, "c_debug", "[NOTE] c(%d): %s\n", 3, "kept");
  LogThroughC(Logger::L_INFO, "c_debug", "[INFO] c(%d): %s\n", 4, "dropped");
  EXPECT_EQ(MaskStamps(ReadFile(log_)), "<stamp>[NOTE] c(3): kept\n");
}

// The console sinks and the start-up state, each in a fresh process.
struct ProbeCase {
  const char* name;
  std::vector<std::string> args;  // "<dir>" becomes the test's folder
  std::string out;
  std::string err;
};

const std::vector<ProbeCase> kProbeCases = {
    {"StartupAndFailedSetupsUseStandardError",
     {"startup", "<dir>"},
     "empty_path=-1\nmissing_folder=-1\n",
     "<stamp>[WARNING] probe(1): before setup\n<stamp>[WARNING] probe(1): after failed setup\n"},
    {"StandardOutput", {"stdout"}, "init=0\n<stamp>[WARNING] probe(1): console\n", ""},
    {"StandardError", {"stderr"}, "init=0\n", "<stamp>[WARNING] probe(1): console\n"},
    {"AndroidWritesTheMessageAlone",
     {"android", "<dir>/android.log"},
     "init=0\n",
     "[WARNING] probe(1): message only\n"},
};

struct ProbeResult {
  int status = -1;
  std::string out;
  std::string err;
};

ProbeResult RunProbe(const std::vector<std::string>& args, const TempDir& dir) {
  const std::string out_path = dir.sub("probe.out");
  const std::string err_path = dir.sub("probe.err");
  std::vector<std::string> argv_strings = {LOG_PROBE};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_strings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  ProbeResult result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (pid < 0 || ::waitpid(pid, &result.status, 0) != pid) return result;
  result.out = ReadFile(out_path);
  result.err = ReadFile(err_path);
  return result;
}

TEST(LoggerProbeTest, SinksOfAFreshProcess) {
  for (const ProbeCase& row : kProbeCases) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    std::vector<std::string> args;
    for (std::string arg : row.args) {
      if (arg.rfind("<dir>", 0) == 0) arg.replace(0, 5, dir.path());
      args.push_back(arg);
    }
    const ProbeResult result = RunProbe(args, dir);
    ASSERT_TRUE(WIFEXITED(result.status) && WEXITSTATUS(result.status) == 0) << result.status;
    EXPECT_EQ(MaskStamps(result.out), row.out);
    EXPECT_EQ(MaskStamps(result.err), row.err);
  }
}

TEST(LoggerProbeTest, AndroidSinkStillOpensItsFile) {
  TempDir dir;
  const std::string path = dir.sub("android.log");
  ASSERT_EQ(RunProbe({"android", path}, dir).status, 0);
  EXPECT_TRUE(PathExists(path));
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(RunProbe({"android", dir.sub("missing/android.log")}, dir).out, "init=-1\n");
}

}  // namespace
