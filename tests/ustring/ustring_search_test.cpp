// The search family: worked examples, the empty string, every overload
// agreeing, and a differential check against std::string.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ustring_probe.h"

namespace {

constexpr size_t npos = ustring::npos;

enum class Op { FirstOf, FirstNotOf, LastOf, LastNotOf, Find, RFind };

const char* Name(Op op) {
  switch (op) {
    case Op::FirstOf: return "find_first_of";
    case Op::FirstNotOf: return "find_first_not_of";
    case Op::LastOf: return "find_last_of";
    case Op::LastNotOf: return "find_last_not_of";
    case Op::Find: return "find";
    case Op::RFind: return "rfind";
  }
  return "?";
}

const Op kAllOps[] = {Op::FirstOf, Op::FirstNotOf, Op::LastOf, Op::LastNotOf, Op::Find, Op::RFind};

// Runs op through each of its overloads whose argument can carry the
// needle and expects them to agree; returns the const char* result.
size_t Search(const ustring& s, Op op, const std::string& needle, size_t pos) {
  std::vector<size_t> results;
  auto run = [&](const auto& arg) {
    switch (op) {
      case Op::FirstOf: results.push_back(s.find_first_of(arg, pos)); break;
      case Op::FirstNotOf: results.push_back(s.find_first_not_of(arg, pos)); break;
      case Op::LastOf: results.push_back(s.find_last_of(arg, pos)); break;
      case Op::LastNotOf: results.push_back(s.find_last_not_of(arg, pos)); break;
      case Op::Find: results.push_back(s.find(arg, pos)); break;
      case Op::RFind: results.push_back(s.rfind(arg, pos)); break;
    }
  };
  run(needle.c_str());
  run(needle);
  run(ustring(needle));
  if (needle.size() <= 1) run(needle.empty() ? '\0' : needle[0]);  // '\0' is the empty text
  for (size_t i = 1; i < results.size(); ++i)
    EXPECT_EQ(results[i], results[0]) << "overload " << i << " disagrees";
  return results[0];
}

struct SearchCase {
  const char* name;
  const char* text;
  Op op;
  const char* needle;
  size_t pos;
  size_t expected;
};

TEST(UstringSearch, WorkedExamples) {
  const SearchCase cases[] = {
      {"last slash", "a/b/c", Op::LastOf, "/", npos, 3},
      {"rfind slash", "a/b/c", Op::RFind, "/", npos, 3},
      {"first slash from 2", "a/b/c", Op::FirstOf, "/", 2, 3},
      {"first not a", "a/b/c", Op::FirstNotOf, "a", 0, 1},
      {"find empty from 1", "a/b/c", Op::Find, "", 1, 1},
      {"find empty at length", "a/b/c", Op::Find, "", 5, npos},
      {"find empty past length", "a/b/c", Op::Find, "", 6, npos},
      {"rfind empty", "a/b/c", Op::RFind, "", npos, 4},
      {"rfind empty at length", "a/b/c", Op::RFind, "", 5, 4},
      {"rfind empty inside", "a/b/c", Op::RFind, "", 2, 2},
      {"last not of empty set", "a/b/c", Op::LastNotOf, "", npos, 4},
      {"first of empty set", "a/b/c", Op::FirstOf, "", 0, npos},
      {"first not of empty set from 2", "a/b/c", Op::FirstNotOf, "", 2, 2},
      {"first not of empty set past end", "a/b/c", Op::FirstNotOf, "", 5, npos},
      {"rfind b/c", "a/b/c", Op::RFind, "b/c", npos, 2},
      {"rfind match runs past start", "a/b/c", Op::RFind, "b/c", 2, 2},
      {"rfind before match", "a/b/c", Op::RFind, "b/c", 1, npos},
      {"find c/", "a/b/c", Op::Find, "c/", 0, npos},
      {"find at last byte", "a/b/c", Op::Find, "c", 4, 4},
      {"find from length", "a/b/c", Op::Find, "c", 5, npos},
      {"last of from 2", "a/b/c", Op::LastOf, "/", 2, 1},
      {"last not of all", "a/b/c", Op::LastNotOf, "abc/", npos, npos},
      {"byte l in héllo", "h\xC3\xA9llo", Op::Find, "l", 0, 3},
      {"multi-byte set, first byte", "h\xC3\xA9llo", Op::FirstOf, "\xC3\xA9", 0, 1},
      {"multi-byte set, last byte", "h\xC3\xA9llo", Op::LastOf, "\xC3\xA9", npos, 2},
      {"one byte of a character", "h\xC3\xA9llo", Op::FirstOf, "\xA9", 0, 2},
      {"not of multi-byte set", "h\xC3\xA9llo", Op::FirstNotOf, "h\xC3\xA9", 0, 3},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Search(ustring(c.text), c.op, c.needle, c.pos), c.expected) << Name(c.op);
  }
}

