// The translation catalogues compiled into the resources, and LoadStr with a
// catalogue installed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTranslator>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalogue_list.h"
#include "kest-locale.h"
#include "start_state.h"
#include "test_support.h"
#include "texts/strtab.h"

namespace {

using StrTable::LoadStr;
using StrTable::NUM_STRING_IDS;

// A translator installed for the life of the object.
class InstalledTranslator {
 public:
  explicit InstalledTranslator(std::unique_ptr<QTranslator> translator)
      : translator_(std::move(translator)) {
    QCoreApplication::installTranslator(translator_.get());
  }
  ~InstalledTranslator() { QCoreApplication::removeTranslator(translator_.get()); }
  InstalledTranslator(const InstalledTranslator&) = delete;
  InstalledTranslator& operator=(const InstalledTranslator&) = delete;

 private:
  std::unique_ptr<QTranslator> translator_;
};

std::unique_ptr<QTranslator> LoadCatalogue(const QString& path) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(path)) return nullptr;
  return translator;
}

QString ResourcePath(const QString& code) { return ":/" + code + ".qm"; }

QSet<QString> Placeholders(const QString& text) {
  static const QRegularExpression placeholder("%[1-9][0-9]?");
  QSet<QString> found;
  for (auto it = placeholder.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
  return found;
}

TEST(CatalogueResourcesTest, RegisteredBeforeMainAndAgainHarmlessly) {
  EXPECT_TRUE(g_start_state.catalogue_registered);
  StrTable::RegisterCatalogues();
  StrTable::RegisterCatalogues();
  for (const QString& code : BuiltCatalogues()) {
    SCOPED_TRACE(code.toStdString());
    EXPECT_NE(LoadCatalogue(ResourcePath(code)), nullptr);
  }
}

class BuiltCatalogueTest : public ::testing::TestWithParam<std::string> {
 protected:
  static QString Path() { return ResourcePath(QString::fromStdString(GetParam())); }
};

// Every distinct default text has a translation that keeps its placeholders.
TEST_P(BuiltCatalogueTest, TranslatesEveryDefaultText) {
  const std::unique_ptr<QTranslator> catalogue = LoadCatalogue(Path());
  ASSERT_NE(catalogue, nullptr) << "cannot load " << Path().toStdString();
  EXPECT_FALSE(catalogue->isEmpty());
  for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
    const char* source = StrTable::GetDefaultText(static_cast<int>(id));
    SCOPED_TRACE(StrTable::GetKey(static_cast<int>(id)));
    const QString translation = catalogue->translate("global", source);
    EXPECT_FALSE(translation.trimmed().isEmpty());
    EXPECT_EQ(Placeholders(translation), Placeholders(QString::fromUtf8(source)));
  }
}

TEST_P(BuiltCatalogueTest, LoadStrGivesTheInstalledTranslation) {
  std::unique_ptr<QTranslator> catalogue = LoadCatalogue(Path());
  ASSERT_NE(catalogue, nullptr) << "cannot load " << Path().toStdString();
  QTranslator* lookup = catalogue.get();
  const InstalledTranslator installed(std::move(catalogue));
  for (int id : {StrTable::desc_lksp_env_preparation_done, StrTable::desc_lksp_env_preparing,
                 StrTable::app_name}) {
    SCOPED_TRACE(StrTable::GetKey(id));
    const QString expected = lookup->translate("global", StrTable::GetDefaultText(id));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(LoadStr(id), expected);
  }
  // The translation goes by the text, so ids sharing a text share it.
  EXPECT_EQ(LoadStr(StrTable::conn_mode_direct), LoadStr(StrTable::msg_connectsucc));
}

std::vector<std::string> BuiltCatalogueCodes() {
  std::vector<std::string> codes;
  for (const QString& code : BuiltCatalogues()) codes.push_back(code.toStdString());
  return codes;
}

std::string CodeName(const ::testing::TestParamInfo<std::string>& info) { return info.param; }

INSTANTIATE_TEST_SUITE_P(Resources, BuiltCatalogueTest, ::testing::ValuesIn(BuiltCatalogueCodes()),
                         CodeName);

// The product ships these twenty languages; a catalogue dropped from the
// build list would silently leave its users with English.
TEST(CatalogueSetTest, ExactlyTheShippedLanguagesAreBuilt) {
  QStringList built = BuiltCatalogues();
  built.sort();
  const QStringList shipped = {"chs", "cht", "csy", "dan", "enu", "fre", "ger",
                               "hun", "ita", "jpn", "krn", "nld", "nor", "plk",
                               "ptb", "ptg", "rus", "spn", "sve", "trk"};
  EXPECT_EQ(built, shipped);
  for (const QString& code : shipped) {
    SCOPED_TRACE(code.toStdString());
    EXPECT_TRUE(QFile::exists(ResourcePath(code)));
  }
}

