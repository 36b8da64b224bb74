// ustring storage: construction, append/assign, operators, buffer sizes,
// self-references, substr, trimming, comparing, streams, running out of
// memory.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ustring_probe.h"

namespace {

using ustring_test::Bytes;
using ustring_test::ExpectCacheAgrees;
using ustring_test::Probe;
using ustring_test::U;
using ustring_test::Utf16;

constexpr size_t npos = ustring::npos;

TEST(UstringBasics, NewAndClearedStringsAreEmptyButNeverNull) {
  Probe fresh;
  EXPECT_EQ(fresh.byte_capacity(), 4u);
  EXPECT_EQ(fresh.unit_capacity(), 4u);
  Probe cleared("h\xC3\xA9llo");
  cleared.c_str_utf16();
  cleared.clear();
  for (const Probe* s : {&fresh, &cleared}) {
    SCOPED_TRACE(s == &fresh ? "new" : "cleared");
    EXPECT_EQ(s->length(), 0u);
    EXPECT_TRUE(s->empty());
    ASSERT_NE(s->c_str(), nullptr);
    EXPECT_STREQ(s->c_str(), "");
    EXPECT_EQ(s->c_str_utf8(), s->c_str());
    ASSERT_NE(s->c_str_utf16(), nullptr);
    EXPECT_EQ(s->c_str_utf16()[0], 0);
  }
  EXPECT_EQ(cleared.byte_capacity(), 7u) << "clear keeps the buffer";
}

TEST(UstringBasics, LengthsCountBytes) {
  const ustring s("h\xC3\xA9llo");
  EXPECT_EQ(s.length(), 6u);
  EXPECT_EQ(s.size(), 6u);
  EXPECT_EQ(s.find('l', 0), 3u);
  EXPECT_EQ(Utf16(s.c_str_utf16()), u"h\u00E9llo");
  EXPECT_EQ(s[1], '\xC3');
  EXPECT_EQ(s[6], '\0') << "index length() is the terminator";
}

TEST(UstringBasics, ConstructorsTakeTextUpToItsFirstNul) {
  EXPECT_EQ(Bytes(ustring()), "");
  EXPECT_EQ(Bytes(ustring("ab")), "ab");
  EXPECT_EQ(Bytes(ustring(std::string("a\0b", 3))), "a");
  EXPECT_EQ(Bytes(ustring('q')), "q");
  EXPECT_EQ(Bytes(ustring(U(u"\u00E9t\u00E9"))), "\xC3\xA9t\xC3\xA9");
  const Probe original("h\xC3\xA9llo");
  original.c_str_utf16();
  const Probe copy(original);
  EXPECT_EQ(Bytes(copy), Bytes(original));
  EXPECT_EQ(copy.cached_units(), 0u) << "a copy takes the bytes only";
  EXPECT_EQ(copy.byte_capacity(), 7u);
}

// Each row calls append or assign with the same arguments.
#define APPEND_OR_ASSIGN(args) \
  [](ustring& s, bool assign) -> ustring& { return assign ? s.assign args : s.append args; }

struct EditCase {
  const char* name;
  std::function<ustring&(ustring&, bool)> edit;
  std::string part;  // what the arguments contribute
};

TEST(UstringEdit, AppendAddsAndAssignReplaces) {
  const EditCase cases[] = {
      {"c string", APPEND_OR_ASSIGN(("yz")), "yz"},
      {"c string, count", APPEND_OR_ASSIGN(("yzw", 2)), "yz"},
      {"c string, count past its NUL", APPEND_OR_ASSIGN(("y", 5)), "y"},
      {"empty c string", APPEND_OR_ASSIGN(("")), ""},
      {"repeated byte", APPEND_OR_ASSIGN(('-', 3)), "---"},
      {"byte zero times", APPEND_OR_ASSIGN(('-', 0)), ""},
      {"ustring", APPEND_OR_ASSIGN((ustring("yz"), 0, npos)), "yz"},
      {"ustring part", APPEND_OR_ASSIGN((ustring("hello"), 1, 3)), "ell"},
      {"ustring from its end", APPEND_OR_ASSIGN((ustring("hello"), 5, npos)), ""},
      {"std::string part", APPEND_OR_ASSIGN((std::string("hello"), 3, npos)), "lo"},
      {"std::string to its first NUL", APPEND_OR_ASSIGN((std::string("y\0z", 3), 0, npos)), "y"},
      {"UTF-16 text", APPEND_OR_ASSIGN((U(u"\u00E9"))), "\xC3\xA9"},
      {"UTF-16 count", APPEND_OR_ASSIGN((U(u"\u00E9a"), 1)), "\xC3\xA9"},
      {"UTF-16 count past its end", APPEND_OR_ASSIGN((U(u"a"), 9)), "a"},
      {"UTF-16 repeated unit", APPEND_OR_ASSIGN((uchar16_t{0x4E00}, 2)), "\xE4\xB8\x80\xE4\xB8\x80"},
      {"UTF-16 surrogate pair", APPEND_OR_ASSIGN((U(u"\U0001F600"))), "\xF0\x9F\x98\x80"},
      {"0 unit ends UTF-16 text", APPEND_OR_ASSIGN((uchar16_t{0}, 3)), ""},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    Probe appended("x\xC3\xA9");
    appended.c_str_utf16();  // UTF-16 edits start from the cache
    EXPECT_EQ(&c.edit(appended, false), &appended);
    EXPECT_EQ(Bytes(appended), "x\xC3\xA9" + c.part);
    ExpectCacheAgrees(appended);

    Probe assigned("old");
    EXPECT_EQ(&c.edit(assigned, true), &assigned);
    EXPECT_EQ(Bytes(assigned), c.part);
    ExpectCacheAgrees(assigned);
  }
}

template <typename T>
void CheckOperators(const char* name, const T& value, const std::string& part) {
  SCOPED_TRACE(name);
  Probe appended("x");
  appended += value;
  EXPECT_EQ(Bytes(appended), "x" + part);
  Probe assigned("old");
  assigned = value;
  EXPECT_EQ(Bytes(assigned), part);
  const ustring lhs("x");
  EXPECT_EQ(Bytes(lhs + value), "x" + part);
  EXPECT_EQ(Bytes(lhs), "x") << "operator+ copies";
}

TEST(UstringEdit, OperatorsMatchAppendAndAssign) {
  CheckOperators("ustring", ustring("yz"), "yz");
  CheckOperators("std::string", std::string("yz"), "yz");
  CheckOperators("c string", "yz", "yz");
  CheckOperators("UTF-16 text", U(u"y\u00E9"), "y\xC3\xA9");
  CheckOperators("byte", 'y', "y");
  CheckOperators("UTF-16 unit", uchar16_t{0xE9}, "\xC3\xA9");
}

TEST(UstringEdit, NulBytesInsideCountButEndEveryScan) {
  ustring s("a");
  s.append('\0', 2);
  s.append("b");
  EXPECT_EQ(s.length(), 4u);
  EXPECT_EQ(Bytes(s), std::string("a\0\0b", 4));
  EXPECT_EQ(Bytes(s.substr(0, npos)), "a");
  EXPECT_EQ(ustring::compare(s, ustring("a"), false), 0);
  std::ostringstream out;
  out << s;
  EXPECT_EQ(out.str(), "a");
}

// Buffer sizes along one string's life: exact growth, shrinking only when
// the need falls below half the capacity.
TEST(UstringCapacity, BuffersFollowTheHalfCapacityRule) {
  struct Step {
    const char* name;
    std::function<void(Probe&)> act;
    size_t bytes;
    size_t units;
  };
  const Step steps[] = {
      {"new", [](Probe&) {}, 4, 4},
      {"assign 99 bytes", [](Probe& s) { s.assign(std::string(99, 'a')); }, 100, 4},
      {"assign 60 bytes keeps", [](Probe& s) { s.assign(std::string(60, 'a')); }, 100, 4},
      {"assign 49 bytes: 50 is half, keeps", [](Probe& s) { s.assign(std::string(49, 'a')); }, 100, 4},
      {"assign 48 bytes shrinks", [](Probe& s) { s.assign(std::string(48, 'a')); }, 49, 4},
      {"append one byte grows exactly", [](Probe& s) { s.append("b"); }, 50, 4},
      {"clear keeps", [](Probe& s) { s.clear(); }, 50, 4},
      {"assign 10 bytes shrinks", [](Probe& s) { s.assign(std::string(10, 'b')); }, 11, 4},
      {"append nothing", [](Probe& s) { s.append(""); }, 11, 4},
      {"append own text", [](Probe& s) { s.append(s.c_str()); }, 21, 4},
      {"replace keeps", [](Probe& s) { s.replace('b', 'c'); }, 21, 4},
      {"trim to nothing keeps", [](Probe& s) { s.trim("c"); }, 21, 4},
      {"append 3 bytes shrinks", [](Probe& s) { s.append('x', 3); }, 4, 4},
      {"assign h\xC3\xA9llo", [](Probe& s) { s.assign("h\xC3\xA9llo"); }, 7, 4},
      {"build the UTF-16 form", [](Probe& s) { s.c_str_utf16(); }, 7, 6},
      {"byte change keeps the unit buffer", [](Probe& s) { s.assign("a"); }, 2, 6},
      {"short UTF-16 form shrinks it", [](Probe& s) { s.c_str_utf16(); }, 2, 2},
      {"append UTF-16 units", [](Probe& s) { s.append(U(u"b\u00E9")); }, 5, 4},
  };
  Probe s;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act(s);
    EXPECT_EQ(s.byte_capacity(), step.bytes);
    EXPECT_EQ(s.unit_capacity(), step.units);
  }
}

