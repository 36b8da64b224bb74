#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "adapter.h"
#include "log.h"
#include "texts/strtab.h"

namespace {

const char kLogComp[] = "extractor_debug";

// Unlink what is in the way, refuse ".." elements; the Mac metadata flag does
// nothing on Linux. Owner, exact modes and times are deliberately not restored.
constexpr int kWriteOptions =
    ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;
static_assert(kWriteOptions == 0x2210, "writer options changed");

constexpr size_t kBlockSize = 10240;

struct ReadArchiveFree {
  void operator()(archive* a) const noexcept { archive_read_free(a); }
};
using UniqueReadArchive = std::unique_ptr<archive, ReadArchiveFree>;

// Freeing the writer also closes it, which applies the folder fix-ups it defers.
struct WriteArchiveFree {
  void operator()(archive* a) const noexcept { archive_write_free(a); }
};
using UniqueWriteArchive = std::unique_ptr<archive, WriteArchiveFree>;

// libarchive can fail without an error text; a log line never gets a null %s.
const char* ErrorText(archive* a) {
  const char* text = archive_error_string(a);
  return text ? text : "unknown error";
}

// archive_read_extract2 leaves a failure to read an entry's data on the
// reader only; the writer's own text comes first when it has one.
const char* ExtractErrorText(archive* writer, archive* reader) {
  return archive_error_string(writer) ? archive_error_string(writer) : ErrorText(reader);
}

int OpenWithAllFormats(archive* reader, const ustring& path) {
  archive_read_support_filter_all(reader);
  archive_read_support_format_all(reader);
  return archive_read_open_filename(reader, path.c_str(), kBlockSize);
}

// Stored names are relative to the archive's top; they are written below the
// target. A hard link names another entry of the archive, so it is placed
// there too rather than resolved against the working folder, below the
// target's resolved path: the writer removes every symbolic link on a hard
// link's path, and a link above the target (a home folder reached through
// one, say) is the user's. Symbolic link targets stay as stored.
void PlaceBelowTarget(archive_entry* entry, const ustring& target, const std::string& real_target,
                      const char* stored_name) {
  archive_entry_set_pathname(entry, (target + "/" + stored_name).c_str());
  if (const char* linked = archive_entry_hardlink(entry))
    archive_entry_set_hardlink(entry, (real_target + "/" + linked).c_str());
}

// The path with its symbolic links resolved, or as given when that fails (a
// target not made yet).
std::string RealPath(const ustring& path) {
  char real[PATH_MAX];
  return realpath(path.c_str(), real) ? real : path.c_str();
}

// Whether the link, resolved, is the target or lies below it.
bool ResolvesInside(const ustring& target, const std::string& link) {
  char real_target[PATH_MAX];
  char real_link[PATH_MAX];
  if (!realpath(target.c_str(), real_target) || !realpath(link.c_str(), real_link)) return false;
  const std::string top = real_target;
  const std::string resolved = real_link;
  const std::string below = top == "/" ? top : top + "/";
  return resolved == top || resolved.compare(0, below.size(), below) == 0;
}

// The elements of a stored name, without the empty and "." ones.
std::vector<std::string> NameElements(const char* stored_name) {
  std::vector<std::string> elements;
  std::istringstream name(stored_name);
  for (std::string element; std::getline(name, element, '/');)
    if (!element.empty() && element != ".") elements.push_back(element);
  return elements;
}

// An entry named like the target itself ("", "./") would be put in its
// place, and every later entry would go wherever it then leads; only a
// folder, which leaves the target as it is, may carry such a name.
bool ReplacesTarget(archive_entry* entry, const char* stored_name) {
  return NameElements(stored_name).empty() && archive_entry_filetype(entry) != AE_IFDIR;
}

// The disk writer follows symbolic links in the folders above an entry, so
// a link stored earlier ("up" -> "..") would carry a later entry ("up/x")
// out of the target. Walks the folders of the stored name: each link among
// them must resolve inside the target. Folders not there yet are made by the
// writer as real ones, a file in the way is replaced by one, and ".." and
// unreachable folders are the writer's to refuse; only a path too long to
// look at counts as leading out.
bool StaysInTarget(const ustring& target, const char* stored_name) {
  std::vector<std::string> folders = NameElements(stored_name);
  if (!folders.empty()) folders.pop_back();
  std::string path = target.c_str();
  for (const std::string& folder : folders) {
    if (folder == "..") return true;
    path += "/" + folder;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return errno != ENAMETOOLONG;
    if (S_ISLNK(st.st_mode) && !ResolvesInside(target, path)) return false;
    if (!S_ISLNK(st.st_mode) && !S_ISDIR(st.st_mode)) return true;
  }
  return true;
}

// Logs and refuses an entry that would be written anywhere but below the
// target.
bool PlaceIsSafe(archive_entry* entry, const ustring& target, const char* stored_name) {
  if (ReplacesTarget(entry, stored_name)) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] extractor(%d): entry '%s' would replace the folder '%s'\n", __LINE__,
                   stored_name, target.c_str());
    return false;
  }
  if (!StaysInTarget(target, stored_name)) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] extractor(%d): entry '%s' leads out of '%s' through a symbolic link\n",
                   __LINE__, stored_name, target.c_str());
    return false;
  }
  return true;
}

