// The Debian packages as cpack made them for this build (the fixture test
// packaging.build_debs): their files and modes, their control fields, the
// desktop entries and icons, lintian's verdict, and the launcher run from the
// unpacked packages the way the installed one runs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using e2e::CommandResult;
using e2e::ProcessRuns;
using e2e::RunCommand;
using e2e::ShellQuote;
using e2e::WaitFor;
using testsupport::MakeDirs;
using testsupport::PathExists;
using testsupport::ReadFile;
using testsupport::ReadLines;
using testsupport::TempDir;

const std::string kRoot = "/opt/Kestrin/Larkspan";
const std::string kLauncherPackage = "larkspan-drive-launcher";
const std::string kSamplePackage = "larkspan-drive-sample-client";
const std::string kQtPlugins = LARKSPAN_QT_PLUGIN_DIR;

// --- Small text helpers -----------------------------------------------------

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

std::string Trim(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t\n");
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(" \t\n") - begin + 1);
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// Package names in a relation field such as "a (>= 1) | b:any, c": {a, b, c}.
std::set<std::string> RelationNames(const std::string& field) {
  std::set<std::string> names;
  std::string item;
  std::istringstream in(field);
  while (std::getline(in, item, ',')) {
    std::istringstream alternatives(item);
    for (std::string alternative; std::getline(alternatives, alternative, '|');) {
      const std::string name = Trim(alternative.substr(0, alternative.find_first_of("(:[")));
      if (!name.empty()) names.insert(name);
    }
  }
  return names;
}

// --- The built packages -----------------------------------------------------

// The one .deb of `package` that the fixture made, "" when there is none or
// more than one.
std::string PackageFile(const std::string& package) {
  std::vector<std::string> found;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(LARKSPAN_DEB_DIR, error)) {
    const std::string name = entry.path().filename().string();
    if (StartsWith(name, package + "_") && entry.path().extension() == ".deb") found.push_back(entry.path().string());
  }
  return found.size() == 1 ? found[0] : "";
}

#define ASSERT_PACKAGE(var, package)                                                      \
  const std::string var = PackageFile(package);                                           \
  ASSERT_FALSE(var.empty()) << "no single " << (package) << "_*.deb in " LARKSPAN_DEB_DIR \
                            << " (the fixture test packaging.build_debs makes it)"

std::string ControlField(const std::string& deb, const std::string& field) {
  return Trim(RunCommand("dpkg-deb -f " + ShellQuote(deb) + " " + field).output);
}