struct SelfCase {
  const char* name;
  const char* initial;
  std::function<void(Probe&)> act;
  const char* expected;
};

TEST(UstringSelfReference, OwnTextAsSource) {
  const SelfCase cases[] = {
      {"append own c_str", "ab", [](Probe& s) { s.append(s.c_str()); }, "abab"},
      {"append own c_str, count", "abc", [](Probe& s) { s.append(s.c_str(), 2); }, "abcab"},
      {"append own tail", "abc", [](Probe& s) { s.append(s.c_str() + 1); }, "abcbc"},
      {"append itself", "abc", [](Probe& s) { s += s; }, "abcabc"},
      {"append own part", "abc", [](Probe& s) { s.append(s, 1, 1); }, "abcb"},
      {"assign own c_str", "abcdef", [](Probe& s) { s.assign(s.c_str()); }, "abcdef"},
      {"assign own c_str, count 2", "abcdef", [](Probe& s) { s.assign(s.c_str(), 2); }, "ab"},
      {"assign own c_str, count 10", "abcdef", [](Probe& s) { s.assign(s.c_str(), 10); }, "abcdef"},
      {"assign own tail", "abcdef", [](Probe& s) { s.assign(s.c_str() + 2); }, "cdef"},
      {"assign own tail, count", "abcdef", [](Probe& s) { s.assign(s.c_str() + 2, 2); }, "cd"},
      {"assign itself", "abc", [](Probe& s) { s.assign(s, 0, npos); }, "abc"},
      {"assign own part", "abc", [](Probe& s) { s.assign(s, 1, 2); }, "bc"},
      {"UTF-16 append own", "ab", [](Probe& s) { s.append(s.c_str_utf16()); }, "abab"},
      {"UTF-16 append own tail", "h\xC3\xA9llo", [](Probe& s) { s.append(s.c_str_utf16() + 1); },
       "h\xC3\xA9llo\xC3\xA9llo"},
      {"UTF-16 assign own", "h\xC3\xA9llo", [](Probe& s) { s.assign(s.c_str_utf16()); }, "h\xC3\xA9llo"},
      {"UTF-16 assign own, count 2", "h\xC3\xA9llo", [](Probe& s) { s.assign(s.c_str_utf16(), 2); },
       "h\xC3\xA9"},
      {"UTF-16 assign own, count 10", "h\xC3\xA9llo", [](Probe& s) { s.assign(s.c_str_utf16(), 10); },
       "h\xC3\xA9llo"},
      {"UTF-16 assign own tail", "h\xC3\xA9llo", [](Probe& s) { s.assign(s.c_str_utf16() + 2); }, "llo"},
      {"trim with own tail", "abca", [](Probe& s) { s.trim(s.c_str() + 3); }, "bc"},
      {"trim with itself", "xyz", [](Probe& s) { s.trim(s); }, ""},
  };
  for (const SelfCase& c : cases) {
    SCOPED_TRACE(c.name);
    Probe s(c.initial);
    c.act(s);
    EXPECT_EQ(Bytes(s), c.expected);
    ExpectCacheAgrees(s);
  }
}

