// The string table itself: ids, keys and English default texts.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <climits>
#include <set>
#include <string>

#include "start_state.h"
#include "texts/strtab.h"

namespace {

using StrTable::NUM_STRING_IDS;

const QRegularExpression kPlaceholder("%([1-9][0-9]?)");

QString DefaultText(unsigned int id) {
  return QString::fromUtf8(StrTable::GetDefaultText(static_cast<int>(id)));
}

// Distinct default texts in the order of the first id that uses each.
QStringList DistinctDefaultTexts() {
  QStringList texts;
  QSet<QString> seen;
  for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
    const QString text = DefaultText(id);
    if (!seen.contains(text)) {
      seen.insert(text);
      texts << text;
    }
  }
  return texts;
}

std::set<int> PlaceholderNumbers(const QString& text) {
  std::set<int> numbers;
  for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
    numbers.insert(it.next().captured(1).toInt());
  return numbers;
}

struct NamedRow {
  int id;
  const char* key;
  const char* text;
};

// The rows whose key and text are fixed; the ids are spread over the table,
// so a key missing or doubled anywhere before them shows here.
const NamedRow kNamedRows[] = {
    {0, "msg_enabled", "Enabled"},
    {20, "language_default", "System default"},
    {27, "conn_mode_direct", "Connected"},
    {142, "msg_connectsucc", "Connected"},
    {155, "desc_lksp_env_preparing_drive", "%1 is initializing..."},
    {286, "desc_lksp_env_preparation_done", "Larkspan Drive is ready."},
    {329, "app_name_drive", "Drive"},
    {410, "desc_lksp_env_preparing", "Larkspan Drive is initializing..."},
    {452, "app_name", "Larkspan Drive"},
    {640, "desc_lksp_env_preparation_done_drive", "%1 is ready."},
    {651, "recently_changed_title", "Recently changed"},
};

TEST(StrTableTest, NamedRowsHaveTheirKeysAndTexts) {
  static_assert(StrTable::app_name == 452 && StrTable::recently_changed_title == 651);
  for (const NamedRow& row : kNamedRows) {
    SCOPED_TRACE(row.key);
    EXPECT_EQ(StrTable::LookupStrID(row.key), row.id);
    EXPECT_STREQ(StrTable::GetKey(row.id), row.key);
    EXPECT_EQ(StrTable::LoadStr(row.id), QString::fromUtf8(row.text));
  }
}

TEST(StrTableTest, LookupStrIdIgnoresCaseOnly) {
  const struct {
    const char* name;
    QString key;
    int id;
  } rows[] = {
      {"capitals", "APP_NAME", 452},
      {"mixed case", "App_Name", 452},
      {"upper-case key given in lower case", "nsis_not_admin_confirm", 533},
      {"upper-case key as it is", "NSIS_NOT_ADMIN_CONFIRM", 533},
      {"trailing blank", "app_name ", -1},
      {"leading blank", " app_name", -1},
      {"prefix of a key", "app_nam", -1},
      {"empty", "", -1},
      {"non-ASCII", QString::fromUtf8("app_n\xc3\xa4me"), -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(StrTable::LookupStrID(row.key), row.id);
  }
}

TEST(StrTableTest, KeysAreUniqueIgnoringCaseAndWellFormed) {
  const QRegularExpression lower("^[a-z][a-z0-9_]*$");
  const QRegularExpression nsis("^NSIS_[A-Z0-9_]+$");
  int upper_case_keys = 0;
  for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
    const QString key = QString::fromLatin1(StrTable::GetKey(static_cast<int>(id)));
    SCOPED_TRACE(key.toStdString());
    // The first id with an equal key is the id itself, in either case.
    EXPECT_EQ(StrTable::LookupStrID(key.toUpper()), static_cast<int>(id));
    EXPECT_EQ(StrTable::LookupStrID(key.toLower()), static_cast<int>(id));
    if (nsis.match(key).hasMatch())
      ++upper_case_keys;
    else
      EXPECT_TRUE(lower.match(key).hasMatch());
  }
  EXPECT_EQ(upper_case_keys, 5);
}

