// Helpers shared by the file-operation units; not part of the interface.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "log.h"
#include "unique_handles.h"
#include "ustring/ustring.h"

namespace fileop {

// The component every message of the library goes to.
extern const char* const kLogComp;

struct FreeDeleter {
  void operator()(void* p) const noexcept { std::free(p); }
};

// parent + "/" + name
ustring JoinPath(const ustring& parent, const char* name);

// "." or ".."
bool IsDotEntry(const char* name);

// Size of the buffer a symbolic link's content is read into; the longest
// content accepted is one byte less.
constexpr size_t kLinkBufferSize = 4096;

// Reads a link's content into out. Returns its length, or -1 with errno set;
// kLinkBufferSize means the content filled the buffer and out is cut.
ssize_t ReadLinkText(const ustring& path, std::string& out);

}  // namespace fileop