// Operations that change nothing leave the UTF-16 cache as it was.
TEST(UstringSelfReference, NoOpsKeepTheCache) {
  const std::pair<const char*, std::function<void(Probe&)>> cases[] = {
      {"assign own c_str", [](Probe& s) { s.assign(s.c_str()); }},
      {"assign own c_str, count 10", [](Probe& s) { s.assign(s.c_str(), 10); }},
      {"assign own UTF-16", [](Probe& s) { s.assign(s.c_str_utf16()); }},
      {"assign own UTF-16, count 10", [](Probe& s) { s.assign(s.c_str_utf16(), 10); }},
      {"trim with an empty list", [](Probe& s) { s.trim(""); }},
      {"trim with nothing to remove", [](Probe& s) { s.trim("xyz"); }},
      {"ltrim with nothing to remove", [](Probe& s) { s.ltrim(ustring("e")); }},
      {"rtrim with nothing to remove", [](Probe& s) { s.rtrim(ustring("a")); }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    Probe s("abcdef");
    const uchar16_t* cache = s.c_str_utf16();
    act(s);
    EXPECT_EQ(Bytes(s), "abcdef");
    EXPECT_EQ(s.units(), cache);
    EXPECT_EQ(s.cached_units(), 6u);
  }
}

TEST(UstringSubstr, BoundsAndLengths) {
  struct Case {
    size_t start;
    size_t len;
    const char* expected;
  };
  const Case cases[] = {
      {0, npos, "abc"}, {1, npos, "bc"}, {1, 100, "bc"}, {1, 1, "b"},
      {0, 0, ""},       {3, npos, ""},   {3, 5, ""},
  };
  const ustring abc("abc");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + ", " + std::to_string(c.len));
    EXPECT_EQ(Bytes(abc.substr(c.start, c.len)), c.expected);
  }
}