// Unpacks the files of `deb` below `dir`, as dpkg would below /.
::testing::AssertionResult Unpack(const std::string& deb, const std::string& dir) {
  const CommandResult run = RunCommand("dpkg-deb -x " + ShellQuote(deb) + " " + ShellQuote(dir) + " 2>&1");
  if (run.status == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "dpkg-deb -x " << deb << ": " << run.output;
}

// One line of `dpkg-deb -c`: "drwxr-xr-x root/root 0 2026-12-11 14:00 ./opt/".
struct Entry {
  std::string mode;
  std::string owner;
  std::string path;    // "/opt/", folders end in "/"
  std::string target;  // of a symbolic link, else empty
};

std::vector<Entry> PackageEntries(const std::string& deb) {
  const CommandResult listing = RunCommand("dpkg-deb -c " + ShellQuote(deb));
  EXPECT_EQ(listing.status, 0) << deb;
  std::vector<Entry> entries;
  for (const std::string& line : Lines(listing.output)) {
    std::istringstream fields(line);
    Entry entry;
    std::string size, date, time, rest;
    fields >> entry.mode >> entry.owner >> size >> date >> time;
    std::getline(fields, rest);
    rest = Trim(rest);
    const size_t arrow = rest.find(" -> ");
    if (arrow != std::string::npos) {
      entry.target = rest.substr(arrow + 4);
      rest.resize(arrow);
    }
    entry.path = StartsWith(rest, "./") ? rest.substr(1) : rest;
    entries.push_back(entry);
  }
  return entries;
}

// An entry as the checked-in lists write it, the Qt plugin folder as $QT_PLUGINS.
std::string Normalised(const Entry& entry) {
  if (entry.target.empty()) return entry.path;
  std::string target = entry.target;
  if (StartsWith(target, kQtPlugins + "/")) target = "$QT_PLUGINS" + target.substr(kQtPlugins.size());
  return entry.path + " -> " + target;
}

std::vector<std::string> ExpectedPaths(const std::string& package) {
  std::vector<std::string> paths;
  for (const std::string& line : ReadLines(std::string(LARKSPAN_EXPECTED_DIR) + "/" + package + ".files"))
    if (!line.empty() && line[0] != '#') paths.push_back(line);
  return paths;
}

// --- Content of each package ------------------------------------------------

struct PackageCase {
  const char* test_name;
  const std::string* package;
};

const PackageCase kPackageCases[] = {
    {"Launcher", &kLauncherPackage},
    {"SampleClient", &kSamplePackage},
};

void PrintTo(const PackageCase& row, std::ostream* out) { *out << row.test_name; }

class PackageContentTest : public ::testing::TestWithParam<PackageCase> {};

TEST_P(PackageContentTest, HoldsExactlyTheListedPaths) {
  const std::string& package = *GetParam().package;
  ASSERT_PACKAGE(deb, package);
  const std::vector<std::string> expected = ExpectedPaths(package);
  ASSERT_FALSE(expected.empty()) << "no list " << LARKSPAN_EXPECTED_DIR << "/" << package << ".files";

  std::vector<std::string> actual;
  for (const Entry& entry : PackageEntries(deb)) actual.push_back(Normalised(entry));
  EXPECT_EQ(Join(actual), Join(expected));
}

std::string ExpectedMode(const Entry& entry) {
  if (!entry.target.empty()) return "lrwxrwxrwx";
  if (entry.path.back() == '/') return "drwxr-xr-x";
  if (entry.path == kRoot + "/bin/launcher") return "-rwxr-xr-x";
  return "-rw-r--r--";
}

TEST_P(PackageContentTest, EveryEntryIsRootsWithTheModeOfItsKind) {
  ASSERT_PACKAGE(deb, *GetParam().package);
  const std::vector<Entry> entries = PackageEntries(deb);
  ASSERT_FALSE(entries.empty());
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.path);
    EXPECT_EQ(entry.owner, "root/root");
    EXPECT_EQ(entry.mode, ExpectedMode(entry));
  }
}

// The changelog inside the package names the version the package carries.
TEST_P(PackageContentTest, VersionIsTheChangelogsLatest) {
  const std::string& package = *GetParam().package;
  ASSERT_PACKAGE(deb, package);
  TempDir tree("larkspan-deb-tree");
  ASSERT_TRUE(Unpack(deb, tree.path()));

  const std::string changelog = tree.path() + "/usr/share/doc/" + package + "/changelog.Debian.gz";
  const std::string top = Lines(RunCommand("zcat " + ShellQuote(changelog)).output + "\n")[0];
  const size_t open = top.find(" (");
  const size_t close = top.find(')', open);
  ASSERT_NE(close, std::string::npos) << "no version in the changelog's first line: " << top;
  EXPECT_EQ(ControlField(deb, "Version"), top.substr(open + 2, close - open - 2)) << top;
  EXPECT_TRUE(PathExists(tree.path() + "/usr/share/doc/" + package + "/copyright"));
}

INSTANTIATE_TEST_SUITE_P(Packages, PackageContentTest, ::testing::ValuesIn(kPackageCases),
                         [](const ::testing::TestParamInfo<PackageCase>& info) { return info.param.test_name; });

// --- Relations ----------------------------------------------------------------

// "pkg:arch: /path" or "pkg: /path" from `dpkg -S`; "" when no package has the
// file. Merged /usr: a library found in /lib may be recorded below /usr/lib.
std::string OwningPackage(const std::string& path) {
  std::vector<std::string> candidates = {path};
  if (StartsWith(path, "/usr/"))
    candidates.push_back(path.substr(4));
  else
    candidates.push_back("/usr" + path);
  for (const std::string& candidate : candidates) {
    const CommandResult owner = RunCommand("dpkg -S " + ShellQuote(candidate) + " 2>/dev/null");
    if (owner.status != 0) continue;
    const std::string first = Lines(owner.output)[0];
    const std::string name = first.substr(0, first.find(": "));
    return name.substr(0, name.find(':'));
  }
  return "";
}

