// Storage, appending and assigning, the UTF-8/UTF-16 conversions and the
// operators of ustring. Searching, trimming and comparing live in
// ustring-scan.cpp, normalising and validating in ustring-unicode.cpp.
#include "ustring/ustring.h"

#include <unicode/ustring.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <istream>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "ustring-internal.h"

namespace {

constexpr size_t kInitialCapacity = 4;

// have + add + 1 (the terminator), refusing sizes that do not fit in size_t.
size_t size_with_terminator(size_t have, size_t add) {
  if (add >= ustring::npos - have) throw std::bad_alloc();
  return have + add + 1;
}

// The capacity rule shared by both buffers.
template <typename T>
void resize_buffer(T*& buffer, size_t& capacity, size_t n) {
  if (capacity / 2 <= n && n <= capacity) return;
  if (n > ustring::npos / sizeof(T)) throw std::bad_alloc();
  void* grown = std::realloc(buffer, n * sizeof(T));
  if (grown == nullptr) throw std::bad_alloc();
  buffer = static_cast<T*>(grown);
  capacity = n;
}

template <typename T>
bool points_into(const T* p, const T* buffer, size_t capacity) {
  const std::less<const T*> before;
  return !before(p, buffer) && before(p, buffer + capacity);
}

}  // namespace

// --- Construction ----------------------------------------------------------

ustring::ustring() { init(); }
ustring::ustring(const ustring& x) : ustring() { assign(x, 0, npos); }
ustring::ustring(const char* s) : ustring() { assign(s); }
ustring::ustring(const uchar16_t* s) : ustring() { assign(s); }
ustring::ustring(const std::string& x) : ustring() { assign(x, 0, npos); }
ustring::ustring(char c) : ustring() { assign(c, 1); }

ustring::~ustring() {
  std::free(data);
  std::free(wdata);
}

void ustring::init() {
  data = static_cast<char*>(std::malloc(kInitialCapacity));
  wdata = static_cast<uchar16_t*>(std::malloc(kInitialCapacity * sizeof(uchar16_t)));
  if (data == nullptr || wdata == nullptr) {
    std::free(data);
    std::free(wdata);
    throw std::bad_alloc();
  }
  data_cap = kInitialCapacity;
  wdata_cap = kInitialCapacity;
  clear_data();
  clear_wdata();
}

// --- Buffers ---------------------------------------------------------------

void ustring::realloc_data(size_t n) { resize_buffer(data, data_cap, n); }
void ustring::realloc_wdata(size_t n) const { resize_buffer(wdata, wdata_cap, n); }

void ustring::clear_data() {
  data_len = 0;
  data[0] = '\0';
}

void ustring::clear_wdata() const {
  wdata_len = 0;
  wdata[0] = 0;
}

void ustring::clear() {
  clear_data();
  clear_wdata();
}

bool ustring::owns_byte(const char* p) const { return points_into(p, data, data_cap); }
bool ustring::owns_unit(const uchar16_t* p) const { return points_into(p, wdata, wdata_cap); }

// Length of s up to its NUL, at most max; a pointer into the own buffer is
// never read past that buffer's end.
size_t ustring::text_len(const char* s, size_t max) const {
  if (owns_byte(s)) max = std::min<size_t>(max, data + data_cap - s);
  return strnlen(s, max);
}

size_t ustring::units_len(const uchar16_t* s, size_t max) const {
  if (owns_unit(s)) max = std::min<size_t>(max, wdata + wdata_cap - s);
  size_t k = 0;
  while (k < max && s[k] != 0) ++k;
  return k;
}

// Number of bytes substr(pos, len) takes.
size_t ustring::part_len(size_t pos, size_t len) const {
  if (pos > data_len) throw std::out_of_range("substr");
  return strnlen(data + pos, std::min(len, data_len - pos));
}

// --- UTF-8 <-> UTF-16 ------------------------------------------------------