TEST(UstringSearch, EmptyStringFindsNothing) {
  const ustring empty;
  for (Op op : kAllOps)
    for (const char* needle : {"", "a"})
      for (size_t pos : {size_t{0}, size_t{1}, npos}) {
        SCOPED_TRACE(std::string(Name(op)) + " '" + needle + "' from " + std::to_string(pos));
        EXPECT_EQ(Search(empty, op, needle, pos), npos);
      }
}

TEST(UstringSearch, ScansStopAtAnEmbeddedNul) {
  ustring s("ab");
  s.append('\0', 1);
  s.append("c");
  ASSERT_EQ(s.length(), 4u);  // the NUL counts, but scans end there
  EXPECT_EQ(s.find('c'), npos);
  EXPECT_EQ(s.find_first_of("c"), npos);
  EXPECT_EQ(s.find_first_not_of("ab"), npos);
}

// std::string's answer, adjusted by the two documented differences.
size_t Expected(const std::string& s, Op op, const std::string& needle, size_t pos) {
  switch (op) {
    case Op::FirstOf: return s.find_first_of(needle, pos);
    case Op::FirstNotOf: return s.find_first_not_of(needle, pos);
    case Op::LastOf: return s.find_last_of(needle, pos);
    case Op::LastNotOf: return s.find_last_not_of(needle, pos);
    case Op::Find:
      if (needle.empty() && pos == s.size()) return npos;
      return s.find(needle, pos);
    case Op::RFind:
      if (needle.empty() && pos >= s.size()) return s.size() - 1;  // npos when s is empty
      return s.rfind(needle, pos);
  }
  return npos;
}

std::string RandomText(std::mt19937& rng, size_t max_len) {
  static const char kAlphabet[] = "ab/\xC3";
  std::uniform_int_distribution<size_t> length(0, max_len);
  std::uniform_int_distribution<size_t> letter(0, sizeof kAlphabet - 2);
  std::string text(length(rng), ' ');
  for (char& c : text) c = kAlphabet[letter(rng)];
  return text;
}

TEST(UstringSearch, AgreesWithStdStringOnGeneratedStrings) {
  std::mt19937 rng(20240611);
  int checked = 0;
  for (int round = 0; round < 400; ++round) {
    const std::string text = RandomText(rng, 7);
    const std::string needle = RandomText(rng, 3);
    const ustring s(text);
    std::vector<size_t> positions;
    for (size_t pos = 0; pos <= text.size() + 1; ++pos) positions.push_back(pos);
    positions.push_back(npos);
    for (Op op : kAllOps)
      for (size_t pos : positions) {
        const size_t want = Expected(text, op, needle, pos);
        const size_t got = Search(s, op, needle, pos);
        ASSERT_EQ(got, want) << Name(op) << " of '" << needle << "' in '" << text << "' from "
                             << pos;
        ++checked;
      }
  }
  EXPECT_GT(checked, 10000);
}

}  // namespace
