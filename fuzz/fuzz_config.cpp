// Feeds arbitrary bytes to Config::read as a file and checks what every read
// must keep: a failed read leaves nothing, every key and value keeps to its
// byte class, the entries written back out read in as the same table, the
// quote-keeping mode differs only by the quotes, a second read of the same
// file changes nothing, and operator[] finds what was read and adds what
// was not.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "config.h"
#include "fuzz_support.h"

namespace {

using Table = std::map<std::string, std::string>;

const std::string& InputPath() {
  static const std::string path = fuzzsupport::ScratchFolder("fuzz_config") + "/input";
  return path;
}

const std::string& RewrittenPath() {
  static const std::string path = fuzzsupport::ScratchFolder("fuzz_config") + "/rewritten";
  return path;
}

Table Entries(Config& config) {
  Table table;
  for (const auto& [key, value] : config) table[key.c_str()] = value.c_str();
  return table;
}

bool IsKeyByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
         c == '_' || c == '.';
}
bool IsValueByte(unsigned char c) { return c >= 0x20 && c != 0x7F; }

template <typename Pred>
bool AllBytes(const std::string& s, Pred pred) {
  for (unsigned char c : s)
    if (!pred(c)) return false;
  return true;
}

// The value as a line would give it back: bare when it can stand alone,
// otherwise in the quote it does not contain. A value holds at most one
// kind of quote whenever it needs quoting, since it was read that way.
std::string Spelled(const std::string& value) {
  const bool bare = !value.empty() && value.find(' ') == std::string::npos &&
                    value[0] != '"' && value[0] != '\'';
  if (bare) return value;
  const char quote = value.find('"') == std::string::npos ? '"' : '\'';
  return quote + value + quote;
}

void CheckRewrittenReadsTheSame(const Table& table) {
  std::string text;
  for (const auto& [key, value] : table) text += key + " = " + Spelled(value) + "\n";
  fuzzsupport::WriteBytes(RewrittenPath(), text);
  Config again;
  FUZZ_CHECK(again.read(RewrittenPath().c_str()) == 0);
  FUZZ_CHECK(Entries(again) == table);
}

void CheckQuotesAreTheOnlyDifference(int result, const Table& table) {
  Config keeping;
  keeping.set_preserve(true);
  FUZZ_CHECK(keeping.read(InputPath().c_str()) == result);
  const Table kept = Entries(keeping);
  FUZZ_CHECK(kept.size() == table.size());
  for (const auto& [key, value] : table) {
    const auto it = kept.find(key);
    FUZZ_CHECK(it != kept.end());
    const std::string& with_quotes = it->second;
    if (with_quotes == value) continue;
    FUZZ_CHECK(with_quotes.size() == value.size() + 2);
    FUZZ_CHECK(with_quotes.front() == '"' || with_quotes.front() == '\'');
    FUZZ_CHECK(with_quotes.back() == with_quotes.front());
    FUZZ_CHECK(with_quotes.compare(1, value.size(), value) == 0);
  }
}

void CheckLookups(Config& config, const Table& table) {
  for (const auto& [key, value] : table) FUZZ_CHECK(value == config[key.c_str()].c_str());
  FUZZ_CHECK(Entries(config) == table);

  // "\x01" is no key byte, so this key cannot have been read.
  const std::string missing = (table.empty() ? std::string() : table.begin()->first) + "\x01";
  FUZZ_CHECK(config[missing.c_str()].empty());
  Table grown = table;
  grown[missing] = "";
  FUZZ_CHECK(Entries(config) == grown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::WriteBytes(InputPath(), std::string(reinterpret_cast<const char*>(data), size));

  Config config;
  const int result = config.read(InputPath().c_str());
  FUZZ_CHECK(result == 0 || result == -1);
  const Table table = Entries(config);
  if (result == -1) FUZZ_CHECK(table.empty());
  for (const auto& [key, value] : table) {
    FUZZ_CHECK(AllBytes(key, IsKeyByte));
    FUZZ_CHECK(AllBytes(value, IsValueByte));
  }

  CheckRewrittenReadsTheSame(table);
  CheckQuotesAreTheOnlyDifference(result, table);

  // The same file again adds nothing new and replaces values by themselves.
  FUZZ_CHECK(config.read(InputPath().c_str()) == result);
  FUZZ_CHECK(Entries(config) == table);

  CheckLookups(config, table);
  return 0;
}
