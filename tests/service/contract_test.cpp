// The service object and its path getters: construction, the calls that go
// through overridable operations, and the layout derived from HOME and ROOT.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "service_support.h"

namespace {

using servicetest::ServiceUnderTest;
using testsupport::ScopedEnv;
using testsupport::TempDir;

struct HomeCase {
  const char* name;
  const char* home;
  const char* expected_home;
  const char* expected_user_folder;
};

TEST(ServicePaths, UserPathsAreBuiltFromHome) {
  const HomeCase cases[] = {
      {"plain", "/home/u", "/home/u", "/home/u/.Larkspan"},
      {"blanks", "/tmp/my home dir", "/tmp/my home dir", "/tmp/my home dir/.Larkspan"},
      {"non_ascii", "/tmp/h\xc3\xb6m\xc3\xa9/\xc3\xbc \xc3\xb1", "/tmp/h\xc3\xb6m\xc3\xa9/\xc3\xbc \xc3\xb1",
       "/tmp/h\xc3\xb6m\xc3\xa9/\xc3\xbc \xc3\xb1/.Larkspan"},
      {"trailing_slash", "/home/u/", "/home/u", "/home/u/.Larkspan"},
      {"file_system_root", "/", "/", "//.Larkspan"},
  };
  for (const HomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedEnv home("HOME", c.home);
    const std::string user_folder = c.expected_user_folder;
    EXPECT_STREQ(Service::GetUserInstallPath().c_str(), c.expected_home);
    EXPECT_EQ(Service::GetUserLarkspanInstallPath().c_str(), user_folder);
    EXPECT_EQ(Service::GetUserLarkspanAppInstallPath().c_str(), user_folder + "/Larkspan.app");
    EXPECT_EQ(Service::GetUserLarkspanDataInstallPath().c_str(), user_folder + "/data");
  }
}

struct RootCase {
  const char* name;
  const char* program_folder;  // below the temporary folder
  const char* expected_root;
};

// ROOT comes from where the running program lies, so each case places the
// probe program in a folder of its own and asks it.
TEST(ServicePaths, RootIsTheParentOfTheProgramsFolder) {
  const RootCase cases[] = {
      {"installed_layout", "opt/Kestrin/Larkspan/bin", "opt/Kestrin/Larkspan"},
      {"blanks_and_non_ascii", "my r\xc3\xb6ot/Larkspan \xc3\xbc/bin", "my r\xc3\xb6ot/Larkspan \xc3\xbc"},
      {"program_in_a_folder_not_named_bin", "a/b/tools", "a/b"},
  };
  for (const RootCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string home = dir.sub("h\xc3\xb6me with blank");
    servicetest::ProbeRun run = servicetest::RunProbe(dir.sub(c.program_folder), home, "paths");
    ASSERT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.values["GetRootLarkspanInstallPath"], dir.sub(c.expected_root));
    EXPECT_EQ(run.values["GetRootLarkspanResourceInstallPath"], dir.sub(c.expected_root));
    EXPECT_EQ(run.values["GetUserInstallPath"], home);
    EXPECT_EQ(run.values["GetUserLarkspanAppInstallPath"], home + "/.Larkspan/Larkspan.app");
  }
}

TEST(ServiceObject, StartsWithTheApplicationFolderOfTheCurrentHome) {
  ScopedEnv home("HOME", "/home/u");
  ServiceUnderTest service;
  EXPECT_STREQ(service.per_user_install_path.c_str(), "/home/u/.Larkspan/Larkspan.app");
  EXPECT_EQ(service.timeout, 10000);
  for (const ServiceUnderTest::VersionInfo* v : {&service.target_version, &service.source_version}) {
    EXPECT_TRUE(v->major_version.empty());
    EXPECT_TRUE(v->minor_version.empty());
    EXPECT_TRUE(v->build_version.empty());
    EXPECT_TRUE(v->icon_overlay_version.empty());
  }
  service.SetTimeout(3);
  EXPECT_EQ(service.timeout, 3);
}

// Records which overridable operations the service's own steps reach.
class RecordingService : public LinuxService {
 public:
  RecordingService(std::vector<std::string>* calls, bool* destroyed)
      : calls_(calls), destroyed_(destroyed) {}
  ~RecordingService() override { *destroyed_ = true; }

  void StopService() override { calls_->push_back("StopService"); }
  int PrepareUserEnv() override {
    calls_->push_back("PrepareUserEnv");
    return 7;
  }
  void LoadTargetVersion() override { calls_->push_back("LoadTargetVersion"); }
  void LoadSourceVersion() override { calls_->push_back("LoadSourceVersion"); }

 private:
  std::vector<std::string>* calls_;
  bool* destroyed_;
};

TEST(ServiceObject, InstallationStepsGoThroughOverridesButVersionLoadingDoesNot) {
  TempDir home;
  ScopedEnv env("HOME", home.path());
  const std::string program = home.sub(".Larkspan/Larkspan.app/bin/larkspan-drive-ui");
  struct Case {
    const char* name;
    bool program_installed;
    std::vector<std::string> expected_calls;
  };
  const Case cases[] = {
      {"program_installed", true, {"StopService", "PrepareUserEnv"}},
      {"program_missing", false, {"PrepareUserEnv"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.program_installed)
      testsupport::WriteFile(program, "#!/bin/sh\n", 0755);
    else
      std::remove(program.c_str());
    std::vector<std::string> calls;
    bool destroyed = false;
    Service* service = new RecordingService(&calls, &destroyed);
    EXPECT_EQ(service->HandlePackageUpgrade(), 7);  // PrepareUserEnv's result, unchanged
    service->PreUpgrade();                          // reads the files itself
    EXPECT_EQ(calls, c.expected_calls);
    delete service;
    EXPECT_TRUE(destroyed);
  }
}

}  // namespace