// Writes every entry of an opened reader; 0 once the end is reached.
int WriteEntries(archive* reader, archive* writer, const ustring& target, int total) {
  Notify_Adapter& adapter = Notify_Adapter::GetInstance();
  const std::string real_target = RealPath(target);
  int step = 0;
  for (;;) {
    archive_entry* entry = nullptr;
    const int header = archive_read_next_header(reader, &entry);
    if (header == ARCHIVE_EOF) return 0;
    if (header != ARCHIVE_OK) {
      Logger::LogMsg(Logger::L_ERR, kLogComp,
                     "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n", __LINE__,
                     ErrorText(reader));
      return -1;
    }
    const char* stored_name = archive_entry_pathname(entry);
    if (!stored_name) {
      Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] extractor(%d): archive_entry_pathname failed",
                     __LINE__);
      return -1;
    }
    if (!PlaceIsSafe(entry, target, stored_name)) return -1;
    PlaceBelowTarget(entry, target, real_target, stored_name);
    if (archive_read_extract2(reader, entry, writer) != ARCHIVE_OK) {
      Logger::LogMsg(Logger::L_ERR, kLogComp,
                     "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                     ExtractErrorText(writer, reader));
      return -1;
    }
    adapter.UpdateProgress(total, ++step);
    if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
      Logger::LogMsg(Logger::L_ERR, kLogComp,
                     "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n", __LINE__,
                     ErrorText(writer));
      return -1;
    }
  }
}

}  // namespace

Extractor::Extractor() = default;

void Extractor::SetSource(const ustring& source) { this->source = source; }

void Extractor::SetTarget(const ustring& target) { this->target = target; }

int Extractor::Extract() const {
  if (source.empty() || target.empty()) {
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] extractor(%d): Invalid Argument\n", __LINE__);
    return -1;
  }
  Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n",
                 __LINE__, source.c_str(), target.c_str());
  Notify_Adapter::GetInstance().UpdateDialogText(StrTable::LoadStr(StrTable::desc_lksp_env_preparing));

  // A first pass only to count, so that progress can be shown as a fraction.
  const int total = Count();
  if (total <= 0) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n", __LINE__,
                   total);
    return -1;
  }

  UniqueReadArchive reader(archive_read_new());
  UniqueWriteArchive writer(archive_write_disk_new());
  if (!reader || !writer) {
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] extractor(%d): Allocate extractor failed\n",
                   __LINE__);
    return -1;
  }
  archive_write_disk_set_options(writer.get(), kWriteOptions);
  if (OpenWithAllFormats(reader.get(), source) != ARCHIVE_OK) {
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n",
                   __LINE__, source.c_str(), ErrorText(reader.get()));
    return -1;
  }
  return WriteEntries(reader.get(), writer.get(), target, total);
}

int Extractor::Count() const {
  if (target.empty() || source.empty()) {
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
    return -1;
  }
  UniqueReadArchive reader(archive_read_new());
  if (!reader) {
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] extractor(%d): Allocate archive failed\n",
                   __LINE__);
    return -1;
  }
  if (OpenWithAllFormats(reader.get(), source) != ARCHIVE_OK) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                   ErrorText(reader.get()));
    return -1;
  }
  // Skipping still decompresses; its result is not needed, since a damaged
  // entry shows at the next header read, which ends the count.
  int count = 0;
  archive_entry* entry = nullptr;
  while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
    ++count;
    archive_read_data_skip(reader.get());
  }
  return count;
}
