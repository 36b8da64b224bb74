#include "log.h"

#include <sys/stat.h>
#include <syslog.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <new>
#include <sstream>

#include "config.h"

namespace {

constexpr long long kRotateLimit = 0x100000;  // a file rotates once it passes 1 MiB
constexpr size_t kNameSize = 1024;

// Reads a level the way a stream extracts an int: garbage gives 0, a number
// out of range the nearest limit.
int ParseLevel(const ustring& value) {
  std::istringstream in(value.c_str());
  int level = 0;
  in >> level;
  return level;
}

// Sinks whose stream is a file that Initialize opened.
bool OpensFile(Logger::Type type) {
  return type != Logger::SYSLOG_LOGGER && type != Logger::STDOUT_LOGGER &&
         type != Logger::STDERR_LOGGER;
}

FILE* ConsoleStream(Logger::Type type) {
  if (type == Logger::STDOUT_LOGGER) return stdout;
  if (type == Logger::STDERR_LOGGER) return stderr;
  return nullptr;
}

// The formatted time changes once a second but costs about as much as the
// write itself, so it is kept until the second changes. Used under the lock.
struct TimeStamp {
  time_t second = -1;
  char text[512] = "";
  size_t length = 0;
};
TimeStamp stamp;

const TimeStamp& CurrentTimeStamp() {
  const time_t now = std::time(nullptr);
  if (now != stamp.second) {
    struct tm local;
    stamp.length = localtime_r(&now, &local)
                       ? std::strftime(stamp.text, sizeof stamp.text, "%b %d %H:%M:%S ", &local)
                       : 0;
    stamp.second = now;
  }
  return stamp;
}

// path + "_" + index into name; false when it does not fit.
bool FormatRotatedName(char (&name)[kNameSize], const ustring& path, int index) {
  const int length = std::snprintf(name, kNameSize, "%s_%d", path.c_str(), index);
  return length >= 0 && static_cast<size_t>(length) < kNameSize;
}

}  // namespace

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE* Logger::log_fp = stderr;
int* Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
bool Logger::log_initialized = true;

int Logger::Initialize(Type type, const ustring& path, const ustring& level_path,
                       int rotate_count) {
  // A failed call keeps the earlier sink, and with it the size it counted.
  const int previous_size = log_size ? *log_size : -1;
  DestroySharedData();
  DestroyLock();
  InitializeLock();
  InitializeSharedData();
  if (!log_lock || !log_size) return -1;

  log_level[ustring("default_component")] = L_WARNING;
  if (!level_path.empty()) {
    Config levels;
    levels.read(level_path);
    for (auto& entry : levels) log_level[entry.first] = ParseLevel(entry.second);
  }

  if (!OpensFile(type)) {
    CloseLogFile();
    log_type = type;
    log_fp = ConsoleStream(type);
    *log_size = -1;
    log_initialized = true;
    return 0;
  }

  FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "a");
  if (!file) {
    *log_size = previous_size;
    return -1;
  }
  CloseLogFile();
  log_type = type;
  log_fp = file;
  log_path = path;
  rotate_cnt = rotate_count;
  *log_size = GetFileSize(path);
  log_initialized = true;
  return 0;
}

void Logger::Destroy() {
  log_initialized = false;
  CloseLogFile();
  DestroySharedData();
  DestroyLock();
}

void Logger::LogMsg(Level level, const ustring& comp, const xchar* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  LogMsg2(level, comp, fmt, args);
  va_end(args);
}

