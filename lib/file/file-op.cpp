// File status, path strings, directory reading and file-system probes.
#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include "file-op-internal.h"
#include "file/file-op.h"

namespace fileop {

const char* const kLogComp = "file_op_debug";

ustring JoinPath(const ustring& parent, const char* name) {
  ustring joined(parent);
  joined += "/";
  joined += name;
  return joined;
}

bool IsDotEntry(const char* name) {
  return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

ssize_t ReadLinkText(const ustring& path, std::string& out) {
  char buffer[kLinkBufferSize] = {};
  ssize_t length = ::readlink(path.c_str(), buffer, sizeof(buffer));
  if (length < 0) return -1;
  out.assign(buffer, static_cast<size_t>(length));
  return length;
}

}  // namespace fileop

using fileop::kLogComp;

namespace {

// The six kinds lstat reports; false for anything else.
bool TypeFromMode(mode_t mode, FILE_TYPE& type) {
  if (S_ISREG(mode)) type = FT_FILE;
  else if (S_ISDIR(mode)) type = FT_DIR;
  else if (S_ISCHR(mode) || S_ISBLK(mode)) type = FT_DEV;
  else if (S_ISLNK(mode)) type = FT_SLINK;
  else if (S_ISFIFO(mode)) type = FT_FIFO;
  else if (S_ISSOCK(mode)) type = FT_SOCK;
  else return false;
  return true;
}

FILE_TYPE TypeFromListing(unsigned char d_type) {
  switch (d_type) {
    case DT_FIFO: return FT_FIFO;
    case DT_CHR: return FT_DEV;
    case DT_DIR: return FT_DIR;
    case DT_BLK: return FT_DEV;
    case DT_REG: return FT_FILE;
    case DT_LNK: return FT_SLINK;
    case DT_SOCK: return FT_SOCK;
    default: return FT_ERR;  // DT_UNKNOWN included
  }
}

void FillMissing(const ustring& path, FILE_INFO& info) {
  info.isExist = false;
  info.mtime = 0;
  info.name = FSBaseName(path);
  info.path = path;
  info.size = 0;
  info.type = FT_ERR;
  info.uid = 0;
  info.gid = 0;
  info.mode = 0;
  info.dev_id = 0;
}

// Fills everything but the type; the caller decides on it.
void FillFromStatus(const ustring& path, const struct stat& st, FILE_INFO& info) {
  info.isExist = true;
  info.mtime = static_cast<uint32_t>(st.st_mtime);
  info.name = FSBaseName(path);
  info.path = path;
  info.size = static_cast<uint64_t>(st.st_size);
  info.mode = st.st_mode;
  info.uid = st.st_uid;
  info.gid = st.st_gid;
  info.dev_id = st.st_dev;
}

// Magic numbers of statfs's f_type.
constexpr uint32_t kNfsMagic = 0x6969;
constexpr uint32_t kSmbCifsMagic = 0xFF534D42;
constexpr uint32_t kMsdosMagic = 0x4D44;

}  // namespace

bool FILE_INFO::operator==(const FILE_INFO& other) const {
  return isExist == other.isExist && size == other.size && mtime == other.mtime &&
         type == other.type && path == other.path && name == other.name;
}

int GetFileInfo(const ustring& path, FILE_INFO& info) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return -1;
    FillMissing(path, info);
    return 0;
  }
  FillFromStatus(path, st, info);
  return TypeFromMode(st.st_mode, info.type) ? 0 : -1;
}

int FSStat(const ustring& path, FILE_INFO& info, bool /*do_case_check*/) {
  if (path.empty()) return -1;
  return GetFileInfo(path, info) == 0 ? 0 : -2;
}

bool IsFileExist(const ustring& path, bool /*do_case_check*/) {
  if (path.empty()) return false;
  FILE_INFO info;
  if (GetFileInfo(path, info) != 0) return false;
  return info.isExist;
}

ustring FSBaseName(const ustring& path) {
  size_t slash = path.find_last_of('/', ustring::npos);
  if (slash == ustring::npos) return path;
  return path.substr(slash + 1, ustring::npos);
}

