// Version records and the upgrade decision, on real INFO files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "log_capture.h"
#include "service_support.h"

namespace {

using servicetest::ServiceLines;
using servicetest::ServiceUnderTest;
using testsupport::LogCapture;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

enum class Program { kInstalled, kMissing, kDanglingLink, kNotExecutable };

void PlaceProgram(const std::string& path, Program program) {
  std::remove(path.c_str());
  switch (program) {
    case Program::kInstalled:
      WriteFile(path, "#!/bin/sh\n", 0755);
      break;
    case Program::kNotExecutable:
      WriteFile(path, "#!/bin/sh\n", 0644);
      break;
    case Program::kDanglingLink:
      testsupport::MakeDirs(path.substr(0, path.rfind('/')));
      ASSERT_EQ(symlink("larkspan-drive-ui.gone", path.c_str()), 0);
      break;
    case Program::kMissing:
      break;
  }
}

struct DecisionCase {
  const char* name;
  const char* source_build;
  const char* target_build;
  Program program;
  int logged_source;
  int logged_target;
  bool need_upgrade;
};

TEST(UpgradeDecision, ComparesBuildNumbersAndWantsAProgram) {
  const DecisionCase cases[] = {
      {"compared_as_numbers", "9", "10", Program::kInstalled, 9, 10, true},
      {"same_build", "10", "10", Program::kInstalled, 10, 10, false},
      {"older_target", "11", "10", Program::kInstalled, 11, 10, false},
      {"same_build_program_missing", "10", "10", Program::kMissing, 10, 10, true},
      {"same_build_program_dangling_link", "10", "10", Program::kDanglingLink, 10, 10, true},
      {"same_build_program_not_executable", "10", "10", Program::kNotExecutable, 10, 10, false},
      {"trailing_text_ignored", "12abc", "12", Program::kInstalled, 12, 12, false},
      {"leading_blanks_skipped", " 7", "7", Program::kInstalled, 7, 7, false},
      {"text_without_digits_is_zero", "abc", "1", Program::kInstalled, 0, 1, true},
      {"negative_source", "-3", "0", Program::kInstalled, -3, 0, true},
      {"no_source_record", "", "5", Program::kInstalled, 0, 5, true},
      {"no_records", "", "", Program::kInstalled, 0, 0, false},
      {"huge_source_clamped", "99999999999", "5", Program::kInstalled, INT_MAX, 5, false},
      {"huge_negative_source_clamped", "-99999999999", "0", Program::kInstalled, INT_MIN, 0, true},
      {"huge_target_clamped", "5", "99999999999", Program::kInstalled, 5, INT_MAX, true},
  };
  TempDir home;
  ScopedEnv env("HOME", home.path());
  const std::string program = home.sub(".Larkspan/Larkspan.app/bin/larkspan-drive-ui");
  for (const DecisionCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(PlaceProgram(program, c.program));
    ServiceUnderTest service;
    service.source_version.build_version = c.source_build;
    service.target_version.build_version = c.target_build;
    // The other fields disagree the other way round: only the build counts.
    service.source_version.major_version = "3";
    service.target_version.major_version = "2";
    service.source_version.icon_overlay_version = "9";
    service.target_version.icon_overlay_version = "1";
    LogCapture log;
    EXPECT_EQ(service.IsNeedUpgrade(), c.need_upgrade);
    const std::vector<std::string> expected = {
        "[DEBUG] linux/linux-service(N): source version = " + std::to_string(c.logged_source) +
        ", target version = " + std::to_string(c.logged_target)};
    EXPECT_EQ(ServiceLines(log.Lines()), expected);
  }
}

struct SourceFileCase {
  const char* name;
  const char* info;  // null: no file
  const char* fields[4];
  const char* logged;
};

TEST(SourceVersion, TakesTheFourKeysOfTheVersionGroup) {
  // Every case starts from a record filled with "x", to show which fields a
  // read replaces.
  const SourceFileCase cases[] = {
      {"all_keys",
       "[Version]\nmajor_version=2\nminor_version=5\nbuild_version=123\nicon_overlay_version=7\n",
       {"2", "5", "123", "7"},
       "[INFO] cloud-service(N): source_version = (2, 5, 123, 7)"},
      {"blanks_around_values",
       "[Version]\nbuild_version = 42 \n",
       {"x", "x", "42", "x"},
       "[INFO] cloud-service(N): source_version = (x, x, 42, x)"},
      {"keys_outside_the_group",
       "major_version=2\nbuild_version=123\n[Other]\nminor_version=5\nicon_overlay_version=7\n",
       {"x", "x", "x", "x"},
       "[INFO] cloud-service(N): source_version = (x, x, x, x)"},
      {"empty_value_replaces_absent_key_keeps",
       "[Version]\nmajor_version=1\nbuild_version=\n",
       {"1", "x", "", "x"},
       "[INFO] cloud-service(N): source_version = (1, x, , x)"},
      {"no_file", nullptr, {"x", "x", "x", "x"}, "[INFO] cloud-service(N): source does not exist"},
  };
  for (const SourceFileCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home;
    ScopedEnv env("HOME", home.path());
    if (c.info) WriteFile(home.sub(".Larkspan/Larkspan.app/INFO"), c.info);
    ServiceUnderTest service;
    ServiceUnderTest::VersionInfo& v = service.source_version;
    v.major_version = v.minor_version = v.build_version = v.icon_overlay_version = "x";
    LogCapture log;
    service.LoadSourceVersion();
    EXPECT_STREQ(v.major_version.c_str(), c.fields[0]);
    EXPECT_STREQ(v.minor_version.c_str(), c.fields[1]);
    EXPECT_STREQ(v.build_version.c_str(), c.fields[2]);
    EXPECT_STREQ(v.icon_overlay_version.c_str(), c.fields[3]);
    EXPECT_EQ(ServiceLines(log.Lines()), std::vector<std::string>{c.logged});
  }
}

struct PreUpgradeCase {
  const char* name;
  const char* target_info;  // ROOT/INFO; null: no file
  const char* source_info;  // the user's copy; null: no file
  std::vector<std::string> lines;
  bool need_upgrade;
};

// ROOT/INFO lies beside the program, so these run the probe.
TEST(PreUpgrade, LogsTheTargetRecordBeforeTheSourceRecord) {
  const char* const kOld = "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=100\n"
                           "icon_overlay_version=4\n";
  const char* const kNew = "[Version]\nmajor_version=1\nminor_version=1\nbuild_version=200\n"
                           "icon_overlay_version=5\n";
  const PreUpgradeCase cases[] = {
      {"both_records",
       kNew,
       kOld,
       {"[INFO] cloud-service(N): target_version = (1, 1, 200, 5)",
        "[INFO] cloud-service(N): source_version = (1, 0, 100, 4)",
        "[DEBUG] linux/linux-service(N): Source version: ('100', '4')",
        "[DEBUG] linux/linux-service(N): Target version: ('200', '5')",
        "[DEBUG] linux/linux-service(N): source version = 100, target version = 200"},
       true},
      {"no_source_record",
       kNew,
       nullptr,
       {"[INFO] cloud-service(N): target_version = (1, 1, 200, 5)",
        "[INFO] cloud-service(N): source does not exist",
        "[DEBUG] linux/linux-service(N): Source version: ('', '')",
        "[DEBUG] linux/linux-service(N): Target version: ('200', '5')",
        "[DEBUG] linux/linux-service(N): source version = 0, target version = 200"},
       true},
      {"no_target_record",
       nullptr,
       kOld,
       {"[INFO] cloud-service(N): target_version = (, , , )",
        "[INFO] cloud-service(N): source_version = (1, 0, 100, 4)",
        "[DEBUG] linux/linux-service(N): Source version: ('100', '4')",
        "[DEBUG] linux/linux-service(N): Target version: ('', '')",
        "[DEBUG] linux/linux-service(N): source version = 100, target version = 0"},
       false},
  };
  for (const PreUpgradeCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string root = dir.sub("root");
    const std::string home = dir.sub("home");
    if (c.target_info) WriteFile(root + "/INFO", c.target_info);
    if (c.source_info) WriteFile(home + "/.Larkspan/Larkspan.app/INFO", c.source_info);
    WriteFile(home + "/.Larkspan/Larkspan.app/bin/larkspan-drive-ui", "#!/bin/sh\n", 0755);
    servicetest::ProbeRun run = servicetest::RunProbe(root + "/bin", home, "versions");
    ASSERT_EQ(run.exit_code, 0);
    EXPECT_EQ(ServiceLines(run.log), c.lines);
    EXPECT_EQ(run.values["need_upgrade"], c.need_upgrade ? "1" : "0");
  }
}

}  // namespace