TEST(StrTableTest, DefaultTextsShareAsCatalogued) {
  EXPECT_EQ(DistinctDefaultTexts().size(), 598);

  int distinct_with_placeholders = 0;
  int ids_with_zero_width_space = 0;
  for (const QString& text : DistinctDefaultTexts()) {
    if (!PlaceholderNumbers(text).empty()) ++distinct_with_placeholders;
  }
  for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
    if (DefaultText(id).contains(QChar(0x200B))) ++ids_with_zero_width_space;
  }
  EXPECT_EQ(distinct_with_placeholders, 58);
  EXPECT_EQ(ids_with_zero_width_space, 1);
}

TEST(StrTableTest, DefaultTextsAreCleanUtf8) {
  for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
    const char* raw = StrTable::GetDefaultText(static_cast<int>(id));
    SCOPED_TRACE(StrTable::GetKey(static_cast<int>(id)));
    ASSERT_NE(raw, nullptr);
    const QString text = QString::fromUtf8(raw);
    EXPECT_EQ(text.toUtf8(), QByteArray(raw)) << "not valid UTF-8";
    EXPECT_FALSE(text.trimmed().isEmpty());
    EXPECT_EQ(text, text.trimmed()) << "leading or trailing blanks";
    for (const char* bad : {"\n", "\r", "\t", "\\n", "\\t"})
      EXPECT_FALSE(text.contains(QString::fromLatin1(bad))) << "contains " << bad;
    // What the caller fills with arg(): %1 up to %4, none skipped.
    const std::set<int> numbers = PlaceholderNumbers(text);
    if (!numbers.empty()) {
      EXPECT_EQ(*numbers.begin(), 1);
      EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));
      EXPECT_LE(numbers.size(), 4u);
    }
    // Without a catalogue, LoadStr gives the default text itself.
    EXPECT_EQ(StrTable::LoadStr(static_cast<int>(id)), text);
  }
}

TEST(StrTableTest, IdsSharingADefaultTextAreMeantToShare) {
  // Pairs the interface relies on to show the same word.
  const std::pair<int, int> pairs[] = {
      {StrTable::conn_mode_direct, StrTable::msg_connectsucc},
      {StrTable::btn_ok, StrTable::msi_button_ok},
      {StrTable::btn_cancel, StrTable::msi_button_cancel},
      {StrTable::btn_next, StrTable::msi_button_next},
      {StrTable::btn_back, StrTable::msi_button_back},
  };
  for (const auto& [a, b] : pairs) {
    SCOPED_TRACE(StrTable::GetKey(a));
    EXPECT_STREQ(StrTable::GetDefaultText(a), StrTable::GetDefaultText(b));
  }
}

TEST(StrTableTest, OutOfRangeIdsGiveNothing) {
  for (int id : {-1, static_cast<int>(NUM_STRING_IDS), INT_MAX, INT_MIN}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(StrTable::LoadStr(id).isNull());
    EXPECT_EQ(StrTable::GetKey(id), nullptr);
    EXPECT_EQ(StrTable::GetDefaultText(id), nullptr);
  }
}

TEST(StrTableTest, EmptyUntilInitialisedAndStableAfter) {
  EXPECT_TRUE(g_start_state.load_before_init.isNull());
  EXPECT_EQ(g_start_state.lookup_before_init, -1);
  EXPECT_FALSE(g_start_state.key_before_init);

  const char* key = StrTable::GetKey(StrTable::app_name);
  const char* text = StrTable::GetDefaultText(StrTable::app_name);
  StrTable::InitStrTable();
  EXPECT_EQ(StrTable::GetKey(StrTable::app_name), key);
  EXPECT_EQ(StrTable::GetDefaultText(StrTable::app_name), text);
}

// The maintenance script reads the table from its source; it must see the
// very texts the compiler made of it, escapes included.
TEST(StrTableTest, TsToolSourcesListsTheDistinctDefaultTexts) {
  QProcess tool;
  tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  tool.start("python3", {TS_TOOL_PATH, "sources"});
  ASSERT_TRUE(tool.waitForFinished(60000)) << tool.errorString().toStdString();
  ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(tool.exitCode(), 0);
  const QString output = QString::fromUtf8(tool.readAllStandardOutput());
  ASSERT_TRUE(output.endsWith('\n'));
  EXPECT_EQ(output.chopped(1).split('\n'), DistinctDefaultTexts());
}

}  // namespace