// Libraries the program names directly (its NEEDED entries).
std::vector<std::string> NeededLibraries(const std::string& program) {
  std::vector<std::string> needed;
  for (const std::string& line : Lines(RunCommand("readelf -d " + ShellQuote(program)).output)) {
    const size_t open = line.find("(NEEDED)");
    if (open == std::string::npos) continue;
    const size_t name = line.find('[', open);
    needed.push_back(line.substr(name + 1, line.find(']', name) - name - 1));
  }
  return needed;
}

// Where the dynamic loader finds each library of the program.
std::map<std::string, std::string> ResolvedLibraries(const std::string& program) {
  std::map<std::string, std::string> paths;
  for (const std::string& line : Lines(RunCommand("ldd " + ShellQuote(program)).output)) {
    std::istringstream fields(line);
    std::string name, arrow, path;
    if (fields >> name >> arrow >> path && arrow == "=>") paths[name] = path;
  }
  return paths;
}

TEST(PackageRelationsTest, LauncherDependsOnThePackageOfEveryLibraryAndOfTheXcbPlugin) {
  ASSERT_PACKAGE(deb, kLauncherPackage);
  TempDir tree("larkspan-deb-tree");
  ASSERT_TRUE(Unpack(deb, tree.path()));
  const std::string program = tree.path() + kRoot + "/bin/launcher";
  const std::set<std::string> depends = RelationNames(ControlField(deb, "Depends"));

  const std::vector<std::string> needed = NeededLibraries(program);
  ASSERT_FALSE(needed.empty()) << "readelf found no libraries in " << program;
  const std::map<std::string, std::string> resolved = ResolvedLibraries(program);
  for (const std::string& library : needed) {
    SCOPED_TRACE(library);
    ASSERT_EQ(resolved.count(library), 1u) << "ldd does not find it";
    const std::string owner = OwningPackage(resolved.at(library));
    ASSERT_FALSE(owner.empty()) << "no package has " << resolved.at(library);
    EXPECT_EQ(depends.count(owner), 1u) << owner << " is missing in Depends: " << ControlField(deb, "Depends");
  }
  // The platform plugin that ROOT/lib/plugins/platforms leads to.
  const std::string xcb_owner = OwningPackage(kQtPlugins + "/platforms/libqxcb.so");
  ASSERT_FALSE(xcb_owner.empty());
  EXPECT_EQ(depends.count(xcb_owner), 1u) << xcb_owner << " is missing in Depends";
}

TEST(PackageRelationsTest, SampleClientSatisfiesTheLaunchersRecommendsAndIsNotRequired) {
  ASSERT_PACKAGE(launcher, kLauncherPackage);
  ASSERT_PACKAGE(sample, kSamplePackage);
  std::set<std::string> sample_names = RelationNames(ControlField(sample, "Provides"));
  sample_names.insert(ControlField(sample, "Package"));

  const std::set<std::string> recommends = RelationNames(ControlField(launcher, "Recommends"));
  bool satisfied = false;
  for (const std::string& name : recommends) satisfied |= sample_names.count(name) > 0;
  EXPECT_TRUE(satisfied) << "Recommends: " << ControlField(launcher, "Recommends");
  for (const std::string& name : RelationNames(ControlField(launcher, "Depends")))
    EXPECT_EQ(sample_names.count(name), 0u) << name;
}

// --- Desktop integration ----------------------------------------------------

// The value of `key` in a desktop entry, "" when the entry has none.
std::string DesktopValue(const std::string& path, const std::string& key) {
  for (const std::string& line : ReadLines(path))
    if (StartsWith(line, key + "=")) return line.substr(key.size() + 1);
  return "";
}

struct DesktopEntryCase {
  const char* test_name;
  const char* path;
};

const DesktopEntryCase kDesktopEntries[] = {
    {"Menu", "/usr/share/applications/larkspan-drive-launcher.desktop"},
    {"Autostart", "/etc/xdg/autostart/larkspan-drive-launcher.desktop"},
};

void PrintTo(const DesktopEntryCase& row, std::ostream* out) { *out << row.test_name; }

