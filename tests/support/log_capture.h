// LogCapture: sends the process's log to a private file for the life of the
// object, so a test can check the exact lines its code logged.
//
//   testsupport::LogCapture log;   // launcher, service, extractor, file_op at 7
//   RunTheCode();
//   EXPECT_TRUE(log.Contains("[ERROR] extractor("));
//   EXPECT_EQ(log.Count("Failed to read pid file"), 1);
//
// The logger is process-global: use one LogCapture at a time, and only while
// no other thread logs (it calls Logger::Initialize and Logger::Destroy).
// When it goes away, the captured components are set back to L_WARNING and
// the log goes to standard error again.
#pragma once

#include <string>
#include <vector>

#include "test_support.h"

namespace testsupport {

class LogCapture {
 public:
  // Components written at every level (7) while the capture lives.
  static std::vector<std::string> DefaultComponents();

  explicit LogCapture(std::vector<std::string> components = DefaultComponents());
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // Lines logged since the capture started, without line ends and without the
  // 16-character time stamp. A message that spans lines gives several lines;
  // only those that start with a time stamp lose one. Covers up to 1 MiB of
  // log, the size at which the file rotates.
  std::vector<std::string> Lines() const;
  // Whether some line contains text.
  bool Contains(const std::string& text) const;
  // How many lines contain text.
  int Count(const std::string& text) const;

  const std::string& LogPath() const { return log_path_; }

 private:
  // Writes a level file with every component at level and returns its path.
  std::string WriteLevels(const std::string& name, int level) const;

  TempDir dir_;
  std::vector<std::string> components_;
  std::string log_path_;
};

}  // namespace testsupport