ustring FSParentPath(const ustring& path) {
  size_t slash = path.find_last_of('/', ustring::npos);
  if (slash == ustring::npos || slash == 0) return ustring("/");
  return path.substr(0, slash);
}

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh) {
  DIR* dp = ::opendir(path.c_str());
  if (dp == nullptr) {
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
                   __LINE__, path.c_str(), strerror(err));
    return -1;
  }
  dh.dp = dp;
  dh.path = path;
  dh.flag = flag;
  return 0;
}

int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry) {
  // readdir on a stream that only this caller uses is safe; errno tells the
  // end of the directory (unchanged) from a failure.
  errno = 0;
  struct dirent* ent = dh.dp != nullptr ? ::readdir(dh.dp) : nullptr;
  if (ent == nullptr) {
    int err = dh.dp != nullptr ? errno : EBADF;  // a closed handle cannot be read
    if (err == 0) return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
                   __LINE__, dh.path.c_str(), strerror(err));
    return -1;
  }

  uint32_t mtime = 0;
  uint64_t size = 0;
  if (dh.flag & 1) {
    ustring full = fileop::JoinPath(dh.path, ent->d_name);
    FILE_INFO info;
    // An entry removed since the listing was read is as unusable as one
    // whose status cannot be read.
    if (FSStat(full, info) != 0 || !info.isExist) {
      Logger::LogMsg(Logger::L_ERR, kLogComp,
                     "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n", __LINE__,
                     full.c_str());
      return -1;
    }
    mtime = info.mtime;
    size = info.size;
  }
  entry.mtime = mtime;
  entry.size = size;
  entry.name = ent->d_name;
  entry.type = TypeFromListing(ent->d_type);
  return 1;
}

void FSCloseDir(DIR_HANDLE& dh) {
  if (dh.dp != nullptr) ::closedir(dh.dp);
  dh.dp = nullptr;
  dh.path.clear();
}

int FSGetRealPath(ustring& path) {
  Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] file-op(%d):  org path [%s]\n", __LINE__,
                 path.c_str());
  // realpath writes at most PATH_MAX bytes; the buffer leaves room to spare.
  static_assert(PATH_MAX <= 8192, "realpath buffer too small");
  char resolved[8192];
  if (::realpath(path.c_str(), resolved) == nullptr) return -1;
  path = resolved;
  Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] file-op(%d):  get full path [%s]\n",
                 __LINE__, path.c_str());
  return 0;
}

bool FSIsParentFolder(const ustring& parent, const ustring& child) {
  size_t n = parent.length();
  if (child.length() < n) return false;
  if (child[n] != '\0' && child[n] != '/') return false;
  return child.compare(parent, n) == 0;
}

bool FSTimeEqual(time_t a, time_t b) { return a == b; }

bool isFileLocked(const ustring& path, int flag) {
  if (::access(path.c_str(), flag) == 0) return false;
  int err = errno;
  return err == EPERM || err == EACCES;
}

bool hasFilePermission(const ustring& path, int flag) { return !isFileLocked(path, flag); }

bool isMountPoint(const ustring& path) {
  struct statfs fs;
  if (::statfs(path.c_str(), &fs) != 0) {
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. %s\n",
                   __LINE__, path.c_str(), strerror(err));
    return false;
  }
  uint32_t type = static_cast<uint32_t>(fs.f_type);
  return type == kNfsMagic || type == kSmbCifsMagic;
}

bool IsMSDOS(const ustring& path) {
  struct statfs fs;
  if (::statfs(path.c_str(), &fs) != 0) {
    int err = errno;
    Logger::LogMsg(
        Logger::L_ERR, kLogComp,
        "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info '%s'. %s\n",
        __LINE__, path.c_str(), strerror(err));
    return false;
  }
  if (static_cast<uint32_t>(fs.f_type) != kMsdosMagic) return false;
  Logger::LogMsg(Logger::L_WARNING, kLogComp,
                 "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n", __LINE__,
                 path.c_str());
  return true;
}
