// The temporary name generator: RC4 against known answers, the name
// encoding, the key source and the shared instance.
#include "tmp_name_gen.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "test_support.h"

// Reaches the generator's private constructors and state.
class TmpNameGenTestPeer {
 public:
  // RC4 with a short key repeats it over the whole key, which is what the
  // generator's 256-byte key schedule sees.
  static std::unique_ptr<TmpNameGen> FromShortKey(const std::string& short_key) {
    std::vector<unsigned char> key(256);
    for (size_t i = 0; i < key.size(); ++i)
      key[i] = static_cast<unsigned char>(short_key[i % short_key.size()]);
    return std::unique_ptr<TmpNameGen>(new TmpNameGen(key.data()));
  }
  static std::unique_ptr<TmpNameGen> FromSource(const std::string& path) {
    return std::unique_ptr<TmpNameGen>(new TmpNameGen(path.c_str()));
  }
  static std::vector<unsigned char> SBox(const TmpNameGen& gen) {
    return {gen.m_s_box, gen.m_s_box + 256};
  }
  static std::vector<unsigned char> Key(const TmpNameGen& gen) {
    return {gen.m_key, gen.m_key + 256};
  }
};

namespace {

using Peer = TmpNameGenTestPeer;

const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

bool IsWellFormed(const std::string& name) {
  return name.size() == 8 && name.find_first_not_of(kAlphabet) == std::string::npos;
}

bool IsPermutation(std::vector<unsigned char> s) {
  std::sort(s.begin(), s.end());
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] != i) return false;
  return s.size() == 256;
}

// The first name of each row is the start of the published RC4 keystream for
// that key (Key: EB 9F 77 81 B7 34; Wiki: 60 44 DB 6D 41 B7; Secret: 04 D4 6B
// 05 3C A8). By hand for "Key": EB 9F 77 = 111010 111001 111101 110111 =
// 58 57 61 55 = "WVZT"; 81 B7 34 = 100000 011011 011100 110100 = 32 27 28 52 =
// "wrsQ". The later names restart i and j on the permutation left behind;
// they and the permutation heads were computed separately from the RC4
// definition.
struct KnownKey {
  const char* key;
  std::vector<int> s_box_head;  // first 16 bytes after the key schedule
  std::vector<std::string> names;
};

const KnownKey kKnownKeys[] = {
    {"Key",
     {75, 51, 132, 157, 192, 200, 29, 168, 74, 243, 131, 228, 18, 112, 130, 144},
     {"WVZTwrsQ", "lnIM_-bL", "FVonc5Qc"}},
    {"Wiki",
     {139, 160, 46, 154, 32, 177, 91, 188, 187, 21, 40, 161, 73, 240, 49, 200},
     {"o4jrrk6T", "qsXTs8Xi", "NfD4PpE6"}},
    {"Secret",
     {46, 181, 30, 147, 38, 63, 184, 113, 165, 32, 122, 14, 40, 91, 77, 195},
     {"1dhH1jOE", "sRzbY0ni", "b8E5FCmf"}},
};

TEST(TmpNameGen, KnownKeysGiveKnownNames) {
  for (const KnownKey& row : kKnownKeys) {
    SCOPED_TRACE(row.key);
    auto gen = Peer::FromShortKey(row.key);
    const auto s_box = Peer::SBox(*gen);
    EXPECT_EQ(std::vector<int>(s_box.begin(), s_box.begin() + 16), row.s_box_head);
    for (const std::string& expected : row.names) EXPECT_EQ(gen->getTmpName().c_str(), expected);
    EXPECT_TRUE(IsPermutation(Peer::SBox(*gen)));
  }
}

TEST(TmpNameGen, KeyComesFromTheSource) {
  testsupport::TempDir tmp;
  std::string bytes;
  while (bytes.size() < 300) bytes += "Key";
  testsupport::WriteFile(tmp.sub("source"), bytes);

  auto gen = Peer::FromSource(tmp.sub("source"));
  const auto key = Peer::Key(*gen);
  EXPECT_EQ(std::string(key.begin(), key.end()), bytes.substr(0, 256));
  EXPECT_STREQ(gen->getTmpName().c_str(), "WVZTwrsQ");
}

