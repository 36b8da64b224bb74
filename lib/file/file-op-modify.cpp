// Directory creation, copy, rename and removal.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file-op-internal.h"
#include "file/file-op.h"

using fileop::kLogComp;

namespace {

// ---- Directory creation --------------------------------------------------

// Sets the umask to 0 for an explicit mode and restores it on scope exit.
class ScopedUmask {
 public:
  explicit ScopedUmask(bool clear) : active_(clear), old_(clear ? ::umask(0) : 0) {}
  ~ScopedUmask() {
    if (active_) ::umask(old_);
  }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  bool active_;
  mode_t old_;
};

int MakeDirectory(const char* path, mode_t mode) { return ::mkdir(path, mode) == 0 ? 0 : -1; }

// Makes sure one prefix of the path is a directory, or steps over it.
int EnsureComponent(const char* prefix, bool is_last, bool force, mode_t mode) {
  struct stat st;
  if (::stat(prefix, &st) != 0) return MakeDirectory(prefix, mode);
  if (S_ISDIR(st.st_mode)) return 0;
  if (force) {
    ::remove(prefix);
    return MakeDirectory(prefix, mode);
  }
  if (is_last) {
    Logger::LogMsg(
        Logger::L_INFO, kLogComp,
        "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic link pointed to file\n",
        __LINE__, prefix);
    errno = EEXIST;
    return -1;
  }
  // The next component fails on its own (normally ENOTDIR).
  Logger::LogMsg(Logger::L_INFO, kLogComp,
                 "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to folder\n",
                 __LINE__, prefix);
  return 0;
}

// Walks buf (a writable copy of the path) component by component. stop gets
// the offset of the byte that ends the last component looked at.
int MakeComponents(char* buf, size_t len, bool force, mode_t mode, size_t& stop) {
  size_t begin = (buf[0] == '/') ? 1 : 0;
  for (;;) {
    size_t end = begin;
    while (end < len && buf[end] != '/') ++end;
    const bool is_last = end == len || end + 1 == len;
    stop = end;

    char cut = buf[end];
    buf[end] = '\0';
    int rc = EnsureComponent(buf, is_last, force, mode);
    buf[end] = cut;
    if (rc != 0) return -1;
    if (is_last) return 0;
    begin = end + 1;
  }
}

// ---- Copy ----------------------------------------------------------------

constexpr size_t kCopyBufferSize = 32u * 1024u * 1024u;

void LogOpenFailure(const ustring& path, int err) {
  Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n",
                 __LINE__, path.c_str(), strerror(err), err);
}

int WriteFailure(int err) {
  Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n",
                 __LINE__, strerror(err), err);
  return (err == ENOSPC || err == EDQUOT) ? -2 : -1;
}

// Whether dst names the file already open as src_fd: truncating it would
// destroy the source.
bool IsSameFile(int src_fd, const ustring& dst) {
  struct stat src_st, dst_st;
  if (::fstat(src_fd, &src_st) != 0 || ::stat(dst.c_str(), &dst_st) != 0) return false;
  return src_st.st_dev == dst_st.st_dev && src_st.st_ino == dst_st.st_ino;
}

ssize_t ReadSome(int fd, char* buf, size_t len) {
  ssize_t got;
  do {
    got = ::read(fd, buf, len);
  } while (got < 0 && errno == EINTR);
  return got;
}

int WriteAll(int fd, const char* buf, size_t len) {
  size_t done = 0;
  while (done < len) {
    ssize_t put = ::write(fd, buf + done, len - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return WriteFailure(put < 0 ? errno : EIO);
    done += static_cast<size_t>(put);
  }
  return 0;
}

int CopyBytes(int in, int out, char* buf) {
  for (;;) {
    ssize_t got = ReadSome(in, buf, kCopyBufferSize);
    if (got < 0) {
      int err = errno;
      Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n",
                     __LINE__, strerror(err), err);
      return -1;
    }
    if (got == 0) return 0;
    int rc = WriteAll(out, buf, static_cast<size_t>(got));
    if (rc != 0) return rc;
  }
}