// A start past the end throws before the target changes.
TEST(UstringSubstr, StartPastTheEndThrows) {
  const ustring abc("abc");
  const std::pair<const char*, std::function<void(ustring&)>> cases[] = {
      {"substr", [&](ustring&) { (void)abc.substr(4, npos); }},
      {"append ustring", [&](ustring& s) { s.append(abc, 4, npos); }},
      {"assign ustring", [&](ustring& s) { s.assign(abc, 4, 1); }},
      {"assign own part", [&](ustring& s) { s.assign(s, 5, 1); }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    ustring target("keep");
    try {
      act(target);
      ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), "substr");
    }
    EXPECT_EQ(Bytes(target), "keep");
  }
  for (bool assign : {false, true}) {
    SCOPED_TRACE(assign ? "assign std::string" : "append std::string");
    ustring target("keep");
    const std::string source("abc");
    EXPECT_THROW(assign ? target.assign(source, 4, 1) : target.append(source, 4, 1), std::out_of_range);
    EXPECT_EQ(Bytes(target), "keep");
  }
}

struct TrimCase {
  const char* name;
  const char* text;
  const char* list;
  const char* ltrimmed;
  const char* rtrimmed;
  const char* trimmed;
};

TEST(UstringTrim, RemovesRunsOfListedBytes) {
  const TrimCase cases[] = {
      {"blanks", "  x  ", " ", "x  ", "  x", "x"},
      {"empty list", "  x  ", "", "  x  ", "  x  ", "  x  "},
      {"everything", "xyz", "zyx", "", "", ""},
      {"inner blank stays", "a b", " ", "a b", "a b", "a b"},
      {"several bytes", "/./a/./", "./", "a/./", "/./a", "a"},
      {"empty string", "", " ", "", "", ""},
      {"one byte of a character", "\xC3\xA9" "a\xC3\xA9", "\xC3", "\xA9" "a\xC3\xA9",
       "\xC3\xA9" "a\xC3\xA9", "\xA9" "a\xC3\xA9"},
  };
  using Trim = void (ustring::*)(const char*);
  using TrimU = void (ustring::*)(const ustring&);
  const struct {
    const char* name;
    Trim by_text;
    TrimU by_ustring;
    const char* TrimCase::*expected;
  } ops[] = {
      {"ltrim", &ustring::ltrim, &ustring::ltrim, &TrimCase::ltrimmed},
      {"rtrim", &ustring::rtrim, &ustring::rtrim, &TrimCase::rtrimmed},
      {"trim", &ustring::trim, &ustring::trim, &TrimCase::trimmed},
  };
  for (const TrimCase& c : cases)
    for (const auto& op : ops) {
      SCOPED_TRACE(std::string(c.name) + ", " + op.name);
      Probe by_text(c.text);
      (by_text.*op.by_text)(c.list);
      EXPECT_EQ(Bytes(by_text), c.*op.expected);
      EXPECT_EQ(by_text.byte_capacity(), Probe(c.text).byte_capacity()) << "no reallocation";
      Probe by_ustring(c.text);
      (by_ustring.*op.by_ustring)(ustring(c.list));
      EXPECT_EQ(Bytes(by_ustring), c.*op.expected);
    }
}

