// Helpers shared by the test programs: a private temporary folder per test,
// guards that restore the environment and file modes, and small file helpers.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace testsupport {

// A fresh folder below $TMPDIR (or /tmp), removed with everything in it when
// the object goes away. Modes are restored first so that a test that took
// permissions away still cleans up.
class TempDir {
 public:
  explicit TempDir(const std::string& tag = "larkspan-test");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + rel
  std::string sub(const std::string& rel) const;

 private:
  std::string path_;
};

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::string old_;
  bool had_old_;
};

// Changes a path's permission bits for the life of the object.
class ScopedMode {
 public:
  ScopedMode(const std::string& path, mode_t mode);
  ~ScopedMode();
  ScopedMode(const ScopedMode&) = delete;
  ScopedMode& operator=(const ScopedMode&) = delete;

 private:
  std::string path_;
  mode_t old_;
};

// Sets the process umask for the life of the object.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t old_;
};

bool RunningAsRoot();

// Writes (or overwrites) a file with the given bytes; creates missing parents.
void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644);
// Whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Lines of a file, line ends removed.
std::vector<std::string> ReadLines(const std::string& path);
void MakeDirs(const std::string& path);
bool PathExists(const std::string& path);  // lstat, so dangling links exist

}  // namespace testsupport

// Permission cases only mean something for an ordinary user.
#define SKIP_IF_ROOT()                                             \
  do {                                                             \
    if (::testsupport::RunningAsRoot())                            \
      GTEST_SKIP() << "root bypasses permissions; run as a user";  \
  } while (0)
