// Feeds arbitrary bytes to Extractor::Extract as the package, unpacking into
// a fresh target folder per input, and checks that the result is 0 or -1,
// that the label text came once and the progress steps counted up from 1
// to the total of a complete run, and that nothing was written beside the
// target: the target sits alone in a folder of its own, inside the scratch
// folder, and both must hold only what the harness put there. The target is
// given through a symbolic link to its folder, as a home folder may be
// reached, and that link must stay.
//
// Inputs that begin with "#entries\n" describe the package instead of being
// it, one entry a line: "<kind> <name> <rest>", kind f (a file, rest is its
// content), d (a folder), l (a symbolic link to rest) or h (a hard link to
// rest). The harness writes them as a pax archive, so that the fuzzer
// reaches names and links without having to forge tar checksums.
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <sstream>
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
  std::string via = scratch + "/via";  // a symbolic link to box
  std::string target = via + "/target";
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

struct WriteArchiveFree {
  void operator()(archive* a) const noexcept { archive_write_free(a); }
};
struct EntryFree {
  void operator()(archive_entry* e) const noexcept { archive_entry_free(e); }
};

const char kEntriesMagic[] = "#entries\n";

// One described entry; entries the writer refuses are left out.
void WriteEntry(archive* writer, char kind, const std::string& name, const std::string& rest) {
  std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
  archive_entry_set_pathname(entry.get(), name.c_str());
  switch (kind) {
    case 'f':
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_perm(entry.get(), 0644);
      archive_entry_set_size(entry.get(), static_cast<la_int64_t>(rest.size()));
      break;
    case 'd':
      archive_entry_set_filetype(entry.get(), AE_IFDIR);
      archive_entry_set_perm(entry.get(), 0755);
      break;
    case 'l':
      archive_entry_set_filetype(entry.get(), AE_IFLNK);
      archive_entry_set_perm(entry.get(), 0777);
      archive_entry_set_symlink(entry.get(), rest.c_str());
      break;
    case 'h':
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_perm(entry.get(), 0644);
      archive_entry_set_hardlink(entry.get(), rest.c_str());
      break;
    default:
      return;
  }
  if (archive_write_header(writer, entry.get()) == ARCHIVE_OK && kind == 'f')
    archive_write_data(writer, rest.data(), rest.size());
}

// Writes the package that a "#entries" description stands for.
void WriteDescribedPackage(const std::string& description) {
  std::unique_ptr<archive, WriteArchiveFree> writer(archive_write_new());
  if (!writer || archive_write_set_format_pax_restricted(writer.get()) != ARCHIVE_OK ||
      archive_write_open_filename(writer.get(), Paths().package.c_str()) != ARCHIVE_OK)
    fuzzsupport::Fail("write package");
  std::istringstream lines(description.substr(sizeof kEntriesMagic - 1));
  for (std::string line; std::getline(lines, line);) {
    if (line.size() < 3 || line[1] != ' ') continue;
    const size_t name_end = std::min(line.find(' ', 2), line.size());
    const std::string rest = name_end < line.size() ? line.substr(name_end + 1) : "";
    WriteEntry(writer.get(), line[0], line.substr(2, name_end - 2), rest);
  }
  // A writer that gave up part-way leaves a shorter package, which is a
  // package like any other.
  archive_write_close(writer.get());
}

void WritePackage(const std::string& input) {
  if (input.compare(0, sizeof kEntriesMagic - 1, kEntriesMagic) == 0)
    WriteDescribedPackage(input);
  else
    fuzzsupport::WriteBytes(Paths().package, input);
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
  const std::set<std::string> scratch{"box", "levels", "log", "package", "via"};
  FUZZ_CHECK(fuzzsupport::ListNames(Paths().scratch) == scratch);
  struct stat st;
  FUZZ_CHECK(::lstat(Paths().via.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
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
  if (::symlink("box", Paths().via.c_str()) != 0) fuzzsupport::Fail("symlink " + Paths().via);
  WatchAdapter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WritePackage(std::string(reinterpret_cast<const char*>(data), size));
  MakeDir(Paths().box);
  MakeDir(Paths().box + "/target");
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