TEST(UstringReplace, SwapsEveryByteInPlace) {
  Probe s("a/b/c");
  s.c_str_utf16();
  const char* buffer = s.bytes();
  s.replace('/', '\\');
  EXPECT_EQ(Bytes(s), "a\\b\\c");
  EXPECT_EQ(s.bytes(), buffer);
  EXPECT_EQ(s.cached_units(), 0u);
  s.replace('q', 'r');
  EXPECT_EQ(Bytes(s), "a\\b\\c");
}

TEST(UstringCompare, ByteDifferences) {
  struct Case {
    const char* a;
    const char* b;
    bool caseless;
    int expected;
  };
  const Case cases[] = {
      {"abc", "abd", false, -1},
      {"ab", "abc", false, -'c'},
      {"abc", "ab", false, 'c'},
      {"abc", "ABC", false, 'a' - 'A'},
      {"ABC", "abc", true, 0},
      {"Zebra", "zEBRA", true, 0},
      {"\xC3\x89", "\xC3\xA9", true, 0x89 - 0xA9},  // only ASCII letters fold
      {"@", "`", true, '@' - '`'},                   // neighbours of A and a do not
      {"[", "{", true, '[' - '{'},
      {"\xC3\xA9", "z", false, 0xC3 - 'z'},          // bytes compare unsigned
      {"", "", false, 0},
      {"", "a", true, -'a'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b + (c.caseless ? ", caseless" : ""));
    const ustring a(c.a), b(c.b);
    EXPECT_EQ(ustring::compare(a, b, c.caseless), c.expected);
    if (!c.caseless) {
      EXPECT_EQ(a.compare(b), c.expected);
    }
  }
}