int ustring::convert_from_data() const {
  UErrorCode error = U_ZERO_ERROR;
  int32_t units = 0;
  u_strFromUTF8(nullptr, 0, &units, data, -1, &error);
  realloc_wdata(static_cast<size_t>(units) + 1);
  error = U_ZERO_ERROR;
  u_strFromUTF8(ustring_internal::as_icu(wdata), ustring_internal::icu_capacity(wdata_cap),
                nullptr, data, -1, &error);
  if (U_FAILURE(error)) {
    ustring_internal::warn("Warning: u_strFromUTF8: error code ", error, __LINE__);
    clear_wdata();
    return -1;
  }
  wdata_len = static_cast<size_t>(units);
  wdata[wdata_len] = 0;
  return 0;
}

int ustring::convert_from_wdata() {
  UErrorCode error = U_ZERO_ERROR;
  int32_t bytes = 0;
  const UChar* units = ustring_internal::as_icu(wdata);
  u_strToUTF8(nullptr, 0, &bytes, units, -1, &error);
  try {
    realloc_data(static_cast<size_t>(bytes) + 1);
  } catch (const std::bad_alloc&) {
    // The bytes still hold the value from before the UTF-16 edit.
    clear_wdata();
    throw;
  }
  error = U_ZERO_ERROR;
  u_strToUTF8(data, ustring_internal::icu_capacity(data_cap), nullptr, units, -1, &error);
  if (U_FAILURE(error)) {
    ustring_internal::warn("Warning: u_strToUTF8: error code ", error, __LINE__);
    clear();
    return -1;
  }
  data_len = static_cast<size_t>(bytes);
  data[data_len] = '\0';
  return 0;
}

const uchar16_t* ustring::c_str_utf16() const {
  if (wdata_len == 0) convert_from_data();
  return wdata;
}

// --- Appending -------------------------------------------------------------

// Appends exactly k bytes of s, which may lie in the own buffer.
ustring& ustring::append_bytes(const char* s, size_t k) {
  if (owns_byte(s)) {
    const std::string copy(s, k);  // the buffer may move below
    return append_bytes(copy.data(), k);
  }
  realloc_data(size_with_terminator(data_len, k));
  std::copy_n(s, k, data + data_len);
  return bytes_appended(k);
}

ustring& ustring::bytes_appended(size_t k) {
  data_len += k;
  data[data_len] = '\0';
  clear_wdata();
  return *this;
}

ustring& ustring::append(const char* s) { return append_bytes(s, text_len(s, npos)); }
ustring& ustring::append(const char* s, size_t len) { return append_bytes(s, text_len(s, len)); }

ustring& ustring::append(char c, size_t n) {
  realloc_data(size_with_terminator(data_len, n));
  std::fill_n(data + data_len, n, c);
  return bytes_appended(n);
}

ustring& ustring::append(const ustring& x, size_t pos, size_t len) {
  return append_bytes(x.data + pos, x.part_len(pos, len));
}

ustring& ustring::append(const std::string& x, size_t pos, size_t len) {
  const std::string_view part = std::string_view(x).substr(pos, len);
  return append(part.data(), part.size());
}

// Builds the UTF-16 form if needed and makes room for k more units. False
// when the bytes are not well-formed UTF-8: appending to an empty cache
// would silently drop them.
bool ustring::reserve_units(size_t k) {
  if (wdata_len == 0 && data_len > 0 && convert_from_data() != 0) return false;
  realloc_wdata(size_with_terminator(wdata_len, k));
  return true;
}

ustring& ustring::units_appended(size_t k) {
  wdata_len += k;
  wdata[wdata_len] = 0;
  convert_from_wdata();
  return *this;
}

// Appends exactly k units of s, which may lie in the own buffer.
ustring& ustring::append_units(const uchar16_t* s, size_t k) {
  if (owns_unit(s)) {
    const std::vector<uchar16_t> copy(s, s + k);  // the buffer may move below
    return append_units(copy.data(), k);
  }
  if (!reserve_units(k)) return *this;
  std::copy_n(s, k, wdata + wdata_len);
  return units_appended(k);
}

ustring& ustring::append(const uchar16_t* s) { return append_units(s, units_len(s, npos)); }
ustring& ustring::append(const uchar16_t* s, size_t len) { return append_units(s, units_len(s, len)); }

ustring& ustring::append(uchar16_t c, size_t n) {
  if (c == 0) n = 0;  // a 0 unit ends UTF-16 text; it has no place inside one
  if (!reserve_units(n)) return *this;
  std::fill_n(wdata + wdata_len, n, c);
  return units_appended(n);
}

