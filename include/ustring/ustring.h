// ustring: the string of all code below the user interface.
//
// The value is UTF-8 bytes; a UTF-16 form is built from them on demand and
// kept as a cache until the bytes change. Every length and position counts
// UTF-8 bytes, except the counts of the UTF-16 append/assign overloads, which
// count UTF-16 units. Ordering is plain byte order (Unicode code-point
// order); no locale takes part.
//
// Text read from a const char*, std::string or const uchar16_t* ends at its
// first NUL. Only append(char c, n) with c == 0 can put NUL bytes inside a
// string: they count in length(), but searching, trimming, comparing,
// converting, substr and stream output stop at the first of them.
//
// Buffers are sized exactly: a buffer grows to the size needed and shrinks
// to it once the need falls below half its capacity; clear(), the trimming
// operations and replace() never reallocate. Running out of memory throws
// std::bad_alloc. Conversion failures are not exceptions: they write one
// "Warning: ..." line to standard error (see each operation).
//
// Not thread-safe, const calls included: c_str_utf16() and normalize() fill
// the UTF-16 cache. Separate strings share nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// One UTF-16 code unit.
typedef uint16_t uchar16_t;

class ustring {
 public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  enum normalization_form { NFC = 0, NFD = 1 };

  ustring();
  ustring(const ustring& x);
  ustring(const char* s);
  ustring(const uchar16_t* s);  // converted; empty if ICU rejects it
  ustring(const std::string& x);
  ustring(char c);
  ~ustring();

  // --- Appending; each returns *this -------------------------------------
  // UTF-8 overloads copy bytes behind the end and empty the UTF-16 cache.
  // A source pointer into the string's own bytes is allowed: c_str() itself
  // appends the text to itself ("ab" -> "abab").
  ustring& append(const char* s);
  ustring& append(const char* s, size_t len);  // at most len bytes, stops at NUL
  ustring& append(char c, size_t n);           // n copies of c
  // Bytes of x.substr(pos, len); throws std::out_of_range("substr") when
  // pos > x.length(). x may be *this.
  ustring& append(const ustring& x, size_t pos = 0, size_t len = npos);
  // Bytes of x from pos, at most len, up to their first NUL; throws the
  // standard string's std::out_of_range when pos > x.size().
  ustring& append(const std::string& x, size_t pos = 0, size_t len = npos);

  // UTF-16 overloads: the UTF-16 form is built, edited, and the UTF-8 form
  // regenerated from it. If the result cannot be converted (an unpaired
  // surrogate, say) a warning is written and the string ends up empty. If
  // the string's own bytes are not well-formed UTF-8, there is no UTF-16
  // form to append to: a warning is written and the string is left as it was.
  // Out of memory also leaves it as it was. A pointer into c_str_utf16() is
  // allowed as source.
  ustring& append(const uchar16_t* s);
  ustring& append(const uchar16_t* s, size_t len);  // at most len units, stops at 0
  ustring& append(uchar16_t c, size_t n);           // n copies of c; none for c == 0

  // --- Assigning: clear() followed by the matching append -----------------
  // A failed assignment (out of memory, unconvertible UTF-16) leaves the
  // string empty; a bad pos throws before anything changes. Self-references:
  // assign(c_str()) changes nothing; assign(c_str(), len) cuts the string to
  // len bytes when len < length(); the UTF-16 pair works likewise on
  // c_str_utf16(); assign(*this, pos, len) assigns a part of itself.
  ustring& assign(const char* s);
  ustring& assign(const char* s, size_t len);
  ustring& assign(char c, size_t n);
  ustring& assign(const ustring& x, size_t pos = 0, size_t len = npos);
  ustring& assign(const std::string& x, size_t pos = 0, size_t len = npos);
  ustring& assign(const uchar16_t* s);
  ustring& assign(const uchar16_t* s, size_t len);
  ustring& assign(uchar16_t c, size_t n);

