#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "config.h"
#include "test_support.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFile;
using Entries = std::vector<std::pair<std::string, std::string>>;

Entries EntriesOf(Config& config) {
  Entries entries;
  for (auto& entry : config) entries.emplace_back(entry.first.c_str(), entry.second.c_str());
  return entries;
}

class ConfigTest : public ::testing::Test {
 protected:
  // Writes content to a fresh file and reads it into config_.
  int ReadText(const std::string& content) {
    const std::string path = dir_.sub("file" + std::to_string(files_++) + ".conf");
    WriteFile(path, content);
    return config_.read(path.c_str());
  }

  TempDir dir_;
  Config config_;
  int files_ = 0;
};

struct FileCase {
  const char* name;
  std::string content;
  int result;
  Entries entries;
};

const std::string kLongComment = "#" + std::string(8190, 'c');  // one full 8191-byte piece

const std::vector<FileCase> kFileCases = {
    {"Plain", "pid=4711\n", 0, {{"pid", "4711"}}},
    {"BlanksAndComment", "pid = 4711 # comment\n", 0, {{"pid", "4711"}}},
    {"DoubleQuotedWithBlanksAndHash", "name=\"a b # c\"\n", 0, {{"name", "a b # c"}}},
    {"EmptySingleQuoted", "name=''\n", 0, {{"name", ""}}},
    {"HashInsideValue", "name=a#b\n", 0, {{"name", "a#b"}}},
    {"ValueStartingWithHash", "name= #b\n", 0, {{"name", "#b"}}},
    {"EmptyKey", "=x\n", 0, {{"", "x"}}},
    {"AllKeyCharacters", "aZ09-_.=1\n", 0, {{"aZ09-_.", "1"}}},
    {"Utf8Value", "name=h\xC3\xA9llo\n", 0, {{"name", "h\xC3\xA9llo"}}},
    {"CommentLine", "# note\n", 0, {}},
    {"BlanksAndTabsOnly", " \t \t\n", 0, {}},
    {"EmptyFile", "", 0, {}},
    {"CrLfLineEnds", "pid=1\r\nname = 'x y'\r\n# c\r\n\r\n", 0, {{"name", "x y"}, {"pid", "1"}}},
    {"TabsAroundKeyAndValue", "\tpid\t=\t42\t# c\n", 0, {{"pid", "42"}}},
    {"LastLineWithoutLineEnd", "a=1\npid=5", 0, {{"a", "1"}, {"pid", "5"}}},
    {"BareKeyOnLastLineWithoutLineEnd", "a=1\npid", 0, {{"a", "1"}}},
    {"LaterValueWins", "k=1\nk=2\n", 0, {{"k", "2"}}},
    {"KeysInByteOrder", "b=1\na=2\n_=3\nB=4\n", 0, {{"B", "4"}, {"_", "3"}, {"a", "2"}, {"b", "1"}}},
    {"LongValueFillsOnePiece", "k=" + std::string(8189, 'v') + "\n", 0,
     {{"k", std::string(8189, 'v')}}},
    // A line past 8191 bytes arrives in pieces; each piece is a line of its own.
    {"LongCommentThenLineEnd", kLongComment + "\n", 0, {}},
    {"LongCommentThenEntry", kLongComment + "pid=7\n", 0, {{"pid", "7"}}},
    {"CommentOneByteShortSplitsEntry", kLongComment.substr(0, 8190) + "pid=7\n", 0, {{"id", "7"}}},
    {"LongCommentThenJunk", kLongComment + " junk here\n", -1, {}},
    {"MissingValue", "name=\n", -1, {}},
    {"BlankInUnquotedValue", "name=a b\n", -1, {}},
    {"BareKeyWithLineEnd", "name\n", -1, {}},
    {"UnclosedQuote", "name=\"a\n", -1, {}},
    {"BlankInKey", "na me=1\n", -1, {}},
    {"ByteOrderMark", "\xEF\xBB\xBFpid=1\n", -1, {}},
    {"TabInQuotedValue", "name=\"a\tb\"\n", -1, {}},
    {"DelInValue", "name=a\x7F\n", -1, {}},
    {"BadLineEmptiesEarlierEntries", "a=1\nb=2\nbad line\nc=3\n", -1, {}},
};

TEST_F(ConfigTest, ReadsFilesByTheGrammar) {
  for (const FileCase& row : kFileCases) {
    SCOPED_TRACE(row.name);
    Config config;
    const std::string path = dir_.sub(std::string(row.name) + ".conf");
    WriteFile(path, row.content);
    EXPECT_EQ(config.read(path.c_str()), row.result);
    EXPECT_EQ(EntriesOf(config), row.entries);
  }
}

TEST_F(ConfigTest, PreserveKeepsQuotesOfQuotedValuesOnly) {
  config_.set_preserve(true);
  ASSERT_EQ(ReadText("d=\"a b\"\ns='x'\nu=plain\ne=''\n"), 0);
  EXPECT_EQ(EntriesOf(config_),
            (Entries{{"d", "\"a b\""}, {"e", "''"}, {"s", "'x'"}, {"u", "plain"}}));
}

TEST_F(ConfigTest, SecondReadAddsAndReplaces) {
  ASSERT_EQ(ReadText("a=1\nb=2\n"), 0);
  ASSERT_EQ(ReadText("b=3\nc=4\n"), 0);
  EXPECT_EQ(EntriesOf(config_), (Entries{{"a", "1"}, {"b", "3"}, {"c", "4"}}));
}

TEST_F(ConfigTest, InvalidSecondReadEmptiesEntriesOfFirst) {
  ASSERT_EQ(ReadText("a=1\n"), 0);
  EXPECT_EQ(ReadText("b=2\nname\n"), -1);
  EXPECT_TRUE(EntriesOf(config_).empty());
}

TEST_F(ConfigTest, UnopenablePathFailsAndKeepsEntries) {
  ASSERT_EQ(ReadText("a=1\n"), 0);
  EXPECT_EQ(config_.read(""), -1);
  EXPECT_EQ(config_.read(dir_.sub("missing.conf").c_str()), -1);
  EXPECT_EQ(EntriesOf(config_), (Entries{{"a", "1"}}));
}

TEST_F(ConfigTest, UnreadableFileFails) {
  SKIP_IF_ROOT();
  const std::string path = dir_.sub("locked.conf");
  WriteFile(path, "pid=1\n", 0000);
  EXPECT_EQ(config_.read(path.c_str()), -1);
}

TEST_F(ConfigTest, LookupOfMissingKeyAddsEmptyEntry) {
  ASSERT_EQ(ReadText("pid=12\nname\n"), -1);
  EXPECT_STREQ(config_["pid"].c_str(), "");
  EXPECT_EQ(EntriesOf(config_), (Entries{{"pid", ""}}));

  config_["pid"] = "99";
  EXPECT_STREQ(config_["pid"].c_str(), "99");
}

}  // namespace