TEST(UstringCompare, FirstNBytes) {
  struct Case {
    const char* a;
    const char* b;
    size_t n;
    int expected;
  };
  const Case cases[] = {
      {"abc", "abd", 2, 0},  {"abc", "abd", 3, -1}, {"a", "b", 0, 0},
      {"ab", "abc", 5, -'c'}, {"abc", "abc", npos, 0}, {"Ab", "ab", 1, 'A' - 'a'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b + " over " + std::to_string(c.n));
    EXPECT_EQ(ustring(c.a).compare(ustring(c.b), c.n), c.expected);
  }
}

TEST(UstringCompare, OperatorsFollowByteOrder) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"a", "a", 0}, {"a", "b", -1}, {"B", "a", -1}, {"ab", "a", 1}, {"\xC3\xA9", "z", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    const ustring a(c.a), b(c.b);
    EXPECT_EQ(a < b, c.sign < 0);
    EXPECT_EQ(a > b, c.sign > 0);
    EXPECT_EQ(a == b, c.sign == 0);
    EXPECT_EQ(a != b, c.sign != 0);
    EXPECT_EQ(a <= b, c.sign <= 0);
    EXPECT_EQ(a >= b, c.sign >= 0);
  }
  std::map<ustring, int> keys{{"b", 2}, {"\xC3\xA9", 3}, {"B", 1}, {"a", 0}};
  std::string order;
  for (const auto& entry : keys) order += entry.first.c_str();
  EXPECT_EQ(order, "Bab\xC3\xA9");
}

TEST(UstringStream, ReadsWordsAndWritesBytes) {
  std::istringstream in("  foo bar");
  ustring word("old");
  in >> word;
  EXPECT_EQ(Bytes(word), "foo");
  in >> word;
  EXPECT_EQ(Bytes(word), "bar");
  EXPECT_FALSE(in >> word);
  EXPECT_EQ(Bytes(word), "bar") << "a failed read leaves the string, like std::string";

  std::ostringstream out;
  out << ustring("h\xC3\xA9") << '|' << ustring();
  EXPECT_EQ(out.str(), "h\xC3\xA9|");
}

TEST(UstringSwap, ExchangesBuffersWithoutCopying) {
  Probe a("first");
  Probe b(std::string(40, 'b'));
  a.c_str_utf16();
  const char* a_bytes = a.bytes();
  const char* b_bytes = b.bytes();
  const uchar16_t* a_units = a.units();
  a.swap(b);
  EXPECT_EQ(a.bytes(), b_bytes);
  EXPECT_EQ(b.bytes(), a_bytes);
  EXPECT_EQ(b.units(), a_units);
  EXPECT_EQ(b.cached_units(), 5u);
  EXPECT_EQ(a.cached_units(), 0u);
  EXPECT_EQ(a.byte_capacity(), 41u);
  swap(a, b);
  EXPECT_EQ(Bytes(a), "first");
  EXPECT_EQ(Bytes(b), std::string(40, 'b'));
}

// Requests that no allocator can meet, or that do not even fit in size_t.
TEST(UstringMemory, FailedAllocationThrowsAndKeepsAConsistentString) {
  struct Case {
    const char* name;
    std::function<void(Probe&)> act;
    const char* remains;
  };
  const Case cases[] = {
      {"append past size_t", [](Probe& s) { s.append('x', npos); }, "abc"},
      {"append too many bytes", [](Probe& s) { s.append('x', npos / 2); }, "abc"},
      {"append too many units", [](Probe& s) { s.append(uchar16_t{'x'}, npos / 4); }, "abc"},
      {"append units past size_t", [](Probe& s) { s.append(uchar16_t{'x'}, npos); }, "abc"},
      {"assign too many bytes", [](Probe& s) { s.assign('x', npos / 2); }, ""},
      {"assign too many units", [](Probe& s) { s.assign(uchar16_t{'x'}, npos / 4); }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Probe s("abc");
    s.c_str_utf16();
    EXPECT_THROW(c.act(s), std::bad_alloc);
    EXPECT_EQ(Bytes(s), c.remains);
    ExpectCacheAgrees(s);
  }
}

}  // namespace
