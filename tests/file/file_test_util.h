// Helpers shared by the file-operation tests.
#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

#include "file/file-op.h"
#include "log_capture.h"
#include "test_support.h"

namespace filetest {

// The library's lines from a capture, with the source line of each message
// replaced by "N", e.g. "[ERROR] file-op(N): ...", so tests can compare text.
inline std::vector<std::string> FileOpLines(const testsupport::LogCapture& log) {
  const std::string tag = "file-op(";
  std::vector<std::string> lines;
  for (std::string line : log.Lines()) {
    size_t start = line.find(tag);
    if (start == std::string::npos) continue;
    start += tag.size();
    size_t end = line.find_first_not_of("0123456789", start);
    if (end != std::string::npos && end > start && line[end] == ')')
      line.replace(start, end - start, "N");
    lines.push_back(line);
  }
  return lines;
}

inline mode_t PermissionBits(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return static_cast<mode_t>(-1);
  return st.st_mode & 07777;
}


inline mode_t CurrentUmask() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace filetest