// Flushes and closes the destination. Write errors may surface only here
// (delayed allocation, network file systems), so both results count.
int FinishDestination(int fd) {
  int rc = 0;
  if (::fsync(fd) != 0) {
    int err = errno;
    // Devices and pipes cannot be synchronised; that is no failure of the copy.
    if (err != EINVAL && err != EROFS) rc = WriteFailure(err);
  }
  if (::close(fd) != 0) {
    int err = errno;
    // After EINTR the descriptor is closed all the same on Linux.
    if (err != EINTR && rc == 0) rc = WriteFailure(err);
  }
  return rc;
}

int CopyOpenFiles(int in, int out) {
  std::unique_ptr<char, fileop::FreeDeleter> buffer(
      static_cast<char*>(std::malloc(kCopyBufferSize)));
  if (!buffer) {
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n",
                   __LINE__, static_cast<int>(kCopyBufferSize), strerror(err), err);
    return -1;
  }
  return CopyBytes(in, out, buffer.get());
}

// ---- Walking a directory ---------------------------------------------------

// Calls visit(name) for every entry but "." and "..", in listing order, until
// a call returns non-zero. Returns -1 when the directory cannot be opened,
// otherwise the first non-zero result of visit, or 0. A failure to read the
// next entry ends the walk like the end of the directory.
template <typename Visit>
int ForEachChild(const ustring& dir_path, Visit visit) {
  UniqueDir dir(::opendir(dir_path.c_str()));
  if (!dir) return -1;
  while (struct dirent* ent = ::readdir(dir.get())) {
    if (fileop::IsDotEntry(ent->d_name)) continue;
    int rc = visit(ent->d_name);
    if (rc != 0) return rc;
  }
  return 0;
}

// ---- Moves across file systems -------------------------------------------

// A move keeps the access bits; set-id and sticky bits are not carried over.
void KeepPermissions(const ustring& path, uint32_t mode) {
  ::chmod(path.c_str(), static_cast<mode_t>(mode & 0777));
}

int MoveFileAcross(const ustring& from, const ustring& to, const FILE_INFO& info) {
  if (FSCopy(from, to, true) < 0) return -3;
  KeepPermissions(to, info.mode);
  return 0;
}

int MoveTreeAcross(const ustring& from, const ustring& to, const FILE_INFO& info,
                   bool do_case_check) {
  if (FSMKDir(to, true) != 0) return -3;
  int rc = ForEachChild(from, [&](const char* name) {
    return FSRename(fileop::JoinPath(from, name), fileop::JoinPath(to, name), do_case_check);
  });
  if (rc != 0) return -3;
  if (::remove(from.c_str()) != 0) return -3;
  // Only now: a read-only source directory must stay writable while filled.
  KeepPermissions(to, info.mode);
  return 0;
}

// Recreates the link at the destination; its content is moved unchanged.
int MoveLinkAcross(const ustring& from, const ustring& to) {
  std::string target;
  ssize_t length = fileop::ReadLinkText(from, target);
  if (length < 0 || static_cast<size_t>(length) >= fileop::kLinkBufferSize) return -3;
  if (::symlink(target.c_str(), to.c_str()) != 0) return -3;
  return ::remove(from.c_str()) == 0 ? 0 : -3;
}

int MoveAcrossDevices(const ustring& from, const ustring& to, const FILE_INFO& info,
                      bool do_case_check) {
  switch (info.type) {
    case FT_FILE: return MoveFileAcross(from, to, info);
    case FT_DIR: return MoveTreeAcross(from, to, info, do_case_check);
    case FT_SLINK: return MoveLinkAcross(from, to);
    default: return -3;  // devices, pipes and sockets cannot be copied
  }
}

int RemoveTree(const ustring& path) {
  int rc = ForEachChild(path, [&](const char* name) {
    return FSRemove(fileop::JoinPath(path, name), false);
  });
  if (rc != 0) return -3;
  return ::remove(path.c_str()) == 0 ? 0 : -3;
}

}  // namespace

