// File operations of the support library: status and directory reading,
// creation, copy, rename and removal, links, times, owners and temporary
// files.
//
// Paths are ustring; their UTF-8 bytes reach the system unchanged (no
// normalisation, no "~" expansion; relative paths resolve against the working
// directory). Nothing throws. Failures that are logged go to the component
// "file_op_debug".
#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cstdint>
#include <ctime>

#include "ustring/ustring.h"

// The kind of a file.
typedef enum _FILE_TYPE_tag {
  FT_ERR = 0,    // not determined, or the file does not exist
  FT_FILE = 1,   // regular file
  FT_DIR = 2,    // directory
  FT_SLINK = 3,  // symbolic link itself, never its target
  FT_HLINK = 4,  // hard link; nothing in this library produces it
  FT_DEV = 5,    // character or block device
  FT_FIFO = 6,   // named pipe
  FT_SOCK = 7,   // socket
} FILE_TYPE;

// The status of one path, as GetFileInfo fills it.
typedef struct _FILE_INFO_tag {
  ustring path;           // the path exactly as given
  ustring name;           // FSBaseName(path)
  FILE_TYPE type = FT_ERR;
  uint32_t mtime = 0;     // seconds since the epoch, low 32 bits
  uint64_t size = 0;      // for a symbolic link: length of its target text
  bool isExist = false;
  uint32_t uid = 0;
  uint32_t gid = 0;
  uint32_t mode = 0;      // file-type and permission bits
  uint64_t dev_id = 0;    // the file system holding the file

  // Compares isExist, size, mtime, type, path and name; owner, mode and
  // device take no part.
  bool operator==(const _FILE_INFO_tag& other) const;
  bool operator!=(const _FILE_INFO_tag& other) const { return !(*this == other); }
} FILE_INFO;

// An open directory. Closed while dp is null. The caller must close it with
// FSCloseDir; destroying an open handle leaves the stream open. One handle
// must not be used by two threads at once.
typedef struct _DIR_HANDLE_tag {
  ustring path;
  int flag = 0;  // bit 0: FSReadDir fills mtime and size of each entry
  DIR* dp = nullptr;
} DIR_HANDLE;

// One directory entry as FSReadDir delivers it.
typedef struct _DIR_ENTRY_tag {
  ustring name;             // without any path
  FILE_TYPE type = FT_ERR;  // from the listing; FT_ERR when it does not know
  uint32_t mtime = 0;       // 0 unless the handle's bit 0 is set
  uint64_t size = 0;        // 0 unless the handle's bit 0 is set
} DIR_ENTRY;

// The mode argument of FSMKDirP that means "0777 less the umask".
constexpr mode_t FS_DEFAULT_MODE = static_cast<mode_t>(-1);

// ---- Status, paths and directory reading --------------------------------

// Fills info from lstat(path): 0 on success. A missing path is a successful
// query: 0 with isExist false, type FT_ERR, numbers 0, path and name set.
// Any other failure (a search permission missing on the way, a component
// that is not a directory, ...) returns -1 and leaves info untouched.
int GetFileInfo(const ustring& path, FILE_INFO& info);

// GetFileInfo with a guard: -1 for an empty path (info untouched), -2 when
// the status cannot be read, 0 otherwise (then look at info.isExist).
// do_case_check has no effect on this platform.
int FSStat(const ustring& path, FILE_INFO& info, bool do_case_check = false);

// Whether path exists; a dangling symbolic link exists. An empty path or
// one that cannot be queried counts as missing.
bool IsFileExist(const ustring& path, bool do_case_check = false);

// Text after the last "/": "a/b" -> "b", "abc" -> "abc", "/a/b/" -> "".
ustring FSBaseName(const ustring& path);
// Text before the last "/": "a/b" -> "a", "/a" -> "/", "abc" -> "/",
// "/a/b/" -> "/a/b".
ustring FSParentPath(const ustring& path);

// Opens a directory for reading: 0, or -1 (logged) with dh unchanged.
int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh);
// Reads the next entry: 1 delivered, 0 end (entry unchanged), -1 failure
// (logged; the handle stays open). "." and ".." are delivered too. With bit
// 0 set, an entry whose status cannot be read, or that no longer exists, is
// a failure.
int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry);
// Closes the stream (if any) and clears dp and path.
void FSCloseDir(DIR_HANDLE& dh);

// Replaces path by its canonical absolute form: 0, or -1 with path unchanged
// (for instance when it does not exist).
int FSGetRealPath(ustring& path);