// --- Assigning -------------------------------------------------------------
// clear() only writes the first byte and unit, so a source inside the own
// buffers (other than its start, handled first) survives it.

ustring& ustring::assign(const char* s) {
  if (s == data) return *this;
  clear();
  return append(s);
}

ustring& ustring::assign(const char* s, size_t len) {
  if (s == data) {
    if (len < data_len) {
      data_len = len;
      data[len] = '\0';
      clear_wdata();
    }
    return *this;
  }
  clear();
  return append(s, len);
}

ustring& ustring::assign(char c, size_t n) {
  clear();
  return append(c, n);
}

ustring& ustring::assign(const ustring& x, size_t pos, size_t len) {
  if (&x == this) return assign(substr(pos, len));
  const size_t k = x.part_len(pos, len);
  clear();
  return append_bytes(x.data + pos, k);
}

ustring& ustring::assign(const std::string& x, size_t pos, size_t len) {
  const std::string_view part = std::string_view(x).substr(pos, len);
  clear();
  return append(part.data(), part.size());
}

ustring& ustring::assign(const uchar16_t* s) {
  if (s == wdata) return *this;
  clear();
  return append(s);
}

ustring& ustring::assign(const uchar16_t* s, size_t len) {
  if (s == wdata) {
    if (len < wdata_len) {
      wdata_len = len;
      wdata[len] = 0;
      convert_from_wdata();
    }
    return *this;
  }
  clear();
  return append(s, len);
}

ustring& ustring::assign(uchar16_t c, size_t n) {
  clear();
  return append(c, n);
}

// --- Operators -------------------------------------------------------------

ustring& ustring::operator=(const ustring& x) { return assign(x, 0, npos); }
ustring& ustring::operator=(const std::string& x) { return assign(x, 0, npos); }
ustring& ustring::operator=(const char* s) { return assign(s); }
ustring& ustring::operator=(const uchar16_t* s) { return assign(s); }
ustring& ustring::operator=(char c) { return assign(c, 1); }
ustring& ustring::operator=(uchar16_t c) { return assign(c, 1); }

ustring& ustring::operator+=(const ustring& x) { return append(x, 0, npos); }
ustring& ustring::operator+=(const std::string& x) { return append(x, 0, npos); }
ustring& ustring::operator+=(const char* s) { return append(s); }
ustring& ustring::operator+=(const uchar16_t* s) { return append(s); }
ustring& ustring::operator+=(char c) { return append(c, 1); }
ustring& ustring::operator+=(uchar16_t c) { return append(c, 1); }

namespace {

template <typename T>
ustring appended(const ustring& lhs, T rhs) {
  ustring result(lhs);
  result += rhs;
  return result;
}

}  // namespace

ustring operator+(const ustring& lhs, const ustring& rhs) { return appended<const ustring&>(lhs, rhs); }
ustring operator+(const ustring& lhs, const char* rhs) { return appended(lhs, rhs); }
ustring operator+(const ustring& lhs, char rhs) { return appended(lhs, rhs); }
ustring operator+(const ustring& lhs, const uchar16_t* rhs) { return appended(lhs, rhs); }
ustring operator+(const ustring& lhs, uchar16_t rhs) { return appended(lhs, rhs); }

ustring ustring::substr(size_t start, size_t len) const {
  const size_t k = part_len(start, len);
  ustring part;
  part.append_bytes(data + start, k);
  return part;
}

void ustring::swap(ustring& s) {
  std::swap(data, s.data);
  std::swap(data_len, s.data_len);
  std::swap(data_cap, s.data_cap);
  std::swap(wdata, s.wdata);
  std::swap(wdata_len, s.wdata_len);
  std::swap(wdata_cap, s.wdata_cap);
}

void swap(ustring& lhs, ustring& rhs) { lhs.swap(rhs); }

std::ostream& operator<<(std::ostream& os, const ustring& s) { return os << s.c_str(); }

std::istream& operator>>(std::istream& is, ustring& s) {
  std::string word;
  if (is >> word) s.assign(word, 0, ustring::npos);
  return is;
}