int FSMKDir(const ustring& path, bool isCreateParent) {
  if (path.empty()) return -1;
  FILE_INFO info;
  if (GetFileInfo(path, info) != 0) {
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n",
                   __LINE__, path.c_str());
    return -1;
  }
  if (info.isExist) {
    if (info.type == FT_DIR) return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is not "
                   "directory '%s' (%d)\n",
                   __LINE__, path.c_str(), static_cast<int>(info.type));
    return -1;
  }
  int rc = isCreateParent ? FSMKDirP(path, nullptr, false, FS_DEFAULT_MODE)
                          : MakeDirectory(path.c_str(), 0777);
  if (rc != 0) {
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): path = %s errno : %s\n",
                   __LINE__, path.c_str(), strerror(err));
    return -2;
  }
  return 0;
}

int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode) {
  if (path.empty()) {
    errno = EINVAL;
    return -1;
  }
  const size_t len = path.length();
  std::unique_ptr<char, fileop::FreeDeleter> buf(::strndup(path.c_str(), len));
  if (!buf) return -1;

  const bool explicit_mode = mode != FS_DEFAULT_MODE;
  size_t stop = 0;
  int rc;
  int err;
  {
    ScopedUmask umask_guard(explicit_mode);
    rc = MakeComponents(buf.get(), len, blForceCreate, explicit_mode ? mode : 0777, stop);
    err = errno;
  }
  if (endptr != nullptr) *endptr = const_cast<char*>(path.c_str()) + stop;
  errno = err;
  return rc;
}

int FSMKDirFromRoot(const ustring& path, const ustring& from) {
  if (from.length() > path.length()) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then target's "
                   "'%s'.\n",
                   __LINE__, from.c_str(), path.c_str());
    return -1;
  }
  if (!FSIsParentFolder(from, path)) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
                   __LINE__, from.c_str(), path.c_str());
    return -1;
  }
  // relative is empty or starts with "/", so created grows on every step.
  const ustring relative = path.substr(from.length(), ustring::npos);
  ustring created;
  while (created != relative) {
    size_t slash = relative.find_first_of('/', created.length() + 1);
    created = relative.substr(0, slash);
    Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n",
                   __LINE__, created.c_str());
    if (FSMKDir(from + created, false) < 0) return -1;
  }
  return 0;
}

int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin) {
  UniqueFd in(::open(src.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.valid()) {
    LogOpenFailure(src, errno);
    return -1;
  }
  if (IsSameFile(in.get(), dst)) {
    LogOpenFailure(dst, EINVAL);
    return -1;
  }
  UniqueFd out(::open(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!out.valid()) {
    LogOpenFailure(dst, errno);
    return -1;
  }

  int rc = CopyOpenFiles(in.get(), out.get());
  int finished = FinishDestination(out.release());
  if (rc == 0) rc = finished;
  // The source goes only once its copy is known to be on disk.
  if (rc != 0 || !isDelOrigin) return rc;
  ::close(in.release());
  return ::remove(src.c_str()) == 0 ? 0 : -1;
}

int FSRename(const ustring& from, const ustring& to, bool do_case_check) {
  if (from.empty() || to.empty()) return -1;
  FILE_INFO info;
  if (FSStat(from, info, do_case_check) != 0 || !info.isExist) return -2;
  if (::rename(from.c_str(), to.c_str()) == 0) return 0;
  int err = errno;
  if (err == ENAMETOOLONG) return -100;
  if (err != EXDEV) return -3;
  return MoveAcrossDevices(from, to, info, do_case_check);
}

int FSRemove(const ustring& path, bool /*allowundo*/) {
  if (path.empty()) return -1;
  FILE_INFO info;
  if (GetFileInfo(path, info) != 0) return -1;
  if (!info.isExist) return 0;
  if (info.type != FT_DIR) return ::remove(path.c_str()) == 0 ? 0 : -3;
  return RemoveTree(path);
}