// Whether child is parent or lies below it, judged on the text alone:
// "/a" is a parent of "/a" and "/a/b" but not of "/ab"; "/a/" only of "/a/".
bool FSIsParentFolder(const ustring& parent, const ustring& child);

bool FSTimeEqual(time_t a, time_t b);

// Whether access(path, flag) is refused for lack of permission (EACCES or
// EPERM). Any other failure, a missing file included, is not "locked".
bool isFileLocked(const ustring& path, int flag);
// !isFileLocked: true for a missing file.
bool hasFilePermission(const ustring& path, int flag);

// Whether path lies on a network file system (NFS or SMB/CIFS). It does not
// test whether path is the root of a mount. False (logged) when the file
// system cannot be queried.
bool isMountPoint(const ustring& path);
// Whether path lies on a FAT file system (logged as a warning). False
// (logged) when the file system cannot be queried.
bool IsMSDOS(const ustring& path);

// ---- Creation, copy, rename and removal ---------------------------------

// Makes sure path is a directory. 0: it exists now (an existing directory is
// left alone). -1: empty path, unreadable status, or something else in the
// way (a symbolic link to a directory included). -2: creation failed; with
// isCreateParent false the parent must exist. New directories get 0777 less
// the umask.
int FSMKDir(const ustring& path, bool isCreateParent);

// Creates every missing component of path: 0 or -1 with errno set (EEXIST
// when the last component is a non-directory). blForceCreate deletes a
// non-directory in the way and puts a directory there. mode FS_DEFAULT_MODE
// gives 0777 less the umask; any other mode is applied exactly (the umask is
// set to 0 for the call, which affects other threads meanwhile). If endptr
// is not null it points into path's text: after the last component on
// success, at the end of the failing component on failure.
int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode);

// Creates the directories between the existing root from and the target
// path, one level at a time: 0 or -1. from must be a textual parent of path
// (FSIsParentFolder); a target equal to the root creates nothing.
int FSMKDirFromRoot(const ustring& path, const ustring& from);

// Copies the bytes of src to dst (created with 0666 less the umask, or
// truncated); permissions, owner and times are not copied. With
// isDelOrigin the source is deleted once the copy is safely on disk.
// 0 success; -2 out of space or quota; -1 any other failure. A partial
// destination stays on disk; the source always stays after a failure.
int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin);

// Moves from to to (not following a final symbolic link). An existing to is
// replaced as rename(2) does. Across file systems files and trees are
// copied and the source removed; permission bits go along, and symbolic
// links are recreated. Nothing is logged.
// 0 moved; -1 empty argument; -2 from missing or not queryable; -3 the move
// failed (a cross-device move may stop part-way, nothing is rolled back;
// devices, pipes and sockets cannot move across file systems); -100 a name
// is too long.
int FSRename(const ustring& from, const ustring& to, bool do_case_check = false);

// Removes path and, for a directory, everything below it, deepest first.
// Symbolic links are removed, never followed. Nothing is logged.
// 0 removed or nothing there; -1 empty path or not queryable; -3 removal
// failed (what was removed before stays removed). allowundo has no effect.
int FSRemove(const ustring& path, bool allowundo = false);

// ---- Links, attributes and temporary files ------------------------------

// Creates a new empty file prefix + "/XXXXXX" (suffix unique), closes it,
// sets its mode to 0644 and stores its name in path: 0, or -1 (logged) with
// path unchanged. A prefix longer than about 4090 bytes loses the template
// and fails.
int FSMktemp(const ustring& prefix, ustring& path);

// path = prefix + "/" + eight random name characters. Nothing is created and
// the name is not checked against the disk: create it exclusively. 0, or -1
// when no name was produced.
int FSCreateTempPath(const ustring& prefix, ustring& path);

// Sets access and modification time (whole seconds) of path itself; a
// symbolic link gets the times, not its target. 0 or -1 (not logged).
int FSUTime(const ustring& path, time_t atime, time_t mtime);

// Changes owner and group of path itself, not following a final symbolic
// link; a relative path resolves against the working directory. 0 or -1
// (logged).
int FSChown(const ustring& path, uid_t owner, gid_t group);

// Creates link_path as a symbolic link with the unchanged content
// target_path: 0 or -1 (logged, for instance when link_path exists).
int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path);

// Reads the content of a symbolic link into target_path: 0, or -1 (logged)
// with target_path unchanged. The longest content accepted is 4095 bytes.
int FSReadSymbolicLink(const ustring& link_path, ustring& target_path);
