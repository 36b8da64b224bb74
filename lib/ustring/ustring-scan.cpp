// Byte scans of ustring: the search family, trimming, replace and comparing.
// All stop at the first NUL byte and never call ICU.
#include <array>
#include <cstring>
#include <string>

#include "ustring/ustring.h"

namespace {

// Whether byte c is in the NUL-terminated set; the terminator is not.
bool in_set(const char* set, char c) { return c != '\0' && std::strchr(set, c) != nullptr; }

// Whether the NUL-terminated needle matches text at its start.
bool matches_at(const char* text, const char* needle) {
  while (*needle != '\0' && *text == *needle) {
    ++text;
    ++needle;
  }
  return *needle == '\0';
}

// Caseless comparison folds only the ASCII letters.
constexpr std::array<unsigned char, 256> make_fold_table() {
  std::array<unsigned char, 256> table{};
  for (size_t i = 0; i < table.size(); ++i)
    table[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
  return table;
}
constexpr std::array<unsigned char, 256> kFoldTable = make_fold_table();

// Compares at most n bytes of a and b, stopping after a common NUL.
int compare_bytes(const char* a, const char* b, size_t n, bool caseless) {
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (caseless) {
      x = kFoldTable[x];
      y = kFoldTable[y];
    }
    if (x != y || x == 0) return x - y;
  }
  return 0;
}

}  // namespace

// --- Searching -------------------------------------------------------------

// Where a backward search starts; only called on a non-empty string.
size_t ustring::last_start(size_t pos) const { return pos >= data_len ? data_len - 1 : pos; }

size_t ustring::find_first_of(const char* s, size_t pos) const {
  if (pos >= data_len || *s == '\0') return npos;
  for (size_t i = pos; data[i] != '\0'; ++i)
    if (in_set(s, data[i])) return i;
  return npos;
}

size_t ustring::find_first_not_of(const char* s, size_t pos) const {
  if (pos >= data_len) return npos;
  if (*s == '\0') return pos;
  for (size_t i = pos; data[i] != '\0'; ++i)
    if (!in_set(s, data[i])) return i;
  return npos;
}

size_t ustring::find_last_of(const char* s, size_t pos) const {
  if (data_len == 0 || *s == '\0') return npos;
  for (size_t i = last_start(pos) + 1; i-- > 0;)
    if (in_set(s, data[i])) return i;
  return npos;
}

size_t ustring::find_last_not_of(const char* s, size_t pos) const {
  if (data_len == 0) return npos;
  const size_t start = last_start(pos);
  if (*s == '\0') return start;
  for (size_t i = start + 1; i-- > 0;)
    if (!in_set(s, data[i])) return i;
  return npos;
}

size_t ustring::find(const char* s, size_t pos) const {
  if (pos >= data_len) return npos;
  if (*s == '\0') return pos;
  for (size_t i = pos; data[i] != '\0'; ++i)
    if (matches_at(data + i, s)) return i;
  return npos;
}

size_t ustring::rfind(const char* s, size_t pos) const {
  if (data_len == 0) return npos;
  const size_t start = last_start(pos);
  if (*s == '\0') return start;
  for (size_t i = start + 1; i-- > 0;)
    if (matches_at(data + i, s)) return i;
  return npos;
}

// Every search takes its set or needle as a std::string, a ustring or a
// single byte too; all of them come down to the NUL-terminated form.
#define USTRING_SEARCH_OVERLOADS(name)                                                           \
  size_t ustring::name(const std::string& x, size_t pos) const { return name(x.c_str(), pos); } \
  size_t ustring::name(const ustring& x, size_t pos) const { return name(x.c_str(), pos); }     \
  size_t ustring::name(char c, size_t pos) const {                                              \
    const char text[2] = {c, '\0'};                                                             \
    return name(text, pos);                                                                     \
  }

USTRING_SEARCH_OVERLOADS(find_first_of)
USTRING_SEARCH_OVERLOADS(find_first_not_of)
USTRING_SEARCH_OVERLOADS(find_last_of)
USTRING_SEARCH_OVERLOADS(find_last_not_of)
USTRING_SEARCH_OVERLOADS(find)
USTRING_SEARCH_OVERLOADS(rfind)

#undef USTRING_SEARCH_OVERLOADS

// --- Changing in place -----------------------------------------------------

void ustring::ltrim(const char* list) {
  size_t k = 0;
  while (in_set(list, data[k])) ++k;
  if (k == 0) return;
  std::memmove(data, data + k, data_len - k + 1);
  data_len -= k;
  clear_wdata();
}

void ustring::rtrim(const char* list) {
  size_t end = data_len;
  while (end > 0 && in_set(list, data[end - 1])) --end;
  if (end == data_len) return;
  data_len = end;
  data[end] = '\0';
  clear_wdata();
}

void ustring::trim(const char* list) {
  if (owns_byte(list)) {
    // ltrim moves the bytes the list is read from.
    const std::string copy(list, text_len(list, npos));
    trim(copy.c_str());
    return;
  }
  ltrim(list);
  rtrim(list);
}

void ustring::ltrim(const ustring& list) { ltrim(list.c_str()); }
void ustring::rtrim(const ustring& list) { rtrim(list.c_str()); }
void ustring::trim(const ustring& list) { trim(list.c_str()); }

void ustring::replace(char c1, char c2) {
  for (size_t i = 0; i < data_len; ++i)
    if (data[i] == c1) data[i] = c2;
  clear_wdata();
}

// --- Comparing -------------------------------------------------------------

int ustring::compare(const ustring& a, const ustring& b, bool caseless) {
  return compare_bytes(a.data, b.data, npos, caseless);
}

int ustring::compare(const ustring& str) const { return compare(*this, str, false); }
int ustring::compare(const ustring& str, size_t n) const { return compare_bytes(data, str.data, n, false); }

bool operator<(const ustring& lhs, const ustring& rhs) { return ustring::compare(lhs, rhs, false) < 0; }
bool operator>(const ustring& lhs, const ustring& rhs) { return ustring::compare(lhs, rhs, false) > 0; }
bool operator==(const ustring& lhs, const ustring& rhs) { return ustring::compare(lhs, rhs, false) == 0; }
bool operator!=(const ustring& lhs, const ustring& rhs) { return ustring::compare(lhs, rhs, false) != 0; }
bool operator<=(const ustring& lhs, const ustring& rhs) { return ustring::compare(lhs, rhs, false) <= 0; }
bool operator>=(const ustring& lhs, const ustring& rhs) { return ustring::compare(lhs, rhs, false) >= 0; }
