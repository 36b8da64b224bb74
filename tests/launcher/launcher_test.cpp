// The controller and its worker thread, driven by a fake service: the job's
// branches as the dialog and the log see them, progress arithmetic, the start
// order, close requests while the job runs, and the end of the objects.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <future>
#include <mutex>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "adapter.h"
#include "fake_service.h"
#include "launcher.h"
#include "log_capture.h"
#include "progress-dialog.h"
#include "test_support.h"

namespace {

using testsupport::LogCapture;
using testsupport::PathExists;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

const char kInitialLabel[] = "Larkspan Drive is initializing...";
const char kReadyLabel[] = "Larkspan Drive is ready.";

// The dialog a Launcher made: the one ProcessingProgressDialog among the
// application's top-level widgets.
ProcessingProgressDialog* TheDialog() {
  ProcessingProgressDialog* found = nullptr;
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<ProcessingProgressDialog*>(widget)) {
      found = dialog;
      ++count;
    }
  }
  EXPECT_EQ(count, 1);
  return found;
}

// Writes what the user could see of the dialog into the trace: "show",
// "value N [label]" for every change of the bar, "hide [label] N".
class DialogWatcher : public QObject {
 public:
  DialogWatcher(ProcessingProgressDialog* dialog, std::shared_ptr<Trace> trace) : dialog_(dialog), trace_(std::move(trace)) {
    dialog_->installEventFilter(this);
    QObject::connect(dialog_->findChild<QProgressBar*>(), &QProgressBar::valueChanged, this, [this](int value) {
      trace_->Add("dialog: value " + std::to_string(value) + " [" + Label() + "]");
    });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == dialog_ && event->type() == QEvent::Show) trace_->Add("dialog: show");
    if (watched == dialog_ && event->type() == QEvent::Hide)
      trace_->Add("dialog: hide [" + Label() + "] " + std::to_string(dialog_->value()));
    return false;
  }

 private:
  std::string Label() const { return dialog_->labelText().toStdString(); }

  ProcessingProgressDialog* dialog_;
  std::shared_ptr<Trace> trace_;
};

// Runs the application's event loop until the Launcher ends it, at most
// 30 seconds. Returns false when the loop had to be stopped.
bool RunEventLoopUntilQuit(int* exit_code = nullptr) {
  bool timed_out = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&timed_out] {
    timed_out = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(30000);
  const int rc = QApplication::exec();
  if (exit_code) *exit_code = rc;
  return !timed_out;
}

std::vector<std::string> WithPrefix(const std::vector<std::string>& events, const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& e : events)
    if (e.compare(0, prefix.size(), prefix) == 0) out.push_back(e);
  return out;
}

std::vector<std::string> WorkerEvents(const Trace& trace) {
  std::vector<std::string> out;
  for (const std::string& e : trace.Events())
    if (e.compare(0, 8, "dialog: ") != 0) out.push_back(e);
  return out;
}

// Lets the fake service's worker thread go on once opened. Open() may be
// called more than once, from any thread.
class Gate {
 public:
  Gate() : future_(promise_.get_future().share()) {}
  void Open() {
    std::call_once(opened_, [this] { promise_.set_value(); });
  }
  void Wait() const { future_.wait(); }

 private:
  std::promise<void> promise_;
  std::shared_future<void> future_;
  std::once_flag opened_;
};

// Opens the gate when the test leaves its scope, also through a failed
// assertion. Declared after the Launcher, it runs first: the Launcher's end
// waits for the job, and the job for the gate.
class OpenAtExit {
 public:
  explicit OpenAtExit(Gate& gate) : gate_(gate) {}
  ~OpenAtExit() { gate_.Open(); }

 private:
  Gate& gate_;
};

class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest() : home_env_("HOME", home_.path()), trace_(std::make_shared<Trace>()) {}

  std::unique_ptr<Launcher> MakeLauncher(FakeScript script) {
    return std::make_unique<Launcher>(new FakeService(std::move(script), trace_));
  }

  TempDir home_;
  ScopedEnv home_env_;
  LogCapture log_;
  std::shared_ptr<Trace> trace_;
};

// --- the job's three branches ----------------------------------------------

struct BranchCase {
  const char* name;
  bool need_upgrade;
  int upgrade_result;
  std::vector<std::string> worker_calls;
  std::vector<std::string> dialog_events;
  int failure_lines;  // "Failed to upgrade package" in the log
};

void PrintTo(const BranchCase& c, std::ostream* os) { *os << c.name; }

class LauncherBranchTest : public LauncherTest, public ::testing::WithParamInterface<BranchCase> {};

