// The UTF-16 side of ustring: the cache, conversion failures and their
// warnings, normalisation, validation, and running out of memory between
// the UTF-16 edit and the UTF-8 regeneration.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unicode/utypes.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <new>
#include <string>

#include "ustring_probe.h"

#if defined(__SANITIZE_ADDRESS__)
#define USTRING_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define USTRING_TEST_ASAN 1
#endif
#endif

#ifdef USTRING_TEST_ASAN
// The memory tests ask for sizes no allocator can meet; the string must see
// the failure (and throw std::bad_alloc) rather than the sanitizer abort.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
#endif

namespace {

using ustring_test::Bytes;
using ustring_test::ExpectCacheAgrees;
using ustring_test::Probe;
using ustring_test::StderrCapture;
using ustring_test::U;
using ustring_test::Utf16;
using ustring_test::WarningLines;

const char kEAcute[] = "\xC3\xA9";        // é, composed
const char kEAcuteNfd[] = "e\xCC\x81";    // e + combining acute
const char kNotUtf8[] = "\xC3\x28";       // lead byte without its continuation

TEST(UstringCache, BuiltOnDemandAndEmptiedByEveryByteChange) {
  const std::pair<const char*, std::function<void(Probe&)>> changes[] = {
      {"append text", [](Probe& s) { s.append("!"); }},
      {"append count", [](Probe& s) { s.append("!?", 1); }},
      {"append bytes", [](Probe& s) { s.append('!', 2); }},
      {"append ustring", [](Probe& s) { s += ustring("!"); }},
      {"append std::string", [](Probe& s) { s += std::string("!"); }},
      {"assign text", [](Probe& s) { s = "new"; }},
      {"assign own prefix", [](Probe& s) { s.assign(s.c_str(), 3); }},
      {"replace", [](Probe& s) { s.replace('l', 'L'); }},
      {"ltrim", [](Probe& s) { s.ltrim("h"); }},
      {"rtrim", [](Probe& s) { s.rtrim("o"); }},
      {"clear", [](Probe& s) { s.clear(); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    Probe s("h\xC3\xA9llo");
    EXPECT_EQ(s.cached_units(), 0u) << "nothing built before it is asked for";
    EXPECT_EQ(Utf16(s.c_str_utf16()), u"h\u00E9llo");
    EXPECT_EQ(s.cached_units(), 5u);
    change(s);
    EXPECT_EQ(s.cached_units(), 0u);
    EXPECT_EQ(s.units()[0], 0);
    EXPECT_EQ(Utf16(s.c_str_utf16()), Utf16(ustring(s.c_str()).c_str_utf16()));
  }
}

TEST(UstringCache, Utf16EditsLeaveBothFormsCurrent) {
  struct Case {
    const char* name;
    std::function<void(Probe&)> act;
    const char* bytes;
    std::u16string units;
  };
  const Case cases[] = {
      {"append to an unbuilt cache", [](Probe& s) { s.append(U(u"\u00FC")); }, "ab\xC3\xBC", u"ab\u00FC"},
      {"append count", [](Probe& s) { s.append(U(u"xyz"), 2); }, "abxy", u"abxy"},
      {"append units", [](Probe& s) { s += uchar16_t{0x20AC}; }, "ab\xE2\x82\xAC", u"ab\u20AC"},
      {"assign", [](Probe& s) { s = U(u"\u00E9t\u00E9"); }, "\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
      {"assign own prefix", [](Probe& s) { s.assign(s.c_str_utf16(), 1); }, "a", u"a"},
      {"append empty", [](Probe& s) { s.append(U(u"")); }, "ab", u"ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Probe s("ab");
    c.act(s);
    EXPECT_EQ(Bytes(s), c.bytes);
    EXPECT_EQ(s.cached_units(), c.units.size());
    EXPECT_EQ(Utf16(s.units()), c.units);
  }
}

TEST(UstringConversion, BytesIcuRejectsStayButHaveNoUtf16Form) {
  Probe s(kNotUtf8);
  StderrCapture err;
  EXPECT_EQ(s.c_str_utf16()[0], 0);
  EXPECT_EQ(s.c_str_utf16()[0], 0);
  EXPECT_THAT(err.Take(), WarningLines("u_strFromUTF8", U_INVALID_CHAR_FOUND, 2))
      << "the conversion is tried, and reported, on every call";
  EXPECT_EQ(Bytes(s), kNotUtf8);
  EXPECT_EQ(s.find('(', 0), 1u) << "byte operations still work";
  EXPECT_EQ(Bytes(s + "!"), std::string(kNotUtf8) + "!");
}

// With no UTF-16 form to append to, a UTF-16 append would replace the
// bytes; it leaves them instead.
TEST(UstringConversion, Utf16AppendKeepsBytesIcuRejects) {
  for (bool by_unit : {false, true}) {
    SCOPED_TRACE(by_unit ? "unit" : "text");
    Probe s(kNotUtf8);
    StderrCapture err;
    by_unit ? s.append(uchar16_t{'x'}, 1) : s.append(U(u"x"));
    EXPECT_THAT(err.Take(), WarningLines("u_strFromUTF8", U_INVALID_CHAR_FOUND));
    EXPECT_EQ(Bytes(s), kNotUtf8);
    ExpectCacheAgrees(s);
  }
}

TEST(UstringConversion, Utf16IcuRejectsLeavesTheStringEmpty) {
  const std::pair<const char*, std::function<void(Probe&)>> cases[] = {
      {"append a lone high surrogate", [](Probe& s) { s.append(uchar16_t{0xD800}, 1); }},
      {"append a lone low surrogate", [](Probe& s) { s.append(U(u"x\xDC00")); }},
      {"assign a lone surrogate", [](Probe& s) { s = uchar16_t{0xDBFF}; }},
      {"cut a surrogate pair", [](Probe& s) {
         s.append(U(u"\U0001F600"));
         s.assign(s.c_str_utf16(), 3);
       }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    Probe s("ab");
    StderrCapture err;
    act(s);
    EXPECT_THAT(err.Take(), WarningLines("u_strToUTF8", U_INVALID_CHAR_FOUND));
    EXPECT_EQ(Bytes(s), "");
    EXPECT_EQ(s.cached_units(), 0u);
    EXPECT_EQ(s.units()[0], 0);
  }
  StderrCapture err;
  const ustring constructed(U(u"\xD800"));
  EXPECT_THAT(err.Take(), WarningLines("u_strToUTF8", U_INVALID_CHAR_FOUND));
  EXPECT_TRUE(constructed.empty());
}

TEST(UstringNormalize, ComposesAndDecomposes) {
  struct Case {
    const char* name;
    const char* text;
    ustring::normalization_form form;
    const char* expected;
  };
  const Case cases[] = {
      {"NFD of e acute", kEAcute, ustring::NFD, kEAcuteNfd},
      {"NFC of e + acute", kEAcuteNfd, ustring::NFC, kEAcute},
      {"NFC keeps composed", kEAcute, ustring::NFC, kEAcute},
      {"NFD of A ring", "\xC3\x85", ustring::NFD, "A\xCC\x8A"},
      {"ASCII unchanged", "abc", ustring::NFD, "abc"},
      {"NFC reorders marks", "a\xCC\x81\xCC\xA3", ustring::NFC, "\xE1\xBA\xA1\xCC\x81"},
      {"empty", "", ustring::NFC, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Probe x(c.text);
    StderrCapture err;
    const ustring result = ustring::normalize(x, c.form);
    EXPECT_EQ(err.Take(), "");
    EXPECT_EQ(Bytes(result), c.expected);
    EXPECT_EQ(Bytes(x.normalize(c.form)), c.expected);
    EXPECT_EQ(Bytes(x), c.text) << "the source keeps its bytes";
    ExpectCacheAgrees(x);
  }
}

TEST(UstringNormalize, BytesIcuRejectsGiveAnEmptyResult) {
  const ustring x(kNotUtf8);
  StderrCapture err;
  const ustring result = x.normalize(ustring::NFC);
  EXPECT_THAT(err.Take(), WarningLines("u_strFromUTF8", U_INVALID_CHAR_FOUND));
  EXPECT_TRUE(result.empty());
  EXPECT_EQ(Bytes(x), kNotUtf8);
}

TEST(UstringValidate, WellFormedUtf8) {
  const std::pair<const char*, bool> cases[] = {
      {"", true},
      {"abc", true},
      {"h\xC3\xA9llo", true},
      {"\xF0\x9F\x98\x80", true},
      {kNotUtf8, false},
      {"\xC0\xAF", false},      // overlong
      {"\xE2\x82", false},      // truncated
      {"\xED\xA0\x80", false},  // encoded surrogate
      {"\xFF", false},
  };
  for (const auto& [text, valid] : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(text)));
    StderrCapture err;
    EXPECT_EQ(ustring::is_valid(ustring(text)), valid);
    EXPECT_EQ(err.Take(), "");
  }
}

#ifndef USTRING_TEST_ASAN
// Bytes of address space in use, from /proc/self/status.
size_t AddressSpaceInUse() {
  std::ifstream status("/proc/self/status");
  std::string key;
  size_t kb = 0;
  while (status >> key)
    if (key == "VmSize:" && status >> kb) return kb * 1024;
  return 0;
}

// Room for the UTF-16 edit but not for the UTF-8 form it regenerates: the
// string must come back as it was, not with a cache that disagrees.
int AppendUnderAddressLimit() {
  const size_t units = size_t{48} << 20;  // 96 MiB of UTF-16, 144 MiB of UTF-8
  Probe s("ab");
  s.c_str_utf16();
  const size_t in_use = AddressSpaceInUse();
  if (in_use == 0) return 3;
  const rlimit limit{in_use + units * 2 + (size_t{32} << 20), RLIM_INFINITY};
  if (setrlimit(RLIMIT_AS, &limit) != 0) return 4;
  try {
    s.append(uchar16_t{0x4E00}, units);
  } catch (const std::bad_alloc&) {
    const bool sound = Bytes(s) == "ab" && s.cached_units() == 0 && s.units()[0] == 0;
    return sound ? 0 : 2;
  }
  return 1;  // the limit did not bite
}

TEST(UstringMemory, FailureAfterTheUtf16EditKeepsTheOldValue) {
  EXPECT_EXIT(_exit(AppendUnderAddressLimit()), ::testing::ExitedWithCode(0), "");
}
#else
TEST(UstringMemory, FailureAfterTheUtf16EditKeepsTheOldValue) {
  GTEST_SKIP() << "the sanitizer reserves more address space than any limit allows";
}
#endif

}  // namespace
