// Chooses the user-interface language from the system locale.
#pragma once

#include <QString>

#include <map>

// Maps a locale name such as "de_de" or "pt_br" to the three-letter code of a
// translation catalogue (":/" + code + ".qm"). Every input gives a code;
// anything unknown gives "enu".
class KestLocale {
 public:
  // The one instance of the process, made on first use.
  static KestLocale& getInstance();

  // The code for the toolkit's system locale; its name is lower-cased first,
  // so "pt_BR" gives "ptb".
  QString getDefaultLanguage() const;

  // The code for `locale`, a lower-case name: language part (up to the first
  // underscore) looked up exactly; Portuguese and Chinese go by the whole name.
  // Comparisons are case-sensitive, so "EN_US" falls back to "enu".
  QString getLanguageByLocale(const QString& locale) const;

  // "ptg" for exactly "pt" or "pt_pt", "ptb" for every other value.
  QString getPortugueseLanguage(const QString& locale) const;

  // "cht" for exactly "zh_tw", "zh_hk" or "zh_mo", "chs" for every other value.
  QString getChineseLanguage(const QString& locale) const;

  // Adds the entry `key` -> `value` or replaces the existing one. Not safe
  // while another thread reads the map.
  void setLanguageMap(QString key, QString value);

  KestLocale(const KestLocale&) = delete;
  KestLocale& operator=(const KestLocale&) = delete;

 private:
  KestLocale();

  std::map<QString, QString> m_map;
  QString m_language_for_fail;
};