class DesktopEntryTest : public ::testing::TestWithParam<DesktopEntryCase> {
 protected:
  void SetUp() override {
    const std::string deb = PackageFile(kLauncherPackage);
    ASSERT_FALSE(deb.empty()) << "no " << kLauncherPackage << " package";
    ASSERT_TRUE(Unpack(deb, tree_.path()));
  }
  TempDir tree_{"larkspan-deb-tree"};
};

TEST_P(DesktopEntryTest, IsValidAndStartsTheInstalledLauncherWithThePackagedIcon) {
  const std::string entry = tree_.path() + GetParam().path;
  ASSERT_TRUE(PathExists(entry));

  const CommandResult validate = RunCommand("desktop-file-validate " + ShellQuote(entry) + " 2>&1");
  EXPECT_EQ(validate.status, 0) << validate.output;
  EXPECT_EQ(validate.output, "") << "desktop-file-validate has remarks";

  EXPECT_EQ(DesktopValue(entry, "Exec"), kRoot + "/bin/launcher");
  struct stat program;
  ASSERT_EQ(::stat((tree_.path() + DesktopValue(entry, "Exec")).c_str(), &program), 0) << "not in the package";
  EXPECT_TRUE(S_ISREG(program.st_mode) && (program.st_mode & 0111) == 0111);

  const std::string icon = DesktopValue(entry, "Icon");
  ASSERT_FALSE(icon.empty());
  EXPECT_TRUE(PathExists(tree_.path() + "/usr/share/icons/hicolor/72x72/apps/" + icon + ".png")) << icon;
}

INSTANTIATE_TEST_SUITE_P(Entries, DesktopEntryTest, ::testing::ValuesIn(kDesktopEntries),
                         [](const ::testing::TestParamInfo<DesktopEntryCase>& info) { return info.param.test_name; });

TEST(PackageIconsTest, EveryThemeIconHasTheSizeOfItsFolder) {
  ASSERT_PACKAGE(deb, kLauncherPackage);
  TempDir tree("larkspan-deb-tree");
  ASSERT_TRUE(Unpack(deb, tree.path()));

  std::set<std::string> sizes;
  for (const fs::directory_entry& size : fs::directory_iterator(tree.path() + "/usr/share/icons/hicolor")) {
    const std::string folder = size.path().filename().string();
    for (const fs::directory_entry& icon : fs::directory_iterator(size.path() / "apps")) {
      SCOPED_TRACE(icon.path().string());
      const CommandResult identify = RunCommand("identify -format %wx%h " + ShellQuote(icon.path().string()));
      EXPECT_EQ(identify.status, 0);
      EXPECT_EQ(identify.output, folder);
    }
    sizes.insert(folder);
  }
  EXPECT_EQ(sizes.count("72x72"), 1u) << "the source size is missing";
  EXPECT_GT(sizes.size(), 1u) << "no scaled sizes";
}

// --- lintian ------------------------------------------------------------------

// Tags that packaging/README.md explains, as "- `tag`: reason" lines of its
// section "## lintian".
std::set<std::string> DocumentedLintianTags() {
  std::set<std::string> tags;
  bool in_section = false;
  for (const std::string& line : ReadLines(std::string(LARKSPAN_SOURCE_DIR) + "/packaging/README.md")) {
    if (StartsWith(line, "## ")) in_section = line == "## lintian";
    if (!in_section || !StartsWith(line, "- `")) continue;
    tags.insert(line.substr(3, line.find('`', 3) - 3));
  }
  return tags;
}

TEST(LintianTest, ReportsNoErrorAndOnlyTheWarningsTheReadmeExplains) {
  ASSERT_PACKAGE(launcher, kLauncherPackage);
  ASSERT_PACKAGE(sample, kSamplePackage);
  const std::set<std::string> documented = DocumentedLintianTags();
  ASSERT_FALSE(documented.empty()) << "packaging/README.md lists no lintian tags";

  const CommandResult lintian = RunCommand("lintian --fail-on error --tag-display-limit 0 " + ShellQuote(launcher) +
                                           " " + ShellQuote(sample) + " 2>&1");
  EXPECT_EQ(lintian.status, 0) << lintian.output;
  // "W: package: tag [context]"
  for (const std::string& line : Lines(lintian.output)) {
    EXPECT_FALSE(StartsWith(line, "E: ")) << line;
    if (!StartsWith(line, "W: ")) continue;
    std::istringstream fields(line);
    std::string severity, package, tag;
    fields >> severity >> package >> tag;
    EXPECT_EQ(documented.count(tag), 1u) << "not explained in packaging/README.md: " << line;
  }
}

