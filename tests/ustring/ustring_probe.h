// Helpers for the ustring tests: a subclass that reads the protected fields,
// UTF-16 conversions for checking, and a capture of standard error.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "ustring/ustring.h"

namespace ustring_test {

// A ustring whose buffers and UTF-16 cache can be looked at.
class Probe : public ustring {
 public:
  using ustring::ustring;
  using ustring::operator=;
  Probe(const ustring& s) : ustring(s) {}  // NOLINT: tests convert freely

  const char* bytes() const { return data; }
  size_t byte_capacity() const { return data_cap; }
  const uchar16_t* units() const { return wdata; }
  size_t cached_units() const { return wdata_len; }
  size_t unit_capacity() const { return wdata_cap; }
};

// The uchar16_t view of a UTF-16 literal.
inline const uchar16_t* U(const std::u16string& s) {
  return reinterpret_cast<const uchar16_t*>(s.c_str());
}

// The text before the first 0 unit.
inline std::u16string Utf16(const uchar16_t* s) {
  std::u16string text;
  for (; *s != 0; ++s) text.push_back(static_cast<char16_t>(*s));
  return text;
}

// All bytes of the string, embedded NULs included.
inline std::string Bytes(const ustring& s) { return std::string(s.c_str(), s.length()); }

// The UTF-16 cache is either empty (a 0 unit at index 0) or exactly the
// conversion of the current bytes, made here by a fresh string.
inline void ExpectCacheAgrees(const Probe& s) {
  EXPECT_EQ(s.units()[s.cached_units()], 0) << "UTF-16 terminator";
  if (s.cached_units() == 0) return;
  const ustring fresh(s.c_str());
  EXPECT_EQ(Utf16(s.units()), Utf16(fresh.c_str_utf16())) << "stale UTF-16 cache";
  EXPECT_EQ(s.cached_units(), Utf16(s.units()).size());
}

// Sends file descriptor 2 to a private file until Take() gives back what
// was written there.
class StderrCapture {
 public:
  StderrCapture();
  ~StderrCapture();
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  std::string Take();

 private:
  void Restore();

  testsupport::TempDir dir_{"ustring-stderr"};
  int saved_fd_ = -1;
};

// count copies of the line an ICU failure writes ("Warning: " + what +
// ": error code " + code + " at line " + a line number), nothing else.
::testing::Matcher<std::string> WarningLines(const std::string& what, int code, int count = 1);

}  // namespace ustring_test
