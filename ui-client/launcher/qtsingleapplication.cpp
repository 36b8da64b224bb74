#include "qtsingleapplication.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "log.h"
#include "unique_handles.h"

namespace {

// A folder that only the current user can write: a real directory, not a
// link, owned by the user, mode exactly 0700.
bool IsPrivateFolder(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700;
}

// The folder for the lock file, or an empty string with `error` set.
std::string LockFolder(QString* error) {
  const char* runtime_dir = std::getenv("XDG_RUNTIME_DIR");
  if (runtime_dir && *runtime_dir && IsPrivateFolder(runtime_dir)) return runtime_dir;

  const std::string folder =
      QDir::tempPath().toStdString() + "/larkspan-launcher-" + std::to_string(static_cast<unsigned long>(::geteuid()));
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    *error = QString("cannot create '%1': %2").arg(QString::fromStdString(folder), QString::fromUtf8(std::strerror(errno)));
    return std::string();
  }
  if (!IsPrivateFolder(folder)) {
    *error = QString("'%1' is not a private folder of this user").arg(QString::fromStdString(folder));
    return std::string();
  }
  return folder;
}

std::string LockFileName() {
  const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
  const QByteArray digest = QCryptographicHash::hash(exe.toUtf8(), QCryptographicHash::Sha1).toHex();
  return "launcher-" + digest.toStdString() + ".lock";
}

int FlockRetrying(int fd, int operation) {
  int rc;
  do {
    rc = ::flock(fd, operation);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

}  // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool GUIenabled) : QApplication(argc, argv) {
  Q_UNUSED(GUIenabled);
  const std::string folder = LockFolder(&m_guard_error);
  if (folder.empty()) return;

  const std::string path = folder + "/" + LockFileName();
  // O_CLOEXEC: the client started through the start script must not inherit
  // the lock and keep the next launcher out.
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (fd.get() < 0) {
    m_guard_error = QString("cannot open '%1': %2").arg(QString::fromStdString(path), QString::fromUtf8(std::strerror(errno)));
    return;
  }
  if (FlockRetrying(fd.get(), LOCK_EX | LOCK_NB) == 0) {
    m_lock_fd = fd.release();
    return;
  }
  const int saved_errno = errno;
  if (saved_errno == EWOULDBLOCK) {
    m_other_instance = true;
  } else {
    m_guard_error = QString("cannot lock '%1': %2").arg(QString::fromStdString(path), QString::fromUtf8(std::strerror(saved_errno)));
  }
}

QtSingleApplication::~QtSingleApplication() {
  if (m_lock_fd >= 0) ::close(m_lock_fd);
}

bool QtSingleApplication::isRunning() {
  if (!m_guard_error.isEmpty()) {
    Logger::LogMsg(Logger::L_WARNING, "launcher_debug", "[WARNING] qtsingleapplication(%d): no single-instance guard: %s\n",
                   __LINE__, m_guard_error.toUtf8().constData());
  }
  return m_other_instance;
}