// --- The launcher from the unpacked packages ----------------------------------

struct LevelFileCase {
  const char* test_name;
  bool rename_example;                    // ROOT/log/launcher.debug.example -> launcher.debug
  std::vector<std::string> logged;        // texts the log must hold
  std::vector<std::string> never_logged;  // texts it must not hold
};

const LevelFileCase kLevelFileCases[] = {
    {"WithoutLevelFile", false, {}, {"[DEBUG]", "[INFO]"}},
    {"WithTheExampleRenamed",
     true,
     {"[DEBUG] launcher(", "[DEBUG] linux/linux-service(", "[INFO] cloud-service(", "[DEBUG] extractor("},
     {}},
};

void PrintTo(const LevelFileCase& row, std::ostream* out) { *out << row.test_name; }

// "NAME=value" from our own environment with `extra` appended, for the
// sanitizer options of a sanitizer build; "" when both are empty.
std::string EnvWith(const char* name, const std::string& extra) {
  const char* own = std::getenv(name);
  const std::string value = std::string(own ? own : "") + extra;
  return value.empty() ? "" : std::string(name) + "=" + value;
}

class UnpackedLauncherTest : public ::testing::TestWithParam<LevelFileCase> {
 protected:
  void SetUp() override {
    // The client detaches from the launcher; as the nearest subreaper this
    // process inherits it and can reap it once stopped.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    ASSERT_TRUE(display_.ok()) << "Xvfb did not start";
    const std::string launcher = PackageFile(kLauncherPackage);
    const std::string sample = PackageFile(kSamplePackage);
    ASSERT_FALSE(launcher.empty() || sample.empty()) << "packages missing in " LARKSPAN_DEB_DIR;
    ASSERT_TRUE(Unpack(launcher, base_.sub("scratch")));
    ASSERT_TRUE(Unpack(sample, base_.sub("scratch")));
    MakeDirs(home_);
    MakeDirs(runtime_dir_);
    ASSERT_EQ(::chmod(runtime_dir_.c_str(), 0700), 0);
  }

  void TearDown() override {
    if (client_ > 0) StopClient(client_);
  }

  // Runs ROOT/bin/launcher to its end (at most a minute) with exactly
  // Environment(), its output in `out` and `err`; gives its exit code.
  int RunLauncher(const std::string& out, const std::string& err) const {
    std::string command = "timeout -s KILL 60 env -i";
    for (const std::string& variable : Environment()) command += " " + ShellQuote(variable);
    command += " " + ShellQuote(root_ + "/bin/launcher") + " </dev/null >" + ShellQuote(out) + " 2>" + ShellQuote(err);
    return RunCommand(command).status;
  }

  std::vector<std::string> Environment() const {
    std::vector<std::string> env = {
        "PATH=/usr/local/bin:/usr/bin:/bin",
        "HOME=" + home_,
        "DISPLAY=" + display_.name(),
        "XDG_RUNTIME_DIR=" + runtime_dir_,
        "TMPDIR=" + base_.path(),
        "LANG=C.UTF-8",
        "QT_QPA_PLATFORM=xcb",
        "QT_DEBUG_PLUGINS=1",  // so the test sees where the platform plugin came from
    };
    // A sanitizer build's launcher needs the suite's options and suppressions
    // for the X libraries (see tests/sanitizer).
    const std::string supp = std::string(LARKSPAN_SOURCE_DIR) + "/tests/sanitizer/";
    for (const std::string& option :
         {EnvWith("ASAN_OPTIONS", ":fast_unwind_on_malloc=0:suppressions=" + supp + "asan.supp"),
          EnvWith("LSAN_OPTIONS", ":suppressions=" + supp + "lsan.supp"), EnvWith("UBSAN_OPTIONS", "")})
      if (!option.empty()) env.push_back(option);
    return env;
  }

