// Builds real archives with libarchive's writer for the extractor tests.
#pragma once

#include <sys/types.h>

#include <ostream>
#include <string>
#include <vector>

namespace archivemaker {

// One archive flavour: a libarchive format code and a filter code.
struct ArchiveKind {
  const char* name;  // test-name friendly: letters, digits, underscores
  int format;        // ARCHIVE_FORMAT_*
  int filter;        // ARCHIVE_FILTER_*
};
// Names the kind in test failures.
inline void PrintTo(const ArchiveKind& kind, std::ostream* os) { *os << kind.name; }

// Whether this libarchive can write (and so read back) the kind.
bool CanWrite(const ArchiveKind& kind);

struct Entry {
  enum Kind { kFile, kDir, kSymlink, kHardlink };
  Kind kind;
  std::string name;
  std::string data;  // file content, or the link's target
  mode_t perm;
};

Entry File(const std::string& name, const std::string& content, mode_t perm = 0644);
Entry Dir(const std::string& name, mode_t perm = 0755);
Entry Symlink(const std::string& name, const std::string& target);
Entry Hardlink(const std::string& name, const std::string& target);

// The bytes of an archive of the given entries, in order. Fails the
// current test when libarchive refuses an entry.
std::string Build(const ArchiveKind& kind, const std::vector<Entry>& entries);

// The bytes compressed by one filter alone (no archive format around them).
std::string Compress(const std::string& bytes, int filter);

// Offset of the tar header block that holds the given entry name, or
// std::string::npos. Only for plain ustar data without extended headers.
size_t TarHeaderOffset(const std::string& tar, const std::string& name);

// Deterministic bytes that no compressor can shrink.
std::string NoiseBytes(size_t size, unsigned seed);

}  // namespace archivemaker
