// Helpers shared by the file-operation tests.
#pragma once

#include <sys/stat.h>

#include <regex>
#include <string>
#include <vector>

#include "file/file-op.h"
#include "log_capture.h"
#include "test_support.h"

namespace filetest {

// The library's lines from a capture, with the source line of each message
// replaced by "N", e.g. "[ERROR] file-op(N): ...", so tests can compare text.
inline std::vector<std::string> FileOpLines(const testsupport::LogCapture& log) {
  static const std::regex line_number(R"(file-op\(\d+\))");
  std::vector<std::string> lines;
  for (const std::string& line : log.Lines()) {
    if (line.find("file-op(") == std::string::npos) continue;
    lines.push_back(std::regex_replace(line, line_number, "file-op(N)"));
  }
  return lines;
}

inline mode_t PermissionBits(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return static_cast<mode_t>(-1);
  return st.st_mode & 07777;
}

// Sets the umask for the life of the object.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t old_;
};

inline mode_t CurrentUmask() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace filetest