// Every code the locale mapping can answer names a catalogue that exists.
TEST(CatalogueSetTest, EveryLocaleCodeHasACatalogue) {
  const char* locales[] = {"en_us", "ja_jp", "de_de", "ko_kr", "fr_fr", "it_it", "es_es",
                           "ru_ru", "da_dk", "no_no", "nb_no", "nn_no", "sv_se", "nl_nl",
                           "pl_pl", "hu_hu", "tr_tr", "cs_cz", "pt_pt", "pt_br", "zh_tw",
                           "zh_cn", "fi_fi", "c",     ""};
  for (const char* locale : locales) {
    const QString code = KestLocale::getInstance().getLanguageByLocale(locale);
    SCOPED_TRACE(std::string(locale) + " -> " + code.toStdString());
    EXPECT_TRUE(BuiltCatalogues().contains(code));
    EXPECT_TRUE(QFile::exists(ResourcePath(code)));
  }
}

TEST(EnglishCatalogueTest, TranslatesEveryTextToItself) {
  ASSERT_TRUE(BuiltCatalogues().contains("enu"));
  std::unique_ptr<QTranslator> catalogue = LoadCatalogue(ResourcePath("enu"));
  ASSERT_NE(catalogue, nullptr);
  QTranslator* lookup = catalogue.get();
  const InstalledTranslator installed(std::move(catalogue));
  for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
    const char* source = StrTable::GetDefaultText(static_cast<int>(id));
    SCOPED_TRACE(StrTable::GetKey(static_cast<int>(id)));
    // Held by the catalogue, not merely passed through for lack of an entry.
    EXPECT_EQ(lookup->translate("global", source), QString::fromUtf8(source));
    EXPECT_EQ(LoadStr(static_cast<int>(id)), QString::fromUtf8(source));
  }
  EXPECT_EQ(LoadStr(StrTable::app_name), QStringLiteral("Larkspan Drive"));
  EXPECT_EQ(LoadStr(StrTable::desc_lksp_env_preparing),
            QStringLiteral("Larkspan Drive is initializing..."));
}

// What start-up meets when the locale's catalogue cannot be had: no
// translator, and LoadStr stays English.
TEST(MissingCatalogueTest, NothingLoadsAndTextsStayEnglish) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.sub("empty.qm"), "");
  testsupport::WriteFile(dir.sub("garbage.qm"), std::string(4096, 'x'));
  const struct {
    const char* name;
    QString path;
  } rows[] = {
      {"code without a catalogue", ResourcePath("xyz")},
      {"empty code", ResourcePath("")},
      {"empty file", QString::fromStdString(dir.sub("empty.qm"))},
      {"not a catalogue", QString::fromStdString(dir.sub("garbage.qm"))},
      {"missing file", QString::fromStdString(dir.sub("absent.qm"))},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QTranslator translator;
    EXPECT_FALSE(translator.load(row.path));
    EXPECT_TRUE(translator.isEmpty());
  }
  EXPECT_EQ(LoadStr(StrTable::app_name), QStringLiteral("Larkspan Drive"));
  EXPECT_EQ(LoadStr(StrTable::desc_lksp_env_preparing),
            QStringLiteral("Larkspan Drive is initializing..."));
}

// A catalogue of five messages whose translations write line breaks and tabs
// as backslash sequences.
class EscapeCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto catalogue = LoadCatalogue(ESCAPES_QM_PATH);
    ASSERT_NE(catalogue, nullptr) << "cannot load " << ESCAPES_QM_PATH;
    installed_ = std::make_unique<InstalledTranslator>(std::move(catalogue));
  }
  std::unique_ptr<InstalledTranslator> installed_;
};

TEST_F(EscapeCatalogueTest, LoadStrExpandsBackslashSequences) {
  const struct {
    int id;
    const char* expected;
  } rows[] = {
      {StrTable::desc_lksp_env_preparation_done, "Line one\nLine two\n"},
      {StrTable::app_name, "Larkspan\tDrive"},
      {StrTable::desc_lksp_env_preparation_done_drive, "%1:\n\tready"},
      // Only lower-case n and t are sequences.
      {StrTable::desc_lksp_env_preparing, "Upper \\N and \\T stay"},
      // Both ids of the shared text get the one translation.
      {StrTable::conn_mode_direct, "On\tline"},
      {StrTable::msg_connectsucc, "On\tline"},
      // Not in the catalogue: the default text.
      {StrTable::msg_enabled, "Enabled"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(StrTable::GetKey(row.id));
    EXPECT_EQ(LoadStr(row.id), QString::fromUtf8(row.expected));
  }
  EXPECT_EQ(LoadStr(StrTable::desc_lksp_env_preparation_done_drive).arg("Drive"),
            QStringLiteral("Drive:\n\tready"));
}

}  // namespace