  ustring& operator=(const ustring& x);
  ustring& operator=(const std::string& x);
  ustring& operator=(const char* s);
  ustring& operator=(const uchar16_t* s);
  ustring& operator=(char c);
  ustring& operator=(uchar16_t c);

  ustring& operator+=(const ustring& x);
  ustring& operator+=(const std::string& x);
  ustring& operator+=(const char* s);
  ustring& operator+=(const uchar16_t* s);
  ustring& operator+=(char c);
  ustring& operator+=(uchar16_t c);

  // --- Reading ------------------------------------------------------------
  const char* c_str() const { return data; }  // never null
  const char* c_str_utf8() const { return data; }
  // The UTF-16 form, built first when the cache is empty; never null. For
  // bytes that are not well-formed UTF-8 it is empty, and every call writes
  // the warning "Warning: u_strFromUTF8: error code N at line L".
  const uchar16_t* c_str_utf16() const;
  size_t length() const { return data_len; }  // bytes
  size_t size() const { return data_len; }
  bool empty() const { return data_len == 0; }
  // pos is not checked and must be at most length() (length() gives the
  // terminator). Writing through the reference does not empty the UTF-16
  // cache: use it to read.
  char& operator[](size_t pos) { return data[pos]; }
  const char& operator[](size_t pos) const { return data[pos]; }

  // --- Searching ----------------------------------------------------------
  // Byte offsets, or npos. A set is a set of bytes (a multi-byte character
  // contributes each byte); x's text ends at its first NUL and a char c is
  // the one-byte text c (so c == 0 is an empty set or needle). Backward
  // searches start at pos, or at length() - 1 when pos >= length().
  // On an empty string every search gives npos. Differences from
  // std::string: find of an empty needle at pos == length() gives npos, and
  // rfind of an empty needle with pos >= length() gives length() - 1.
  size_t find_first_of(const std::string& x, size_t pos = 0) const;
  size_t find_first_of(const ustring& x, size_t pos = 0) const;
  size_t find_first_of(const char* s, size_t pos = 0) const;
  size_t find_first_of(char c, size_t pos = 0) const;

  size_t find_first_not_of(const std::string& x, size_t pos = 0) const;
  size_t find_first_not_of(const ustring& x, size_t pos = 0) const;
  size_t find_first_not_of(const char* s, size_t pos = 0) const;
  size_t find_first_not_of(char c, size_t pos = 0) const;

  size_t find_last_of(const std::string& x, size_t pos = npos) const;
  size_t find_last_of(const ustring& x, size_t pos = npos) const;
  size_t find_last_of(const char* s, size_t pos = npos) const;
  size_t find_last_of(char c, size_t pos = npos) const;

  size_t find_last_not_of(const std::string& x, size_t pos = npos) const;
  size_t find_last_not_of(const ustring& x, size_t pos = npos) const;
  size_t find_last_not_of(const char* s, size_t pos = npos) const;
  size_t find_last_not_of(char c, size_t pos = npos) const;

  size_t find(const std::string& x, size_t pos = 0) const;
  size_t find(const ustring& x, size_t pos = 0) const;
  size_t find(const char* s, size_t pos = 0) const;
  size_t find(char c, size_t pos = 0) const;

  size_t rfind(const std::string& x, size_t pos = npos) const;
  size_t rfind(const ustring& x, size_t pos = npos) const;
  size_t rfind(const char* s, size_t pos = npos) const;
  size_t rfind(char c, size_t pos = npos) const;

  // --- Changing in place --------------------------------------------------
  void clear();  // both forms empty; buffers kept
  // Remove the longest leading / trailing run of bytes that occur in list.
  // An empty list, or nothing to remove, leaves the string (and its UTF-16
  // cache) as it was.
  void ltrim(const char* list);
  void ltrim(const ustring& list);
  void rtrim(const char* list);
  void rtrim(const ustring& list);
  void trim(const char* list);
  void trim(const ustring& list);
  void replace(char c1, char c2);  // every byte c1 becomes c2
  void swap(ustring& s);           // exchanges buffers, no copying

