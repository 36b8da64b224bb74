// Logger: the one diagnostic channel, a class of static members only.
//
// Each message is filtered against a per-component level table, prefixed
// with the local time ("%b %d %H:%M:%S ") and written to one sink. Until
// Initialize succeeds, messages go to standard error. Callers pass a complete
// line: the logger adds no level, component or line end.
//
// Thread safety: LogMsg may be called from any thread; one mutex serialises
// writing, counting and rotation. Initialize and Destroy rewrite the level
// table and replace the mutex, so call them only while no other thread logs.
#pragma once

#include <pthread.h>

#include <cstdarg>
#include <cstdio>
#include <map>

#include "ustring/ustring.h"

typedef char xchar;

class Logger {
 public:
  enum Type : int {
    ANDROID_LOGGER = 0,  // the message alone on standard error; still opens log_path
    SYSLOG_LOGGER = 1,   // the system log, priority LOG_ERR, no time stamp
    STDOUT_LOGGER = 2,
    STDERR_LOGGER = 3,
    FILE_LOGGER = 4,     // counted, rotated once it grows past 1 MiB
  };

  // Lower is more severe; the values are the system log's priorities.
  enum Level : int {
    L_EMERG = 0,
    L_ALERT = 1,
    L_CRIT = 2,
    L_ERR = 3,
    L_WARNING = 4,
    L_NOTICE = 5,
    L_INFO = 6,
    L_DEBUG = 7,
  };

  // Sets up the sink and fills the level table. The table keeps entries of
  // earlier calls; this call stores "default_component" = L_WARNING and then
  // every entry of the key = value file at level_path (if not empty), each
  // value read as a decimal int (garbage gives 0, overflow the nearest
  // limit). A missing or malformed level file adds nothing and is not
  // reported. A component absent from the table writes levels up to
  // L_WARNING.
  //
  // FILE_LOGGER and ANDROID_LOGGER open path for appending, and a file
  // sink counts from the file's current size. Returns 0, or -1 when path
  // is empty or cannot be opened, or memory runs out; after -1 the earlier
  // sink stays in use. A file opened by an earlier successful call is closed
  // once the new sink is in place.
  //
  // With rotate_count = N >= 2, a rotation keeps the N - 1 newest rotated files
  // path_0 (newest) to path_<N-2>; with N <= 1 only path_0. A path too long
  // for every rotated name to fit in 1023 bytes is never rotated.
  static int Initialize(Type type, const ustring& path, const ustring& level_path,
                        int rotate_count);

  // Drops every later message until the next Initialize; closes the log file.
  static void Destroy();

  // Writes fmt, formatted printf-style, when level is at most the component's
  // table entry. A file sink is rotated after the message that takes it past
  // 1048576 bytes; if the rotation cannot move or reopen the file, the file
  // sink is closed and later messages are dropped.
  static void LogMsg(Level level, const ustring& comp, const xchar* fmt, ...)
      __attribute__((format(printf, 3, 4)));
  static void LogMsg2(Level level, const ustring& comp, const xchar* fmt, va_list args)
      __attribute__((format(printf, 3, 0)));

 private:
  friend struct LoggerTestPeer;  // lets the tests reach GetFileSize

  static int Rotate();
  static void InitializeLock();
  static void DestroyLock();
  static void Lock();
  static void Unlock();
  static void InitializeSharedData();
  static void DestroySharedData();
  static void CloseLogFile();
  static int GetFileSize(const ustring& path);
  static int PrintToFilePointer(const xchar* fmt, ...) __attribute__((format(printf, 1, 2)));
  static int PrintToFilePointerV(const xchar* fmt, va_list args)
      __attribute__((format(printf, 1, 0)));

  static std::map<ustring, int> log_level;
  static Type log_type;
  static FILE* log_fp;
  static int* log_size;
  static int rotate_cnt;
  static ustring log_path;
  static pthread_mutex_t* log_lock;
  static bool log_initialized;
};

// LogMsg2 for callers that hold the component as a C string and the level as
// an int.
void LogMSG_c(int level, char* comp, const xchar* fmt, va_list args)
    __attribute__((format(printf, 3, 0)));
