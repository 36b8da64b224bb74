#include "launcher.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <climits>
#include <limits>

#include "adapter.h"
#include "cloud-service.h"
#include "linux/linux-service.h"
#include "log.h"
#include "progress-dialog.h"
#include "texts/strtab.h"

void HandlerThread::run() { exec(); }

Worker::Worker() : Worker(new LinuxService()) {}

Worker::Worker(Service* service) : QObject(nullptr), m_handler_thread(nullptr), m_service(service) {
  m_handler_thread = new HandlerThread();
  moveToThread(m_handler_thread);
}

Worker::~Worker() {
  if (m_handler_thread) {
    if (m_handler_thread->isRunning()) {
      QuitThread();
      JoinThread();
    }
    delete m_handler_thread;
  }
  delete m_service;
}

void Worker::StartThread() { m_handler_thread->start(QThread::InheritPriority); }

void Worker::QuitThread() { m_handler_thread->quit(); }

void Worker::JoinThread() { m_handler_thread->wait(ULONG_MAX); }

void Worker::HandleServicce() {
  Logger::LogMsg(Logger::L_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): running\n", __LINE__);
  m_service->PreUpgrade();
  if (!m_service->IsNeedUpgrade()) {
    Logger::LogMsg(Logger::L_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): no need to upgrade\n", __LINE__);
  } else {
    emit sigShowMsg();
    if (m_service->HandlePackageUpgrade() != 0) {
      Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] launcher(%d): Failed to upgrade package\n", __LINE__);
    } else {
      emit sigUpdateProgress(100, 100);
      emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_lksp_env_preparation_done));
    }
  }
  m_service->RemoveAgedFolders();
  m_service->PostUpgrade();
  Logger::LogMsg(Logger::L_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): done\n", __LINE__);
  emit sigServiceDone();
}

Launcher::Launcher() : Launcher(new LinuxService()) {}

Launcher::Launcher(Service* service) : QObject(nullptr), m_worker(nullptr), m_progress(nullptr) {
  m_worker = new Worker(service);
  m_progress = new ProcessingProgressDialog();
  m_progress->setCancelButton(nullptr);
  m_progress->setAutoReset(false);
  // The dialog is for installations only (ShowMsgBox). Left to itself the
  // toolkit would show it once its minimum duration has passed, so a slow
  // start with nothing to install would bring up "initializing" at 0%.
  m_progress->setMinimumDuration(std::numeric_limits<int>::max());
  ConnectSignals();
}

Launcher::~Launcher() {
  delete m_worker;
  delete m_progress;
}

void Launcher::ConnectSignals() {
  Notify_Adapter& adapter = Notify_Adapter::GetInstance();
  connect(this, SIGNAL(sigStart()), m_worker, SLOT(HandleServicce()));
  connect(m_worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
  connect(m_worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
  connect(m_worker, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
  connect(m_worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
  connect(&adapter, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
  connect(&adapter, SIGNAL(sigUpdateDialogText(QString)), this, SLOT(SetLabelText(QString)));
}

void Launcher::Run() { m_worker->StartThread(); }

void Launcher::Start() { emit sigStart(); }

void Launcher::LaunchDone() {
  if (m_value_depth > 0) {
    // Arrived from inside a nested setValue: finish once that call has
    // returned, behind everything already queued.
    QMetaObject::invokeMethod(this, "LaunchDone", Qt::QueuedConnection);
    return;
  }
  SetProgressValue(100);
  m_progress->hide();
  m_worker->QuitThread();
  m_worker->JoinThread();
  QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps) {
  if (total < 1) return;
  // 64 bits, so that archives with more than 21 million entries do not
  // overflow; the result equals the 32-bit one wherever that one is defined.
  const long long percent = static_cast<long long>(steps) * 100 / total;
  SetProgressValue(static_cast<int>(percent));
}

void Launcher::SetLabelText(const QString& label) { m_progress->setLabelText(label); }

void Launcher::ShowMsgBox() { m_progress->show(); }

void Launcher::SetProgressValue(int value) {
  ++m_value_depth;
  m_progress->setValue(value);
  --m_value_depth;
}
