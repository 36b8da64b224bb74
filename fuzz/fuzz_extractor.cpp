// Feeds arbitrary bytes to Extractor::Extract as the package, unpacking into
// a fresh target folder per input, and checks that the result is 0 or -1,
// that the label text came once and the progress steps counted up from 1
// to the total of a complete run, and that nothing was written beside the
// target: the target sits alone in a folder of its own, inside the scratch
// folder, and both must hold only what the harness put there.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QObject>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "adapter.h"
#include "extractor.h"
#include "fuzz_support.h"
#include "log.h"
#include "texts/strtab.h"

namespace {

struct Layout {
  std::string scratch = fuzzsupport::ScratchFolder("fuzz_extractor");
  std::string package = scratch + "/package";
  std::string levels = scratch + "/levels";
  std::string log = scratch + "/log";
  std::string box = scratch + "/box";  // holds the target alone
  std::string target = box + "/target";
};

const Layout& Paths() {
  static const Layout layout;
  return layout;
}

struct Progress {
  int label_texts = 0;
  int total = 0;
  std::vector<int> steps;
};

Progress& Seen() {
  static Progress progress;
  return progress;
}

void MakeDir(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0) fuzzsupport::Fail("mkdir " + path);
}

// Debug lines too, so that every message the extractor can log gets
// formatted; the log rotates inside the scratch folder.
void SetUpLog() {
  MakeDir(Paths().log);
  fuzzsupport::WriteBytes(Paths().levels, "extractor_debug = 7\n");
  if (Logger::Initialize(Logger::FILE_LOGGER, (Paths().log + "/extractor.log").c_str(),
                         Paths().levels.c_str(), 2) != 0)
    fuzzsupport::Fail("logger");
}

void WatchAdapter() {
  Notify_Adapter& adapter = Notify_Adapter::GetInstance();
  QObject::connect(&adapter, &Notify_Adapter::sigUpdateDialogText,
                   [](const QString&) { ++Seen().label_texts; });
  QObject::connect(&adapter, &Notify_Adapter::sigUpdateProgress, [](int total, int step) {
    Progress& seen = Seen();
    if (seen.steps.empty()) seen.total = total;
    FUZZ_CHECK(total == seen.total && total > 0);
    seen.steps.push_back(step);
  });
}

void CheckProgress(int result) {
  const Progress& seen = Seen();
  FUZZ_CHECK(seen.label_texts == 1);
  for (size_t i = 0; i < seen.steps.size(); ++i) {
    FUZZ_CHECK(seen.steps[i] == static_cast<int>(i) + 1);
    FUZZ_CHECK(seen.steps[i] <= seen.total);
  }
  if (result == 0) FUZZ_CHECK(!seen.steps.empty() && seen.steps.back() == seen.total);
}

void CheckNothingEscaped() {
  FUZZ_CHECK(fuzzsupport::ListNames(Paths().box) == std::set<std::string>{"target"});
  const std::set<std::string> scratch{"box", "levels", "log", "package"};
  FUZZ_CHECK(fuzzsupport::ListNames(Paths().scratch) == scratch);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static int argc = 1;
  static char name[] = "fuzz_extractor";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
  StrTable::InitStrTable();
  SetUpLog();
  WatchAdapter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::WriteBytes(Paths().package, std::string(reinterpret_cast<const char*>(data), size));
  MakeDir(Paths().box);
  MakeDir(Paths().target);
  Seen() = Progress();

  Extractor extractor;
  extractor.SetSource(Paths().package.c_str());
  extractor.SetTarget(Paths().target.c_str());
  const int result = extractor.Extract();
  FUZZ_CHECK(result == 0 || result == -1);
  CheckProgress(result);
  CheckNothingEscaped();

  fuzzsupport::RemoveTree(Paths().box);
  return 0;
}
