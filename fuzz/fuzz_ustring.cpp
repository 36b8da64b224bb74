// Fuzzes ustring's byte operations against std::string on the same bytes,
// and its conversions against a plain reading of the UTF-8 and UTF-16
// rules: validity, the UTF-8 -> UTF-16 -> UTF-8 round trip, NFC/NFD
// normalisation, the search family, trimming, substr and comparing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "ustring/ustring.h"

namespace {

constexpr size_t npos = ustring::npos;

// ustring writes its conversion warnings to std::cerr; they are collected
// here so that each case can check it got exactly the warning it expects.
std::ostringstream& Warnings() {
  static std::ostringstream warnings;
  return warnings;
}

std::string TakeWarnings() {
  std::string text = Warnings().str();
  Warnings().str("");
  return text;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

std::string UpToNul(const std::string& s) { return s.substr(0, s.find('\0')); }

std::string Bytes(const ustring& u) { return std::string(u.c_str(), u.length()); }

// --- The UTF-8 and UTF-16 rules, read plainly -------------------------------

// Length of the well-formed UTF-8 sequence at s[i], or 0.
size_t SequenceLength(const std::string& s, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80) return 1;
  size_t len = 0;
  unsigned char lo = 0x80;  // bounds of the second byte
  unsigned char hi = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3;
    if (lead == 0xE0) lo = 0xA0;  // overlong
    if (lead == 0xED) hi = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4;
    if (lead == 0xF0) lo = 0x90;  // overlong
    if (lead == 0xF4) hi = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(s[i + 1]);
  if (second < lo || second > hi) return 0;
  for (size_t k = 2; k < len; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return len;
}

// Number of UTF-16 units of well-formed UTF-8, or npos when it is not.
size_t Utf16Length(const std::string& s) {
  size_t units = 0;
  for (size_t i = 0; i < s.size();) {
    const size_t len = SequenceLength(s, i);
    if (len == 0) return npos;
    units += len == 4 ? 2 : 1;
    i += len;
  }
  return units;
}

bool IsHigh(uchar16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(uchar16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Number of UTF-8 bytes of well-formed UTF-16, or npos for a lone surrogate.
size_t Utf8Length(const std::vector<uchar16_t>& units) {
  size_t bytes = 0;
  for (size_t i = 0; i < units.size(); ++i) {
    const uchar16_t u = units[i];
    if (IsHigh(u) && i + 1 < units.size() && IsLow(units[i + 1])) {
      bytes += 4;
      ++i;
    } else if (IsHigh(u) || IsLow(u)) {
      return npos;
    } else {
      bytes += u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
    }
  }
  return bytes;
}

std::vector<uchar16_t> Units(const uchar16_t* s) {
  std::vector<uchar16_t> units;
  while (*s != 0) units.push_back(*s++);
  return units;
}

// --- Searching ----------------------------------------------------------------

// Offsets worth trying on a text of length len: every one on short texts,
// the edges and one picked by the input on long ones; always past the end
// and npos.
std::vector<size_t> Positions(size_t len, size_t pick) {
  std::vector<size_t> positions;
  if (len <= 64) {
    for (size_t p = 0; p <= len + 1; ++p) positions.push_back(p);
  } else {
    positions = {0, 1, len / 2, len - 1, len, len + 1, pick % (len + 2)};
  }
  positions.push_back(npos);
  return positions;
}

enum class Search { kFirstOf, kFirstNotOf, kLastOf, kLastNotOf, kFind, kRfind };

size_t Expected(Search op, const std::string& text, const std::string& needle, size_t pos) {
  const size_t len = text.size();
  switch (op) {
    case Search::kFirstOf: return text.find_first_of(needle, pos);
    case Search::kFirstNotOf: return text.find_first_not_of(needle, pos);
    case Search::kLastOf: return text.find_last_of(needle, pos);
    case Search::kLastNotOf: return text.find_last_not_of(needle, pos);
    // The two documented differences from std::string.
    case Search::kFind:
      return needle.empty() && pos == len ? npos : text.find(needle, pos);
    case Search::kRfind:
      return needle.empty() && pos >= len ? len - 1 : text.rfind(needle, pos);
  }
  std::abort();
}

template <typename Needle>
size_t Actual(Search op, const ustring& u, const Needle& needle, size_t pos) {
  switch (op) {
    case Search::kFirstOf: return u.find_first_of(needle, pos);
    case Search::kFirstNotOf: return u.find_first_not_of(needle, pos);
    case Search::kLastOf: return u.find_last_of(needle, pos);
    case Search::kLastNotOf: return u.find_last_not_of(needle, pos);
    case Search::kFind: return u.find(needle, pos);
    case Search::kRfind: return u.rfind(needle, pos);
  }
  std::abort();
}

// needle_raw may hold NUL bytes: every overload reads it up to the first.
void CheckSearches(const ustring& u, const std::string& text, const std::string& needle_raw,
                   size_t pick) {
  const std::string needle = UpToNul(needle_raw);
  const ustring u_needle(needle_raw);
  const Search ops[] = {Search::kFirstOf, Search::kFirstNotOf, Search::kLastOf,
                        Search::kLastNotOf, Search::kFind,    Search::kRfind};
  for (const Search op : ops) {
    for (const size_t pos : Positions(text.size(), pick)) {
      const size_t expected = Expected(op, text, needle, pos);
      FUZZ_CHECK(Actual(op, u, needle_raw, pos) == expected);
      FUZZ_CHECK(Actual(op, u, u_needle, pos) == expected);
      FUZZ_CHECK(Actual(op, u, needle.c_str(), pos) == expected);
      if (needle.size() <= 1) {
        const char c = needle.empty() ? '\0' : needle[0];
        FUZZ_CHECK(Actual(op, u, c, pos) == expected);
      }
    }
  }
}

// --- Changing and cutting -------------------------------------------------------

void CheckTrimming(const std::string& text, const std::string& list) {
  // trim is ltrim, then rtrim.
  std::string left = text;
  std::string right = text;
  std::string both = text;
  if (!list.empty()) {
    const size_t first = text.find_first_not_of(list);
    left = first == npos ? "" : text.substr(first);
    right = text.substr(0, text.find_last_not_of(list) + 1);  // npos + 1 == 0
    both = left.substr(0, left.find_last_not_of(list) + 1);
  }

  ustring l(text), r(text), t(text), lu(text), ru(text), tu(text);
  const ustring u_list(list);
  l.ltrim(list.c_str());
  r.rtrim(list.c_str());
  t.trim(list.c_str());
  lu.ltrim(u_list);
  ru.rtrim(u_list);
  tu.trim(u_list);
  FUZZ_CHECK(Bytes(l) == left && Bytes(lu) == left);
  FUZZ_CHECK(Bytes(r) == right && Bytes(ru) == right);
  FUZZ_CHECK(Bytes(t) == both && Bytes(tu) == both);

  // A string's own bytes as the list: every byte goes.
  ustring self_l(text), self_r(text), self_t(text);
  self_l.ltrim(self_l.c_str());
  self_r.rtrim(self_r.c_str());
  self_t.trim(self_t.c_str());
  FUZZ_CHECK(self_l.empty() && self_r.empty() && self_t.empty());
}

void CheckSubstr(const ustring& u, const std::string& text, size_t pick) {
  const size_t len = text.size();
  const size_t lengths[] = {0, 1, 2, len, npos, pick};
  for (size_t start : Positions(len, pick)) {
    if (start == npos) continue;
    for (const size_t n : lengths) {
      if (start > len) {
        bool thrown = false;
        try {
          (void)u.substr(start, n);
        } catch (const std::out_of_range& e) {
          thrown = std::string(e.what()) == "substr";
        }
        FUZZ_CHECK(thrown);
      } else {
        FUZZ_CHECK(Bytes(u.substr(start, n)) == text.substr(start, n));
      }
    }
  }
}

void CheckSelfAppend(const std::string& text) {
  ustring twice(text);
  twice.append(twice.c_str());
  FUZZ_CHECK(Bytes(twice) == text + text);
  ustring part(text);
  part.assign(part, part.length() / 2, npos);
  FUZZ_CHECK(Bytes(part) == text.substr(text.size() / 2));
}

// --- Comparing ------------------------------------------------------------------

unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// The first differing bytes, a's minus b's, over at most n bytes.
int ExpectedCompare(const std::string& a, const std::string& b, size_t n, bool caseless) {
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = i < a.size() ? a[i] : 0;
    unsigned char y = i < b.size() ? b[i] : 0;
    if (caseless) {
      x = Fold(x);
      y = Fold(y);
    }
    if (x != y || x == 0) return x - y;
  }
  return 0;
}

void CheckCompare(const std::string& a, const std::string& b, size_t pick) {
  const ustring ua(a), ub(b);
  FUZZ_CHECK(ustring::compare(ua, ub, false) == ExpectedCompare(a, b, npos, false));
  FUZZ_CHECK(ustring::compare(ua, ub, true) == ExpectedCompare(a, b, npos, true));
  FUZZ_CHECK(ua.compare(ub, pick) == ExpectedCompare(a, b, pick, false));
  FUZZ_CHECK((ua < ub) == (a < b) && (ua > ub) == (a > b));
  FUZZ_CHECK((ua == ub) == (a == b) && (ua != ub) == (a != b));
  FUZZ_CHECK((ua <= ub) == (a <= b) && (ua >= ub) == (a >= b));
}

// --- Unicode ----------------------------------------------------------------------

// Appending the UTF-16 form (0-terminated) in two pieces, cut between whole
// characters.
void CheckAppendInPieces(const ustring& u, const std::vector<uchar16_t>& terminated, size_t pick) {
  const size_t units = terminated.size() - 1;
  size_t cut = pick % (units + 1);
  if (cut > 0 && cut < units && IsHigh(terminated[cut - 1])) --cut;
  ustring pieces;
  pieces.append(terminated.data(), cut);
  pieces.append(terminated.data() + cut);
  FUZZ_CHECK(pieces == u);
}

void CheckValidUtf8(const ustring& u, const std::string& text, size_t pick) {
  const std::vector<uchar16_t> units = Units(u.c_str_utf16());
  FUZZ_CHECK(units.size() == Utf16Length(text));
  std::vector<uchar16_t> terminated = units;
  terminated.push_back(0);
  FUZZ_CHECK(Bytes(ustring(terminated.data())) == text);
  CheckAppendInPieces(u, terminated, pick);

  const ustring nfc = u.normalize(ustring::NFC);
  const ustring nfd = u.normalize(ustring::NFD);
  FUZZ_CHECK(nfc.empty() == text.empty() && nfd.empty() == text.empty());
  FUZZ_CHECK(ustring::is_valid(nfc) && ustring::is_valid(nfd));
  FUZZ_CHECK(nfd.normalize(ustring::NFC) == nfc);
  FUZZ_CHECK(nfc.normalize(ustring::NFD) == nfd);
  FUZZ_CHECK(nfc.normalize(ustring::NFC) == nfc);
  FUZZ_CHECK(TakeWarnings().empty());
}

void CheckInvalidUtf8(const ustring& u, const std::string& text) {
  const std::string warning = "Warning: u_strFromUTF8: error code ";
  FUZZ_CHECK(*u.c_str_utf16() == 0);
  FUZZ_CHECK(StartsWith(TakeWarnings(), warning));
  FUZZ_CHECK(Bytes(u) == text);
  FUZZ_CHECK(u.normalize(ustring::NFC).empty());
  FUZZ_CHECK(StartsWith(TakeWarnings(), warning));
}

// The input's bytes read as UTF-16 units, low byte first, up to a 0 unit.
void CheckUtf16Input(const std::string& raw) {
  std::vector<uchar16_t> units;
  for (size_t i = 0; i + 1 < raw.size(); i += 2) {
    const uchar16_t unit = static_cast<uchar16_t>(static_cast<unsigned char>(raw[i]) |
                                                  static_cast<unsigned char>(raw[i + 1]) << 8);
    if (unit == 0) break;
    units.push_back(unit);
  }
  const size_t bytes = Utf8Length(units);
  units.push_back(0);
  const ustring u(units.data());
  if (bytes == npos) {
    FUZZ_CHECK(u.empty());
    FUZZ_CHECK(StartsWith(TakeWarnings(), "Warning: u_strToUTF8: error code "));
    return;
  }
  FUZZ_CHECK(u.length() == bytes);
  FUZZ_CHECK(ustring::is_valid(u));
  units.pop_back();
  FUZZ_CHECK(Units(u.c_str_utf16()) == units);
  FUZZ_CHECK(TakeWarnings().empty());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::cerr.rdbuf(Warnings().rdbuf());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const size_t pick = provider.ConsumeIntegral<uint8_t>();
  const std::string needle_raw = provider.ConsumeRandomLengthString(16);
  const std::string raw = provider.ConsumeRemainingBytesAsString();
  const std::string text = UpToNul(raw);
  TakeWarnings();

  const ustring u(raw);
  FUZZ_CHECK(Bytes(u) == text);
  FUZZ_CHECK(ustring::is_valid(u) == (Utf16Length(text) != npos));
  if (Utf16Length(text) != npos)
    CheckValidUtf8(u, text, pick);
  else
    CheckInvalidUtf8(u, text);
  CheckUtf16Input(raw);

  CheckSearches(u, text, needle_raw, pick);
  CheckTrimming(text, UpToNul(needle_raw));
  CheckSubstr(u, text, pick);
  CheckSelfAppend(text);
  CheckCompare(text, UpToNul(needle_raw), pick);
  return 0;
}
