#include "log_capture.h"

#include <algorithm>

#include "log.h"

namespace testsupport {

namespace {

constexpr size_t kStampLength = 16;  // "%b %d %H:%M:%S " in the C locale

bool StartsWithStamp(const std::string& line) {
  return line.size() >= kStampLength && line[3] == ' ' && line[6] == ' ' && line[9] == ':' &&
         line[12] == ':' && line[15] == ' ';
}

}  // namespace

std::vector<std::string> LogCapture::DefaultComponents() {
  return {"launcher_debug", "service_debug", "extractor_debug", "file_op_debug"};
}

LogCapture::LogCapture(std::vector<std::string> components)
    : dir_("larkspan-log"), components_(std::move(components)), log_path_(dir_.sub("capture.log")) {
  const std::string levels = WriteLevels("capture.debug", Logger::L_DEBUG);
  if (Logger::Initialize(Logger::FILE_LOGGER, log_path_.c_str(), levels.c_str(), 50) != 0)
    ADD_FAILURE() << "cannot log to " << log_path_;
}

LogCapture::~LogCapture() {
  // The level table keeps its entries, so set the components back explicitly.
  const std::string levels = WriteLevels("restore.debug", Logger::L_WARNING);
  Logger::Destroy();
  Logger::Initialize(Logger::STDERR_LOGGER, "", levels.c_str(), 50);
}

std::string LogCapture::WriteLevels(const std::string& name, int level) const {
  std::string content;
  for (const std::string& component : components_)
    content += component + "=" + std::to_string(level) + "\n";
  const std::string path = dir_.sub(name);
  WriteFile(path, content);
  return path;
}

std::vector<std::string> LogCapture::Lines() const {
  std::vector<std::string> lines = ReadLines(log_path_);
  for (std::string& line : lines)
    if (StartsWithStamp(line)) line.erase(0, kStampLength);
  return lines;
}

bool LogCapture::Contains(const std::string& text) const { return Count(text) > 0; }

int LogCapture::Count(const std::string& text) const {
  const std::vector<std::string> lines = Lines();
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(text) != std::string::npos;
  }));
}

}  // namespace testsupport
