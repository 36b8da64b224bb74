// Shared by the fuzz targets: a check that saves the input when it fails, a
// private scratch folder, and removal of what an input left in it. Fuzz
// targets run single-threaded, so the removal may change the working folder
// while it walks.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "unique_handles.h"

// A property that every input must keep; abort() makes libFuzzer save the
// input as a crash.
#define FUZZ_CHECK(cond)                                                        \
  do {                                                                          \
    if (!(cond)) {                                                              \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                             \
    }                                                                           \
  } while (0)

namespace fuzzsupport {

// A harness that cannot set up or clean up is broken: stop loudly rather
// than let the next input run on a dirty folder.
[[noreturn]] inline void Fail(const std::string& what) {
  std::perror(what.c_str());
  std::abort();
}


// Writes (or overwrites) the file at path with exactly these bytes.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) Fail("write " + path);
}

// Names in a folder, "." and ".." left out.
inline std::set<std::string> ListNames(const std::string& dir) {
  UniqueDir d(::opendir(dir.c_str()));
  if (!d) Fail("opendir " + dir);
  std::set<std::string> names;
  while (const dirent* e = ::readdir(d.get())) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names.insert(name);
  }
  return names;
}

// Removes everything inside the working folder. Symbolic links are removed,
// never followed: a folder is entered only after lstat showed a real folder,
// so ".." leads back. Folders are opened up first, since an entry may have
// been written with a mode that keeps even its owner out. chdir rather than
// a descriptor per level keeps deep trees within the open-file limit.
inline void EmptyWorkingFolder() {
  for (const std::string& name : ListNames(".")) {
    struct stat st;
    if (::lstat(name.c_str(), &st) != 0) Fail("lstat " + name);
    if (S_ISDIR(st.st_mode)) {
      if (::chmod(name.c_str(), 0700) != 0 || ::chdir(name.c_str()) != 0) Fail("enter " + name);
      EmptyWorkingFolder();
      if (::chdir("..") != 0) Fail("leave " + name);
      if (::rmdir(name.c_str()) != 0) Fail("rmdir " + name);
    } else if (::unlink(name.c_str()) != 0) {
      Fail("unlink " + name);
    }
  }
}

// Removes dir and everything in it; the working folder is kept.
inline void RemoveTree(const std::string& dir) {
  const int cwd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (cwd < 0) Fail("open working folder");
  if (::chmod(dir.c_str(), 0700) != 0 || ::chdir(dir.c_str()) != 0) Fail("enter " + dir);
  EmptyWorkingFolder();
  if (::fchdir(cwd) != 0) Fail("back to working folder");
  ::close(cwd);
  if (::rmdir(dir.c_str()) != 0) Fail("rmdir " + dir);
}

// A fresh folder below $TMPDIR (or /tmp), removed at exit.
inline const std::string& ScratchFolder(const char* tag) {
  static const std::string path = [tag] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + tag + ".XXXXXX";
    if (!::mkdtemp(&pattern[0])) Fail("mkdtemp " + pattern);
    return pattern;
  }();
  static const bool registered = std::atexit([] { RemoveTree(path); }) == 0;
  (void)registered;
  return path;
}

}  // namespace fuzzsupport
