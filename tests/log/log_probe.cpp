// Logs in a fresh process, where the logger is still in its start-up state,
// for the tests of the console sinks. Results of Initialize go to standard
// output as "name=result" lines.
//
//   log_probe startup <folder>   before and after failed set-ups
//   log_probe stdout|stderr      after setting up that sink
//   log_probe android <log>      after setting up the message-only sink
#include <cstdio>
#include <cstring>
#include <string>

#include "log.h"

namespace {

void Report(const char* name, int result) {
  std::printf("%s=%d\n", name, result);
  std::fflush(stdout);
}

void LogWarningAndInfo(const char* when) {
  Logger::LogMsg(Logger::L_WARNING, "probe_debug", "[WARNING] probe(%d): %s\n", 1, when);
  Logger::LogMsg(Logger::L_INFO, "probe_debug", "[INFO] probe(%d): %s\n", 2, when);
}

int Startup(const std::string& folder) {
  LogWarningAndInfo("before setup");
  Report("empty_path", Logger::Initialize(Logger::FILE_LOGGER, "", "", 50));
  const std::string missing = folder + "/missing/launcher.log";
  Report("missing_folder", Logger::Initialize(Logger::FILE_LOGGER, missing.c_str(), "", 50));
  LogWarningAndInfo("after failed setup");
  return 0;
}

int Console(Logger::Type type) {
  Report("init", Logger::Initialize(type, "", "", 50));
  LogWarningAndInfo("console");
  return 0;
}

int Android(const char* log_path) {
  Report("init", Logger::Initialize(Logger::ANDROID_LOGGER, log_path, "", 50));
  LogWarningAndInfo("message only");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "startup" && argc > 2) return Startup(argv[2]);
  if (mode == "stdout") return Console(Logger::STDOUT_LOGGER);
  if (mode == "stderr") return Console(Logger::STDERR_LOGGER);
  if (mode == "android" && argc > 2) return Android(argv[2]);
  std::fprintf(stderr, "usage: log_probe startup <folder> | stdout | stderr | android <log>\n");
  return 2;
}
