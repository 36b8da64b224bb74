// Starting the client: PostUpgrade runs the start script of the user's copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linux/linux-service.h"
#include "log_capture.h"
#include "service_support.h"

namespace {

using servicetest::ServiceLines;
using testsupport::LogCapture;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

// A start script that writes its argument count and arguments to record,
// but only after a pause, so the record is there only once it has ended.
std::string RecordingScript(const std::string& record, int exit_code) {
  return "#!/bin/sh\n"
         "{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } >'" + record + ".part'\n"
         "sleep 0.3\n"
         "mv '" + record + ".part' '" + record + "'\n"
         "exit " + std::to_string(exit_code) + "\n";
}

TEST(PostUpgrade, RunsTheStartScriptWithTheOneArgumentStartAndWaitsForIt) {
  const char* const homes[] = {"plain", "with blanks", "with blanks and \xc3\xbcml\xc3\xa4uts",
                               "shell $characters; *"};
  for (const char* name : homes) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string home = dir.sub(name);
    const std::string record = dir.sub("record");
    WriteFile(home + "/.Larkspan/Larkspan.app/package/start-stop", RecordingScript(record, 0),
              0755);
    ScopedEnv env("HOME", home);
    LinuxService service;
    service.PostUpgrade();
    EXPECT_EQ(ReadFile(record), "1\nstart\n");
  }
}

struct BrokenScriptCase {
  const char* name;
  bool present;
  mode_t mode;
  int exit_code;
  bool runs;
};

TEST(PostUpgrade, IgnoresAMissingOrFailingStartScript) {
  const BrokenScriptCase cases[] = {
      {"missing", false, 0755, 0, false},
      {"not_executable", true, 0644, 0, false},
      {"fails", true, 0755, 3, true},
  };
  for (const BrokenScriptCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home;
    const std::string record = home.sub("record");
    if (c.present)
      WriteFile(home.sub(".Larkspan/Larkspan.app/package/start-stop"),
                RecordingScript(record, c.exit_code), c.mode);
    ScopedEnv env("HOME", home.path());
    LinuxService service;
    LogCapture log;
    service.PostUpgrade();
    EXPECT_EQ(PathExists(record), c.runs);
    EXPECT_TRUE(ServiceLines(log.Lines()).empty());
  }
}

}  // namespace
