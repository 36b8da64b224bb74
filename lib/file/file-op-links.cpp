// Temporary files and names, times, owners and symbolic links.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include "file-op-internal.h"
#include "file/file-op.h"
#include "tmp_name_gen.h"

using fileop::kLogComp;

int FSMktemp(const ustring& prefix, ustring& path) {
  // A prefix too long for the buffer cuts the template, and mkstemp refuses
  // a template that no longer ends in "XXXXXX".
  char templ[4096];
  snprintf(templ, sizeof(templ), "%s/XXXXXX", prefix.c_str());
  // mkstemp may scribble on its argument even when it fails; log the template.
  char name[sizeof(templ)];
  memcpy(name, templ, sizeof(templ));
  UniqueFd fd(::mkostemp(name, O_CLOEXEC));
  if (!fd.valid()) {
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", __LINE__,
                   templ, strerror(err));
    return -1;
  }
  ::fchmod(fd.get(), 0644);
  path = name;
  return 0;
}

int FSCreateTempPath(const ustring& prefix, ustring& path) {
  path = TmpNameGen::getInstance()->getTmpPath(prefix);
  return path.empty() ? -1 : 0;
}

int FSUTime(const ustring& path, time_t atime, time_t mtime) {
  struct timeval times[2] = {{atime, 0}, {mtime, 0}};
  return ::lutimes(path.c_str(), times) == 0 ? 0 : -1;
}

int FSChown(const ustring& path, uid_t owner, gid_t group) {
  if (::fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) == 0) return 0;
  int err = errno;
  Logger::LogMsg(Logger::L_ERR, kLogComp,
                 "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
                 __LINE__, path.c_str(), err, strerror(err));
  return -1;
}

int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path) {
  if (::symlink(target_path.c_str(), link_path.c_str()) == 0) return 0;
  int err = errno;
  Logger::LogMsg(Logger::L_ERR, kLogComp,
                 "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link '%s' "
                 "-> '%s' (code: %d, msg: %s)\n",
                 __LINE__, target_path.c_str(), link_path.c_str(), err, strerror(err));
  return -1;
}

int FSReadSymbolicLink(const ustring& link_path, ustring& target_path) {
  std::string content;
  ssize_t length = fileop::ReadLinkText(link_path, content);
  if (length < 0) {
    int err = errno;
    Logger::LogMsg(
        Logger::L_ERR, kLogComp,
        "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, "
        "msg: %s)\n",
        __LINE__, link_path.c_str(), err, strerror(err));
    return -1;
  }
  if (static_cast<size_t>(length) >= fileop::kLinkBufferSize) {
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): FSReadSymbolicLink: path of '%s' is more than %d\n",
                   __LINE__, link_path.c_str(), static_cast<int>(fileop::kLinkBufferSize));
    return -1;
  }
  target_path = content.c_str();
  return 0;
}