  // Bytes from start on, at most len of them. Throws
  // std::out_of_range("substr") when start > length().
  ustring substr(size_t start = 0, size_t len = npos) const;

  // --- Comparing ----------------------------------------------------------
  // 0 when equal, otherwise the first differing bytes (unsigned) subtracted,
  // a's minus b's: "ab" vs "abc" gives -'c'. caseless folds only ASCII A-Z.
  static int compare(const ustring& a, const ustring& b, bool caseless);
  int compare(const ustring& str) const;
  int compare(const ustring& str, size_t n) const;  // first n bytes at most

  // --- Normalising and validating -----------------------------------------
  // x in NFC or NFD; empty on failure (with a warning on standard error) and
  // for bytes that are not well-formed UTF-8. x only gets its cache built.
  static ustring normalize(const ustring& x, normalization_form n);
  ustring normalize(normalization_form n) const;
  // Whether x's bytes (up to the first NUL) are well-formed UTF-8; the
  // empty string is.
  static bool is_valid(const ustring& x);

 protected:
  char* data;
  size_t data_len;
  size_t data_cap;
  mutable uchar16_t* wdata;
  mutable size_t wdata_len;
  mutable size_t wdata_cap;

  // Empty state: 4-byte and 4-unit buffers holding the empty string.
  void init();
  // Give a buffer room for n bytes / units, terminator included (n >= 1):
  // kept when capacity / 2 <= n <= capacity, otherwise resized to exactly n,
  // contents kept. Throws std::bad_alloc, buffer unchanged, on failure.
  void realloc_data(size_t n);
  void realloc_wdata(size_t n) const;
  void clear_data();
  void clear_wdata() const;  // empties the UTF-16 cache; buffer kept
  // Builds the UTF-16 cache from the bytes. -1 (with a warning, cache empty,
  // bytes untouched) when ICU rejects them.
  int convert_from_data() const;
  // Regenerates the bytes from the UTF-16 form. -1 (with a warning, whole
  // string empty) when ICU rejects the units. Out of memory: the cache is
  // emptied before std::bad_alloc propagates, so the forms never disagree.
  int convert_from_wdata();

 private:
  bool owns_byte(const char* p) const;
  bool owns_unit(const uchar16_t* p) const;
  size_t text_len(const char* s, size_t max) const;
  size_t units_len(const uchar16_t* s, size_t max) const;
  size_t part_len(size_t pos, size_t len) const;
  size_t last_start(size_t pos) const;
  ustring& append_bytes(const char* s, size_t k);
  ustring& bytes_appended(size_t k);
  ustring& append_units(const uchar16_t* s, size_t k);
  bool reserve_units(size_t k);
  ustring& units_appended(size_t k);
};

ustring operator+(const ustring& lhs, const ustring& rhs);
ustring operator+(const ustring& lhs, const char* rhs);
ustring operator+(const ustring& lhs, char rhs);
ustring operator+(const ustring& lhs, const uchar16_t* rhs);
ustring operator+(const ustring& lhs, uchar16_t rhs);

bool operator<(const ustring& lhs, const ustring& rhs);
bool operator>(const ustring& lhs, const ustring& rhs);
bool operator==(const ustring& lhs, const ustring& rhs);
bool operator!=(const ustring& lhs, const ustring& rhs);
bool operator<=(const ustring& lhs, const ustring& rhs);
bool operator>=(const ustring& lhs, const ustring& rhs);

void swap(ustring& lhs, ustring& rhs);

// Writes the UTF-8 bytes up to the first NUL.
std::ostream& operator<<(std::ostream& os, const ustring& s);
// Reads one whitespace-delimited word, as std::string extraction does.
std::istream& operator>>(std::istream& is, ustring& s);
