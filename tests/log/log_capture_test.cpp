#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log.h"
#include "log_capture.h"
#include "test_support.h"

namespace {

TEST(LogCaptureTest, CapturesEveryLevelOfItsComponentsWithoutTimeStamps) {
  testsupport::LogCapture capture;
  for (const std::string& component : testsupport::LogCapture::DefaultComponents())
    Logger::LogMsg(Logger::L_DEBUG, component.c_str(), "[DEBUG] %s(%d): captured\n",
                   component.c_str(), 7);
  Logger::LogMsg(Logger::L_DEBUG, "outside_debug", "[DEBUG] outside(%d): dropped\n", 8);
  Logger::LogMsg(Logger::L_ERR, "outside_debug", "[ERROR] outside(%d): two\nlines\n", 9);

  EXPECT_EQ(capture.Lines(), (std::vector<std::string>{
                                 "[DEBUG] launcher_debug(7): captured",
                                 "[DEBUG] service_debug(7): captured",
                                 "[DEBUG] extractor_debug(7): captured",
                                 "[DEBUG] file_op_debug(7): captured",
                                 "[ERROR] outside(9): two",
                                 "lines",
                             }));
  EXPECT_EQ(capture.Count("captured"), 4);
  EXPECT_TRUE(capture.Contains("service_debug(7)"));
  EXPECT_FALSE(capture.Contains("dropped"));
}

TEST(LogCaptureTest, SetsItsComponentsBackWhenItEnds) {
  { testsupport::LogCapture capture({"mine_debug"}); }
  testsupport::TempDir dir;
  const std::string path = dir.sub("after.log");
  ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, path.c_str(), "", 50), 0);
  Logger::LogMsg(Logger::L_NOTICE, "mine_debug", "[NOTE] mine(%d): dropped\n", 1);
  Logger::LogMsg(Logger::L_WARNING, "mine_debug", "[WARNING] mine(%d): kept\n", 2);
  Logger::Destroy();
  Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
  const std::vector<std::string> lines = testsupport::ReadLines(path);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("[WARNING] mine(2): kept"), std::string::npos);
}

}  // namespace
