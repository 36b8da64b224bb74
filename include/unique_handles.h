// Owners of the C handles the support library and its users open: the
// handle is closed when its owner goes away, on every path.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(FILE* f) const noexcept { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<FILE, FileCloser>;

struct DirCloser {
  void operator()(DIR* d) const noexcept { ::closedir(d); }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

// Owns a file descriptor; release() hands it over, e.g. to a checked close.
class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) noexcept : fd_(fd) {}
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const noexcept { return fd_; }
  bool valid() const noexcept { return fd_ >= 0; }
  int release() noexcept {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};