void Logger::LogMsg2(Level level, const ustring& comp, const xchar* fmt, va_list args) {
  if (!log_initialized) return;
  InitializeLock();
  InitializeSharedData();
  if (!log_lock) return;  // nothing to serialise the write with

  // The table is only rewritten by Initialize, before other threads log, so
  // a filtered message costs one lookup and no lock.
  const auto entry = log_level.find(comp);
  const int highest = entry == log_level.end() ? L_WARNING : entry->second;
  if (level > highest) return;

  Lock();
  // Checked under the lock: a rotation on another thread may close the file.
  if (log_type == SYSLOG_LOGGER || log_fp) {
    int count = 0;
    if (log_type == SYSLOG_LOGGER) {
      vsyslog(LOG_ERR, fmt, args);
    } else if (log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER ||
               log_type == FILE_LOGGER) {
      count = PrintToFilePointerV(fmt, args);
    } else {
      std::vfprintf(stderr, fmt, args);
    }

    if (log_type == FILE_LOGGER && log_size && *log_size >= 0 && count >= 0) {
      if (*log_size + static_cast<long long>(count) > kRotateLimit) {
        Rotate();
        *log_size = 0;
      } else {
        *log_size += count;
      }
    }
  }
  Unlock();
}

int Logger::Rotate() {
  // A cut name could be the live file itself or some unrelated file; rotate
  // only when every name fits. The longest names are those of the last index
  // and of index 0 (the last index is negative for a count below 1).
  char from[kNameSize];
  char to[kNameSize];
  if (!FormatRotatedName(to, log_path, rotate_cnt - 1) || !FormatRotatedName(to, log_path, 0))
    return -1;

  for (int i = rotate_cnt - 2; i >= 0; --i) {
    FormatRotatedName(from, log_path, i);
    FormatRotatedName(to, log_path, i + 1);
    std::rename(from, to);
  }
  FormatRotatedName(to, log_path, rotate_cnt - 1);
  std::remove(to);

  std::fclose(log_fp);
  log_fp = nullptr;
  FormatRotatedName(to, log_path, 0);
  if (std::rename(log_path.c_str(), to) != 0) return -1;
  log_fp = std::fopen(log_path.c_str(), "a");
  return log_fp ? 0 : -1;
}

void Logger::InitializeLock() {
  if (log_lock) return;
  pthread_mutex_t* lock = new (std::nothrow) pthread_mutex_t;
  if (lock && pthread_mutex_init(lock, nullptr) != 0) {
    delete lock;
    lock = nullptr;
  }
  log_lock = lock;
}

void Logger::DestroyLock() {
  if (!log_lock) return;
  pthread_mutex_destroy(log_lock);
  delete log_lock;
  log_lock = nullptr;
}

void Logger::Lock() { pthread_mutex_lock(log_lock); }

void Logger::Unlock() { pthread_mutex_unlock(log_lock); }

void Logger::InitializeSharedData() {
  if (!log_size) log_size = new (std::nothrow) int(0);
}

void Logger::DestroySharedData() {
  delete log_size;
  log_size = nullptr;
}

void Logger::CloseLogFile() {
  if (!OpensFile(log_type)) return;
  if (log_fp) std::fclose(log_fp);
  log_fp = nullptr;
  log_path.clear();
}

int Logger::GetFileSize(const ustring& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    const int error = errno;
    PrintToFilePointer("stat(%s): %s (%d)\n", path.c_str(), std::strerror(error), error);
    return 0;
  }
  // Beyond INT_MAX the size counts as INT_MAX, so the next message rotates.
  return st.st_size > INT_MAX ? INT_MAX : static_cast<int>(st.st_size);
}

int Logger::PrintToFilePointer(const xchar* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  const int count = PrintToFilePointerV(fmt, args);
  va_end(args);
  return count;
}

int Logger::PrintToFilePointerV(const xchar* fmt, va_list args) {
  if (!log_fp) return 0;
  const TimeStamp& now = CurrentTimeStamp();
  const size_t stamp_count = std::fwrite(now.text, 1, now.length, log_fp);
  const int text_count = std::vfprintf(log_fp, fmt, args);
  std::fflush(log_fp);
  if (stamp_count != now.length || text_count < 0) return -1;
  return static_cast<int>(stamp_count) + text_count;
}

void LogMSG_c(int level, char* comp, const xchar* fmt, va_list args) {
  Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp), fmt, args);
}
