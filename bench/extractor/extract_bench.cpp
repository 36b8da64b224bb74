// extract_bench ARCHIVE TARGET: unpacks ARCHIVE into the existing folder
// TARGET with Extractor::Extract, as the launcher does, then prints
//   elapsed_s <wall time of Extract, seconds>
//   peak_rss_kib <peak resident set size of the whole process, KiB>
// Exit status 0 when Extract returned 0, 1 when it failed, 2 on bad usage.
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "extractor.h"
#include "texts/strtab.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ARCHIVE TARGET\n", argv[0]);
    return 2;
  }
  // The launcher's setting: an application object and a filled string table.
  QCoreApplication app(argc, argv);
  StrTable::InitStrTable();

  Extractor extractor;
  extractor.SetSource(argv[1]);
  extractor.SetTarget(argv[2]);
  const auto start = std::chrono::steady_clock::now();
  const int result = extractor.Extract();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("elapsed_s %.4f\npeak_rss_kib %ld\n", elapsed.count(), usage.ru_maxrss);
  return result == 0 ? 0 : 1;
}