TEST(TmpNameGen, TimeOfDaySeedsWhenTheSourceFails) {
  testsupport::TempDir tmp;
  testsupport::WriteFile(tmp.sub("short"), "0123456789");
  testsupport::MakeDirs(tmp.sub("dir"));
  for (const std::string& source : {tmp.sub("missing"), tmp.sub("short"), tmp.sub("dir")}) {
    SCOPED_TRACE(source);
    timeval before, after;
    gettimeofday(&before, nullptr);
    auto gen = Peer::FromSource(source);
    gettimeofday(&after, nullptr);

    const auto key = Peer::Key(*gen);
    const std::string text(reinterpret_cast<const char*>(key.data()));
    const size_t dash = text.find('-');
    ASSERT_NE(dash, std::string::npos) << text;
    const unsigned long seconds = std::stoul(text.substr(0, dash));
    const unsigned long micros = std::stoul(text.substr(dash + 1));
    EXPECT_EQ(text, std::to_string(seconds) + "-" + std::to_string(micros));
    EXPECT_GE(seconds, static_cast<unsigned long>(before.tv_sec));
    EXPECT_LE(seconds, static_cast<unsigned long>(after.tv_sec));
    EXPECT_LT(micros, 1000000ul);
    // The text covers whatever a short read left behind; the rest stays zero.
    EXPECT_TRUE(std::all_of(key.begin() + text.size(), key.end(), [](unsigned char b) { return b == 0; }));
    EXPECT_TRUE(IsWellFormed(gen->getTmpName().c_str()));
  }
}

TEST(TmpNameGen, NamesUseTheWholeAlphabet) {
  std::set<char> seen;
  for (int i = 0; i < 2000; ++i) {
    const std::string name = TmpNameGen::getInstance()->getTmpName().c_str();
    ASSERT_TRUE(IsWellFormed(name)) << name;
    seen.insert(name.begin(), name.end());
  }
  EXPECT_EQ(seen, std::set<char>(kAlphabet.begin(), kAlphabet.end()));
}

TEST(TmpNameGen, PathJoinsPrefixAndName) {
  struct Row {
    const char* prefix;
    const char* expected_start;
  };
  const Row rows[] = {{"/tmp", "/tmp/"}, {"", "/"}, {"dir/", "dir//"}, {"a/b", "a/b/"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.prefix);
    const std::string path = TmpNameGen::getInstance()->getTmpPath(row.prefix).c_str();
    const std::string start = row.expected_start;
    ASSERT_EQ(path.size(), start.size() + 8);
    EXPECT_EQ(path.substr(0, start.size()), start);
    EXPECT_TRUE(IsWellFormed(path.substr(start.size())));
  }
}

TEST(TmpNameGen, ThreadsShareOneInstanceAndDistinctNames) {
  constexpr int kThreads = 8;
  constexpr int kNamesEach = 500;
  std::vector<TmpNameGen*> instances(kThreads);
  std::vector<std::vector<std::string>> names(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &instances, &names] {
      instances[t] = TmpNameGen::getInstance();
      for (int i = 0; i < kNamesEach; ++i) names[t].push_back(instances[t]->getTmpName().c_str());
    });
  }
  for (std::thread& th : threads) th.join();

  std::set<std::string> all;
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(instances[t], TmpNameGen::getInstance());
    for (const std::string& name : names[t]) {
      EXPECT_TRUE(IsWellFormed(name)) << name;
      all.insert(name);
    }
  }
  // 4000 names of 48 bits: a repeat means bytes were shared between threads.
  EXPECT_EQ(all.size(), static_cast<size_t>(kThreads * kNamesEach));
}

}  // namespace
