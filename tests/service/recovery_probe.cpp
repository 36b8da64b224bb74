// Runs one installation of the upgrade service (HandlePackageUpgrade) that
// dies at a chosen point, as a power loss or a kill -9 would end it: no
// clean-up, no exit handlers. Placed like service_probe, so that its ROOT is
// the parent of its folder; HOME comes from the environment.
//
//   recovery_probe before-unpack    dies as the unpacking begins, the old
//                                   copy under its backup name
//   recovery_probe partial-unpack   dies once INFO and the client program are
//                                   unpacked, before the start script is
//   recovery_probe after-unpack     dies once the whole package is unpacked,
//                                   before the backups are removed
//   recovery_probe in-removal       dies at the first folder it removes: in
//                                   the backup removal after a success, in
//                                   the rollback after a failure
//
// Exits with 2 for a wrong argument and 1 when it did not die.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>

#include "file/file-op.h"
#include "linux/linux-service.h"
#include "syscall_filter.h"

namespace {

enum class DeathPoint { kBeforeUnpack, kPartialUnpack, kAfterUnpack, kInRemoval };

bool ParsePoint(const std::string& name, DeathPoint* point) {
  const struct {
    const char* name;
    DeathPoint point;
  } points[] = {{"before-unpack", DeathPoint::kBeforeUnpack},
                {"partial-unpack", DeathPoint::kPartialUnpack},
                {"after-unpack", DeathPoint::kAfterUnpack},
                {"in-removal", DeathPoint::kInRemoval}};
  for (const auto& p : points) {
    if (name == p.name) {
      *point = p.point;
      return true;
    }
  }
  return false;
}

[[noreturn]] void Die() {
  kill(getpid(), SIGKILL);
  _exit(1);  // not reached
}

class DyingService : public LinuxService {
 public:
  explicit DyingService(DeathPoint point) : point_(point) {}

 protected:
  int ExtractPackage() override {
    if (point_ == DeathPoint::kBeforeUnpack) Die();
    const int result = LinuxService::ExtractPackage();
    if (point_ == DeathPoint::kPartialUnpack) {
      // The package lists INFO, bin and then package: as if the run had
      // died right after the client program.
      FSRemove(per_user_install_path + "/package", false);
      Die();
    }
    if (point_ == DeathPoint::kAfterUnpack) Die();
    return result;
  }

 private:
  DeathPoint point_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  DeathPoint point;
  if (argc != 2 || !ParsePoint(argv[1], &point)) {
    std::fprintf(stderr, "usage: %s before-unpack|partial-unpack|after-unpack|in-removal\n",
                 argv[0]);
    return 2;
  }
  // SIGSYS would otherwise leave a core file behind.
  const rlimit no_core = {0, 0};
  setrlimit(RLIMIT_CORE, &no_core);
  DyingService service(point);
  if (point == DeathPoint::kInRemoval &&
      !servicetest::InstallSyscallFilter(servicetest::EndProcessOnRemoveDir())) {
    std::fprintf(stderr, "seccomp filters are not available here\n");
    return servicetest::kSandboxUnavailable;
  }
  service.HandlePackageUpgrade();
  return 1;
}
