#include "archive_maker.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace archivemaker {

namespace {

struct WriteArchiveFree {
  void operator()(archive* a) const noexcept { archive_write_free(a); }
};
using UniqueWriteArchive = std::unique_ptr<archive, WriteArchiveFree>;

struct EntryFree {
  void operator()(archive_entry* e) const noexcept { archive_entry_free(e); }
};
using UniqueEntry = std::unique_ptr<archive_entry, EntryFree>;

la_ssize_t AppendToString(archive*, void* sink, const void* buffer, size_t length) {
  static_cast<std::string*>(sink)->append(static_cast<const char*>(buffer), length);
  return static_cast<la_ssize_t>(length);
}

// A writer of the kind into a string; null (with a test failure) when
// libarchive refuses the format or filter.
UniqueWriteArchive OpenWriter(int format, int filter, std::string* sink) {
  UniqueWriteArchive writer(archive_write_new());
  if (archive_write_set_format(writer.get(), format) != ARCHIVE_OK ||
      archive_write_add_filter(writer.get(), filter) != ARCHIVE_OK) {
    ADD_FAILURE() << "libarchive cannot write: " << archive_error_string(writer.get());
    return nullptr;
  }
  // No padding to a full block, so the bytes end where the data ends.
  archive_write_set_bytes_in_last_block(writer.get(), 1);
  if (archive_write_open(writer.get(), sink, nullptr, AppendToString, nullptr) != ARCHIVE_OK) {
    ADD_FAILURE() << "cannot open writer: " << archive_error_string(writer.get());
    return nullptr;
  }
  return writer;
}

UniqueEntry MakeEntry(const Entry& e) {
  UniqueEntry entry(archive_entry_new());
  archive_entry_set_pathname(entry.get(), e.name.c_str());
  archive_entry_set_perm(entry.get(), e.perm);
  archive_entry_set_mtime(entry.get(), 1700000000, 0);
  switch (e.kind) {
    case Entry::kFile:
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_size(entry.get(), static_cast<la_int64_t>(e.data.size()));
      break;
    case Entry::kDir:
      archive_entry_set_filetype(entry.get(), AE_IFDIR);
      archive_entry_set_size(entry.get(), 0);  // cpio insists on a size
      break;
    case Entry::kSymlink:
      archive_entry_set_filetype(entry.get(), AE_IFLNK);
      archive_entry_set_symlink(entry.get(), e.data.c_str());
      archive_entry_set_size(entry.get(), 0);
      break;
    case Entry::kHardlink:
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_hardlink(entry.get(), e.data.c_str());
      archive_entry_set_size(entry.get(), 0);
      break;
  }
  return entry;
}

void WriteEntry(archive* writer, const Entry& e) {
  UniqueEntry entry = MakeEntry(e);
  if (archive_write_header(writer, entry.get()) != ARCHIVE_OK) {
    ADD_FAILURE() << "cannot write header of " << e.name << ": " << archive_error_string(writer);
    return;
  }
  if (e.kind == Entry::kFile && !e.data.empty() &&
      archive_write_data(writer, e.data.data(), e.data.size()) !=
          static_cast<la_ssize_t>(e.data.size()))
    ADD_FAILURE() << "cannot write data of " << e.name << ": " << archive_error_string(writer);
}

void Close(archive* writer) {
  if (archive_write_close(writer) != ARCHIVE_OK)
    ADD_FAILURE() << "cannot close writer: " << archive_error_string(writer);
}

}  // namespace

bool CanWrite(const ArchiveKind& kind) {
  UniqueWriteArchive writer(archive_write_new());
  return archive_write_set_format(writer.get(), kind.format) == ARCHIVE_OK &&
         archive_write_add_filter(writer.get(), kind.filter) == ARCHIVE_OK;
}

Entry File(const std::string& name, const std::string& content, mode_t perm) {
  return {Entry::kFile, name, content, perm};
}
Entry Dir(const std::string& name, mode_t perm) { return {Entry::kDir, name, "", perm}; }
Entry Symlink(const std::string& name, const std::string& target) {
  return {Entry::kSymlink, name, target, 0777};
}
Entry Hardlink(const std::string& name, const std::string& target) {
  return {Entry::kHardlink, name, target, 0644};
}

std::string Build(const ArchiveKind& kind, const std::vector<Entry>& entries) {
  std::string bytes;
  UniqueWriteArchive writer = OpenWriter(kind.format, kind.filter, &bytes);
  if (!writer) return bytes;
  for (const Entry& e : entries) WriteEntry(writer.get(), e);
  Close(writer.get());
  return bytes;
}

std::string Compress(const std::string& bytes, int filter) {
  std::string out;
  UniqueWriteArchive writer = OpenWriter(ARCHIVE_FORMAT_RAW, filter, &out);
  if (!writer) return out;
  WriteEntry(writer.get(), File("data", bytes));
  Close(writer.get());
  return out;
}

size_t TarHeaderOffset(const std::string& tar, const std::string& name) {
  const std::string field = name + '\0';
  for (size_t at = 0; at + 512 <= tar.size(); at += 512)
    if (tar.compare(at, field.size(), field) == 0) return at;
  return std::string::npos;
}

std::string NoiseBytes(size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(gen() & 0xff);
  return bytes;
}

}  // namespace archivemaker