TEST_P(LauncherBranchTest, DialogAndServiceSeeTheBranch) {
  const BranchCase& c = GetParam();
  const std::string aged = home_.sub(".Larkspan/app");
  WriteFile(aged + "/old-layout.txt", "x");

  FakeScript script;
  script.need_upgrade = c.need_upgrade;
  script.upgrade_result = c.upgrade_result;
  script.during_upgrade = [] {
    // What the extractor sends: its label once, then one report per entry.
    Notify_Adapter::GetInstance().UpdateDialogText("Unpacking");
    Notify_Adapter::GetInstance().UpdateProgress(4, 3);
  };
  script.during_post_upgrade = [this, aged] { trace_->Add(PathExists(aged) ? "aged folder present" : "aged folder gone"); };

  auto launcher = MakeLauncher(script);
  DialogWatcher watcher(TheDialog(), trace_);
  launcher->Run();
  launcher->Start();
  int exit_code = -1;
  ASSERT_TRUE(RunEventLoopUntilQuit(&exit_code));

  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(WorkerEvents(*trace_), c.worker_calls);
  EXPECT_EQ(WithPrefix(trace_->Events(), "dialog: "), c.dialog_events);
  EXPECT_FALSE(TheDialog()->isVisible());
  EXPECT_EQ(log_.Count("[ERROR] launcher("), c.failure_lines);
  EXPECT_EQ(log_.Count("Failed to upgrade package"), c.failure_lines);
  EXPECT_EQ(log_.Count("no need to upgrade"), c.need_upgrade ? 0 : 1);
  EXPECT_EQ(log_.Count("[DEBUG] launcher("), c.need_upgrade ? 2 : 3);
  EXPECT_TRUE(log_.Contains("): running")) << "first line of the job";
  EXPECT_TRUE(log_.Contains("): done")) << "last line of the job";
  EXPECT_EQ(log_.Count("removing aged app folder " + aged), 1);
}

const std::vector<std::string> kUpgradeCalls = {"PreUpgrade", "IsNeedUpgrade", "HandlePackageUpgrade", "PostUpgrade",
                                                "aged folder gone"};

INSTANTIATE_TEST_SUITE_P(
    Branches, LauncherBranchTest,
    ::testing::Values(
        // Nothing shown, nothing reported; only the value set at the end.
        BranchCase{"NoUpgrade", false, 0, {"PreUpgrade", "IsNeedUpgrade", "PostUpgrade", "aged folder gone"},
                   {"dialog: value 100 [Larkspan Drive is initializing...]"}, 0},
        // The extractor's last label and value stay until the end sets 100.
        BranchCase{"FailedUpgrade", true, -1, kUpgradeCalls,
                   {"dialog: show", "dialog: value 75 [Unpacking]", "dialog: value 100 [Unpacking]",
                    "dialog: hide [Unpacking] 100"},
                   1},
        // 100 and the ready text arrive before the dialog is hidden.
        BranchCase{"SucceededUpgrade", true, 0, kUpgradeCalls,
                   {"dialog: show", "dialog: value 75 [Unpacking]", "dialog: value 100 [Unpacking]",
                    "dialog: hide [Larkspan Drive is ready.] 100"},
                   0}),
    [](const ::testing::TestParamInfo<BranchCase>& info) { return std::string(info.param.name); });

// --- progress and the dialog's settings --------------------------------------

TEST_F(LauncherTest, UpdateProgressTurnsReportsIntoPercent) {
  auto launcher = MakeLauncher(FakeScript());
  ProcessingProgressDialog* dialog = TheDialog();
  struct Row {
    const char* name;
    int total;
    int steps;
    int expected;
  };
  const Row rows[] = {
      {"one third", 3, 1, 33},
      {"two thirds truncated", 3, 2, 66},
      {"complete odd total", 7, 7, 100},
      {"worker's final report", 100, 100, 100},
      {"nothing yet", 5, 0, 0},
      {"huge archive does not overflow", 30000000, 29999999, 99},
      {"no total is dropped", 0, 5, 50},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Notify_Adapter::GetInstance().UpdateProgress(2, 1);  // a known start: 50
    Notify_Adapter::GetInstance().UpdateProgress(row.total, row.steps);
    EXPECT_EQ(dialog->value(), row.expected);
  }
}

TEST_F(LauncherTest, DialogHasNoButtonAndStaysOpenAtTheMaximum) {
  auto launcher = MakeLauncher(FakeScript());
  ProcessingProgressDialog* dialog = TheDialog();
  EXPECT_TRUE(dialog->findChildren<QPushButton*>().isEmpty());

  dialog->show();
  Notify_Adapter::GetInstance().UpdateProgress(1, 1);
  QCoreApplication::processEvents();

  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->value(), 100);
  EXPECT_EQ(dialog->labelText(), QString(kInitialLabel));
  EXPECT_FALSE(dialog->wasCanceled());
  dialog->hide();
}

// Left to itself, the toolkit shows a progress dialog that receives progress
// some time after it was made; this one appears only through ShowMsgBox.
TEST_F(LauncherTest, ProgressAloneDoesNotShowTheDialog) {
  auto launcher = MakeLauncher(FakeScript());
  ProcessingProgressDialog* dialog = TheDialog();
  QTest::qWait(100);
  Notify_Adapter::GetInstance().UpdateProgress(100, 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog->value(), 1);
  EXPECT_FALSE(dialog->isVisible());
}

// --- start order ---------------------------------------------------------------

