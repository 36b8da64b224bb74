// Runs one operation of the upgrade service from wherever this program was
// placed, so that the service's ROOT is the parent of its folder. Prints its
// results as "key=value" lines, then every line logged (all components at
// level 7, time stamps removed) as "log=<line>".
//
//   service_probe paths     the six path getters
//   service_probe versions  PreUpgrade, then both records and IsNeedUpgrade
//   service_probe install   HandlePackageUpgrade
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>

#include "linux/linux-service.h"
#include "log_capture.h"

namespace {

class ProbeService : public LinuxService {
 public:
  void PrintVersions() const {
    PrintRecord("target", target_version);
    PrintRecord("source", source_version);
  }

 private:
  static void PrintRecord(const char* name, const VersionInfo& v) {
    std::printf("%s=(%s, %s, %s, %s)\n", name, v.major_version.c_str(), v.minor_version.c_str(),
                v.build_version.c_str(), v.icon_overlay_version.c_str());
  }
};

void Print(const char* key, const ustring& value) {
  std::printf("%s=%s\n", key, value.c_str());
}

void PrintPaths() {
  Print("GetUserInstallPath", Service::GetUserInstallPath());
  Print("GetRootLarkspanInstallPath", Service::GetRootLarkspanInstallPath());
  Print("GetRootLarkspanResourceInstallPath", Service::GetRootLarkspanResourceInstallPath());
  Print("GetUserLarkspanInstallPath", Service::GetUserLarkspanInstallPath());
  Print("GetUserLarkspanAppInstallPath", Service::GetUserLarkspanAppInstallPath());
  Print("GetUserLarkspanDataInstallPath", Service::GetUserLarkspanDataInstallPath());
}

bool RunCommand(const std::string& command) {
  if (command == "paths") {
    PrintPaths();
  } else if (command == "versions") {
    ProbeService service;
    service.PreUpgrade();
    service.PrintVersions();
    std::printf("need_upgrade=%d\n", service.IsNeedUpgrade() ? 1 : 0);
  } else if (command == "install") {
    ProbeService service;
    std::printf("result=%d\n", service.HandlePackageUpgrade());
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s paths|versions|install\n", argv[0]);
    return 2;
  }
  bool known = false;
  {
    testsupport::LogCapture log;
    known = RunCommand(argv[1]);
    for (const std::string& line : log.Lines()) std::printf("log=%s\n", line.c_str());
  }
  if (!known) {
    std::fprintf(stderr, "unknown command '%s'\n", argv[1]);
    return 2;
  }
  return 0;
}
