// Locale name to catalogue code.
#include "kest-locale.h"

#include <QLocale>

#include <utility>

KestLocale& KestLocale::getInstance() {
  static KestLocale instance;
  return instance;
}

KestLocale::KestLocale()
    : m_map{
          {"en", "enu"}, {"ja", "jpn"}, {"de", "ger"}, {"ko", "krn"}, {"fr", "fre"},
          {"it", "ita"}, {"es", "spn"}, {"ru", "rus"}, {"da", "dan"}, {"no", "nor"},
          {"nb", "nor"}, {"nn", "nor"}, {"sv", "sve"}, {"nl", "nld"}, {"pl", "plk"},
          {"hu", "hun"}, {"tr", "trk"}, {"cs", "csy"},
      },
      m_language_for_fail("enu") {}

QString KestLocale::getDefaultLanguage() const {
  return getLanguageByLocale(QLocale::system().name().toLower());
}

QString KestLocale::getLanguageByLocale(const QString& locale) const {
  // section() gives the whole string when there is no underscore.
  const QString language = locale.section(QLatin1Char('_'), 0, 0);
  if (language == QLatin1String("pt")) return getPortugueseLanguage(locale);
  if (language == QLatin1String("zh")) return getChineseLanguage(locale);
  const auto entry = m_map.find(language);
  return entry != m_map.end() ? entry->second : m_language_for_fail;
}

QString KestLocale::getPortugueseLanguage(const QString& locale) const {
  if (locale == QLatin1String("pt") || locale == QLatin1String("pt_pt")) return QStringLiteral("ptg");
  return QStringLiteral("ptb");
}

QString KestLocale::getChineseLanguage(const QString& locale) const {
  if (locale == QLatin1String("zh_tw") || locale == QLatin1String("zh_hk") ||
      locale == QLatin1String("zh_mo"))
    return QStringLiteral("cht");
  return QStringLiteral("chs");
}

void KestLocale::setLanguageMap(QString key, QString value) {
  m_map[std::move(key)] = std::move(value);
}