TEST_F(LauncherTest, StartBeforeTheThreadRunsStillRunsTheJobOnce) {
  struct Row {
    const char* name;
    bool start_first;
  };
  for (const Row& row : {Row{"Start right after Run", false}, Row{"Start before Run", true}}) {
    SCOPED_TRACE(row.name);
    auto trace = std::make_shared<Trace>();
    Launcher launcher(new FakeService(FakeScript(), trace));
    if (row.start_first) launcher.Start();
    launcher.Run();
    if (!row.start_first) launcher.Start();
    ASSERT_TRUE(RunEventLoopUntilQuit());
    QTest::qWait(50);  // a second job would have time to show up
    EXPECT_EQ(trace->Count("PreUpgrade"), 1);
    EXPECT_EQ(trace->Count("PostUpgrade"), 1);
  }
}

// --- close requests while the job runs ----------------------------------------

TEST_F(LauncherTest, CloseRequestsWhileTheJobRunsChangeNothing) {
  Gate gate;
  FakeScript script;
  script.need_upgrade = true;
  script.during_upgrade = [&gate, this] {
    Notify_Adapter::GetInstance().UpdateDialogText("Unpacking");
    Notify_Adapter::GetInstance().UpdateProgress(2, 1);
    gate.Wait();
    trace_->Add("upgrade resumed");
  };
  auto launcher = MakeLauncher(script);
  OpenAtExit open_at_exit(gate);
  ProcessingProgressDialog* dialog = TheDialog();
  launcher->Run();
  launcher->Start();
  ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isVisible() && dialog->value() == 50; }, 10000));

  EXPECT_FALSE(dialog->close());  // what a window manager's close button asks
  QTest::keyClick(dialog, Qt::Key_Escape);
  QTest::qWait(50);

  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->value(), 50);
  EXPECT_EQ(dialog->labelText(), QString("Unpacking"));
  EXPECT_EQ(trace_->Count("PostUpgrade"), 0) << "the job is still waiting";

  gate.Open();
  ASSERT_TRUE(RunEventLoopUntilQuit());
  EXPECT_EQ(trace_->Count("upgrade resumed"), 1);
  EXPECT_EQ(trace_->Count("PostUpgrade"), 1);
  EXPECT_EQ(dialog->labelText(), QString(kReadyLabel));
  EXPECT_FALSE(dialog->isVisible());
}

// Once the toolkit has decided to show a modal progress dialog, its setValue
// processes events, so the end of the job could be delivered inside a
// progress update; it must wait until that update has returned. (The
// launcher keeps the toolkit from deciding so; here it decides at once.)
TEST_F(LauncherTest, EndArrivingInsideAProgressUpdateWaitsForIt) {
  auto launcher = MakeLauncher(FakeScript());
  ProcessingProgressDialog* dialog = TheDialog();
  launcher->Run();
  QMetaObject::invokeMethod(launcher.get(), "ShowMsgBox");
  dialog->setMinimumDuration(0);
  Notify_Adapter::GetInstance().UpdateProgress(100, 1);

  bool processed_inside = false;
  QMetaObject::invokeMethod(qApp, [&processed_inside] { processed_inside = true; }, Qt::QueuedConnection);
  QMetaObject::invokeMethod(launcher.get(), "LaunchDone", Qt::QueuedConnection);
  Notify_Adapter::GetInstance().UpdateProgress(100, 2);

  ASSERT_TRUE(processed_inside) << "setValue did not process events: the case is not reached";
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->value(), 2);

  ASSERT_TRUE(RunEventLoopUntilQuit());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->value(), 100);
}

// --- the end of the objects -----------------------------------------------------

TEST_F(LauncherTest, DeletingAfterTheJobDestroysTheServiceAtOnce) {
  auto launcher = MakeLauncher(FakeScript());
  launcher->Run();
  launcher->Start();
  ASSERT_TRUE(RunEventLoopUntilQuit());
  EXPECT_EQ(trace_->Count("~FakeService"), 0);
  launcher.reset();
  EXPECT_EQ(trace_->Count("~FakeService"), 1);
}

TEST_F(LauncherTest, DeletingWhileTheJobRunsWaitsForIt) {
  Gate gate;
  FakeScript script;
  script.during_post_upgrade = [&gate] { gate.Wait(); };
  auto launcher = MakeLauncher(script);
  OpenAtExit open_at_exit(gate);
  launcher->Run();
  launcher->Start();
  ASSERT_TRUE(QTest::qWaitFor([this] { return trace_->Count("PostUpgrade") == 1; }, 10000));

  std::thread opener([&gate] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    gate.Open();
  });
  launcher.reset();
  opener.join();

  const std::vector<std::string> calls = WorkerEvents(*trace_);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), "~FakeService");
  EXPECT_LT(trace_->IndexOf("PostUpgrade"), trace_->IndexOf("~FakeService"));
}

TEST_F(LauncherTest, DeletingWithoutAJobEndsTheIdleThread) {
  auto launcher = MakeLauncher(FakeScript());
  launcher->Run();
  launcher.reset();
  EXPECT_EQ(trace_->Events(), std::vector<std::string>{"~FakeService"});
}

}  // namespace
