// The locale name to catalogue code mapping.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <string>
#include <utility>
#include <vector>

#include "kest-locale.h"

namespace {

struct LocaleCase {
  const char* locale;
  const char* code;
};

// One row per map entry, plus the rules and fallbacks around them.
const LocaleCase kLocaleCases[] = {
    {"en_us", "enu"}, {"en", "enu"},     {"ja_jp", "jpn"}, {"de_de", "ger"}, {"de", "ger"},
    {"de_ch", "ger"}, {"ko_kr", "krn"},  {"fr_fr", "fre"}, {"fr_ca", "fre"}, {"it_it", "ita"},
    {"es_es", "spn"}, {"es_mx", "spn"},  {"ru_ru", "rus"}, {"da_dk", "dan"}, {"no_no", "nor"},
    {"nb_no", "nor"}, {"nn_no", "nor"},  {"sv_se", "sve"}, {"nl_nl", "nld"}, {"nl_be", "nld"},
    {"pl_pl", "plk"}, {"hu_hu", "hun"},  {"tr_tr", "trk"}, {"cs_cz", "csy"},
    // Portuguese and Chinese go by the whole name.
    {"pt", "ptg"},    {"pt_pt", "ptg"},  {"pt_br", "ptb"}, {"pt_ao", "ptb"}, {"pt_", "ptb"},
    {"pt_pt_x", "ptb"},
    {"zh_tw", "cht"}, {"zh_hk", "cht"},  {"zh_mo", "cht"}, {"zh_cn", "chs"}, {"zh_sg", "chs"},
    {"zh", "chs"},    {"zh_tw_x", "chs"},
    // Nothing matches: the fallback.
    {"fi_fi", "enu"}, {"el_gr", "enu"},  {"c", "enu"},     {"posix", "enu"}, {"", "enu"},
    {"_de", "enu"},   {"de-de", "enu"},  {"ptb", "enu"},   {"zhx_tw", "enu"},
    // Comparisons are case-sensitive: upper case is never lowered here.
    {"EN_US", "enu"}, {"DE_DE", "enu"},  {"PT_BR", "enu"}, {"Zh_tw", "enu"}, {"pt_BR", "ptb"},
    {"pt_PT", "ptb"}, {"zh_TW", "chs"},
};

TEST(KestLocaleTest, MapsLocaleNamesToCatalogueCodes) {
  const KestLocale& locale = KestLocale::getInstance();
  for (const LocaleCase& row : kLocaleCases) {
    SCOPED_TRACE(std::string("locale \"") + row.locale + "\"");
    EXPECT_EQ(locale.getLanguageByLocale(QString::fromLatin1(row.locale)).toStdString(), row.code);
  }
}

TEST(KestLocaleTest, SpecialRulesTakeTheWholeName) {
  const KestLocale& locale = KestLocale::getInstance();
  // Called directly, they do not look at the language part at all.
  EXPECT_EQ(locale.getPortugueseLanguage("pt_pt"), "ptg");
  EXPECT_EQ(locale.getPortugueseLanguage("de_de"), "ptb");
  EXPECT_EQ(locale.getChineseLanguage("zh_hk"), "cht");
  EXPECT_EQ(locale.getChineseLanguage("en_us"), "chs");
}

TEST(KestLocaleTest, GetInstanceGivesOneObject) {
  EXPECT_EQ(&KestLocale::getInstance(), &KestLocale::getInstance());
}

TEST(KestLocaleTest, SetLanguageMapAddsAndReplacesEntries) {
  KestLocale& locale = KestLocale::getInstance();
  locale.setLanguageMap("eo", "epo");
  EXPECT_EQ(locale.getLanguageByLocale("eo_xx"), "epo");

  locale.setLanguageMap("de", "deu");
  EXPECT_EQ(locale.getLanguageByLocale("de_at"), "deu");
  EXPECT_EQ(locale.getLanguageByLocale("de"), "deu");
  locale.setLanguageMap("de", "ger");  // the instance is shared with the other tests
  EXPECT_EQ(locale.getLanguageByLocale("de_at"), "ger");

  // The special rules come before the map.
  locale.setLanguageMap("pt", "xxx");
  EXPECT_EQ(locale.getLanguageByLocale("pt_br"), "ptb");
}

// getDefaultLanguage in a child process whose environment sets the locale.
struct SystemLocaleCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> env;
  const char* code;
};

const SystemLocaleCase kSystemLocaleCases[] = {
    {"PtBr", {{"LANG", "pt_BR.UTF-8"}}, "ptb"},
    {"PtPtNeedsLowerCasing", {{"LANG", "pt_PT.UTF-8"}}, "ptg"},
    {"ZhTwFromLcAllNeedsLowerCasing", {{"LC_ALL", "zh_TW.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "cht"},
    {"ZhCn", {{"LANG", "zh_CN.UTF-8"}}, "chs"},
    {"GermanSwitzerland", {{"LANG", "de_CH.UTF-8"}}, "ger"},
    {"NorwegianNynorsk", {{"LC_MESSAGES", "nn_NO.UTF-8"}}, "nor"},
    {"Finnish", {{"LANG", "fi_FI.UTF-8"}}, "enu"},
    {"Posix", {{"LC_ALL", "C"}}, "enu"},
    {"NothingSet", {}, "enu"},
};

QString RunProbe(const SystemLocaleCase& row) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_CTYPE", "LANG", "LANGUAGE"})
    env.remove(name);
  for (const auto& [name, value] : row.env) env.insert(name, value);
  QProcess probe;
  probe.setProcessEnvironment(env);
  probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  probe.start(LOCALE_PROBE_PATH, QStringList());
  if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
      probe.exitCode() != 0) {
    ADD_FAILURE() << "probe failed: " << probe.errorString().toStdString();
    return QString();
  }
  return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

TEST(KestLocaleTest, DefaultLanguageFollowsTheSystemLocale) {
  for (const SystemLocaleCase& row : kSystemLocaleCases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RunProbe(row).toStdString(), row.code);
  }
}

}  // namespace
