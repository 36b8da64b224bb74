#include "ustring_probe.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace ustring_test {

StderrCapture::StderrCapture() {
  std::cerr.flush();
  std::fflush(stderr);
  saved_fd_ = ::dup(STDERR_FILENO);
  const int fd = ::open(dir_.sub("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (saved_fd_ < 0 || fd < 0) {
    ADD_FAILURE() << "cannot redirect standard error";
    if (fd >= 0) ::close(fd);
    return;
  }
  ::dup2(fd, STDERR_FILENO);
  ::close(fd);
}

StderrCapture::~StderrCapture() { Restore(); }

void StderrCapture::Restore() {
  if (saved_fd_ < 0) return;
  std::cerr.flush();
  std::fflush(stderr);
  ::dup2(saved_fd_, STDERR_FILENO);
  ::close(saved_fd_);
  saved_fd_ = -1;
}

std::string StderrCapture::Take() {
  Restore();
  return testsupport::ReadFile(dir_.sub("stderr"));
}

::testing::Matcher<std::string> WarningLines(const std::string& what, int code, int count) {
  return ::testing::MatchesRegex("(Warning: " + what + ": error code " + std::to_string(code) +
                                 " at line [1-9][0-9]*\n){" + std::to_string(count) + "}");
}

}  // namespace ustring_test