  // HOME/.Larkspan/ui.pid names the client; 0 without one.
  pid_t ClientPid() const {
    const std::string record = ReadFile(home_ + "/.Larkspan/ui.pid");
    return StartsWith(record, "pid=") ? static_cast<pid_t>(std::atol(record.c_str() + 4)) : 0;
  }

  std::string ClientProgram() const { return home_ + "/.Larkspan/Larkspan.app/bin/larkspan-drive-ui"; }

  // The client leads a session of its own: its group holds it and its sleep.
  // An ended client that nobody reaps stays a zombie, which ProcessRuns (a
  // look at its command line) does not count as running.
  void StopClient(pid_t client) {
    const auto ended = [this, client] {
      while (::waitpid(-client, nullptr, WNOHANG) > 0) {
      }
      return !ProcessRuns(client, ClientProgram());
    };
    ::kill(-client, SIGTERM);
    if (WaitFor(ended, 5000)) return;
    ::kill(-client, SIGKILL);
    EXPECT_TRUE(WaitFor(ended, 5000)) << "client " << client << " did not end";
  }

  static std::string BuildVersion(const std::string& info) {
    for (const std::string& line : ReadLines(info))
      if (StartsWith(line, "build_version=")) return line.substr(14);
    return "<none in " + info + ">";
  }

  TempDir base_{"larkspan-deb-e2e"};
  std::string root_ = base_.sub("scratch") + kRoot;
  std::string home_ = base_.sub("home");
  std::string runtime_dir_ = base_.sub("runtime");
  e2e::VirtualDisplay display_;
  pid_t client_ = 0;
};

// Qt's plugin trace: the folder ROOT/lib/plugins/platforms is searched and
// the xcb plugin found there (Qt names the file behind the link).
bool XcbFoundThroughRootPlugins(const std::string& trace, const std::string& root) {
  const std::vector<std::string> lines = Lines(trace);
  const std::string searched = "checking directory path \"" + root + "/lib/plugins/platforms\"";
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(searched) == std::string::npos) continue;
    for (size_t j = i + 1; j < lines.size() && lines[j].find("checking directory path") == std::string::npos; ++j)
      if (lines[j].find("Found metadata in lib") != std::string::npos &&
          lines[j].find("/libqxcb.so") != std::string::npos)
        return true;
  }
  return false;
}

TEST_P(UnpackedLauncherTest, InstallsAndStartsTheSampleClient) {
  const LevelFileCase& row = GetParam();
  if (row.rename_example) {
    ASSERT_EQ(::rename((root_ + "/log/launcher.debug.example").c_str(), (root_ + "/log/launcher.debug").c_str()), 0)
        << std::strerror(errno);
  }

  const std::string out = base_.sub("launcher.out");
  const std::string err = base_.sub("launcher.err");
  const int exit_code = RunLauncher(out, err);
  client_ = ClientPid();

  EXPECT_EQ(exit_code, 0) << "128 + 9: it did not end within a minute\n" << ReadFile(err);
  EXPECT_TRUE(StartsWith(ReadFile(out), "lib path = '" + root_ + "/lib/plugins'\n")) << ReadFile(out);
  EXPECT_TRUE(XcbFoundThroughRootPlugins(ReadFile(err), root_)) << ReadFile(err);
  EXPECT_EQ(BuildVersion(home_ + "/.Larkspan/Larkspan.app/INFO"), BuildVersion(root_ + "/INFO"));
  EXPECT_TRUE(ProcessRuns(client_, ClientProgram())) << "client " << client_;

  const std::string log = ReadFile(home_ + "/.Larkspan/log/launcher.log");
  EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
  for (const std::string& text : row.logged) EXPECT_NE(log.find(text), std::string::npos) << text << " in\n" << log;
  for (const std::string& text : row.never_logged)
    EXPECT_EQ(log.find(text), std::string::npos) << text << " in\n" << log;
}

INSTANTIATE_TEST_SUITE_P(LevelFiles, UnpackedLauncherTest, ::testing::ValuesIn(kLevelFileCases),
                         [](const ::testing::TestParamInfo<LevelFileCase>& info) { return info.param.test_name; });

}  // namespace
