#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

// Gives the owner full access to every folder below root, so remove_all can
// descend into folders a test made unreadable.
void RestoreOwnerAccess(const std::string& root) {
  std::error_code ec;
  if (fs::is_directory(fs::symlink_status(root, ec)))
    ::chmod(root.c_str(), 0700);
  for (auto it = fs::recursive_directory_iterator(
           root, fs::directory_options::skip_permission_denied, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0700);
  }
}

}  // namespace

TempDir::TempDir(const std::string& tag) {
  const char* base = std::getenv("TMPDIR");
  std::string tmpl = std::string(base && *base ? base : "/tmp") + "/" + tag + ".XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  if (!::mkdtemp(buf.data())) {
    ADD_FAILURE() << "mkdtemp failed for " << tmpl;
    return;
  }
  path_ = buf.data();
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  RestoreOwnerAccess(path_);
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::sub(const std::string& rel) const { return path_ + "/" + rel; }

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  const char* old = std::getenv(name);
  had_old_ = old != nullptr;
  if (had_old_) old_ = old;
  ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (had_old_)
    ::setenv(name_.c_str(), old_.c_str(), 1);
  else
    ::unsetenv(name_.c_str());
}

ScopedMode::ScopedMode(const std::string& path, mode_t mode) : path_(path), old_(0755) {
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0) old_ = st.st_mode & 07777;
  ::chmod(path.c_str(), mode);
}

ScopedMode::~ScopedMode() { ::chmod(path_.c_str(), old_); }

bool RunningAsRoot() { return ::geteuid() == 0; }

void WriteFile(const std::string& path, const std::string& content, mode_t mode) {
  fs::path p(path);
  if (p.has_parent_path()) {
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
  }
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) ADD_FAILURE() << "cannot write " << path;
  }
  ::chmod(path.c_str(), mode);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

void MakeDirs(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec) ADD_FAILURE() << "cannot make " << path << ": " << ec.message();
}

bool PathExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace testsupport
