// Prints the catalogue code for the system locale this process starts under.
// The toolkit reads the locale from the environment once, so each locale the
// tests try needs a fresh process.
#include <QCoreApplication>

#include <cstdio>

#include "kest-locale.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::printf("%s\n", qPrintable(KestLocale::getInstance().getDefaultLanguage()));
  return 0;
}
