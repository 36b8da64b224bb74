// Unpacks the client's package archive into the per-user application folder,
// entry by entry, and reports its progress through Notify_Adapter.
//
// Usage: Extractor e; e.SetSource(archive); e.SetTarget(folder); e.Extract();
// The object keeps no archive handle between calls: every call opens and
// frees its own, so an instance can be reused and copies are independent.
#pragma once

#include "ustring/ustring.h"

class Extractor {
 public:
  Extractor();

  // Path of the archive to read (any format and compression libarchive reads).
  void SetSource(const ustring& source);
  // Folder the entries are written below; it must exist already.
  void SetTarget(const ustring& target);

  // Unpacks the whole archive below the target: each stored name is written
  // at target + "/" + name, missing parent folders are made, a file already
  // on disk is unlinked and made anew, an entry with a ".." element is
  // refused. Modes are reduced by the umask (no set-id or sticky bits);
  // owner and times are not restored.
  // Sends the label text once, after the argument check, then
  // UpdateProgress(total, n) after the n-th written entry.
  // Returns 0 only when every entry was written and the end of the archive
  // was reached; -1 otherwise, with a log line. It stops at the first
  // failure and leaves what it wrote on disk: cleaning up is the caller's.
  int Extract() const;

  // Number of entries read before the first header that does not read
  // cleanly (0 for an empty or zero-length archive); -1 when a path is
  // empty or the archive cannot be opened. Reads and decompresses the whole
  // archive.
  int Count() const;

 private:
  ustring target;
  ustring source;
};
