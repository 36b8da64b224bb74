// A Service whose virtual steps only record themselves and follow a script,
// for running the launcher's job without a client or a package. The
// non-virtual RemoveAgedFolders stays the real one and works below $HOME.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cloud-service.h"

// Events from both threads, in the order they happened.
class Trace {
 public:
  void Add(const std::string& event) {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(event);
  }
  std::vector<std::string> Events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }
  int Count(const std::string& event) const {
    int n = 0;
    for (const std::string& e : Events()) n += e == event;
    return n;
  }
  // Position of the first event equal to `event`, -1 when there is none.
  int IndexOf(const std::string& event) const {
    const std::vector<std::string> events = Events();
    for (size_t i = 0; i < events.size(); ++i)
      if (events[i] == event) return static_cast<int>(i);
    return -1;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> events_;
};

struct FakeScript {
  bool need_upgrade = false;
  int upgrade_result = 0;
  // Runs inside HandlePackageUpgrade on the worker thread, in place of the
  // extraction (it may report through Notify_Adapter like the extractor).
  std::function<void()> during_upgrade;
  // Runs inside PostUpgrade on the worker thread.
  std::function<void()> during_post_upgrade;
};

class FakeService : public Service {
 public:
  FakeService(FakeScript script, std::shared_ptr<Trace> trace) : script_(std::move(script)), trace_(std::move(trace)) {}
  ~FakeService() override { trace_->Add("~FakeService"); }

  void StopService() override { trace_->Add("StopService"); }
  void PreUpgrade() override { trace_->Add("PreUpgrade"); }
  bool IsNeedUpgrade() override {
    trace_->Add("IsNeedUpgrade");
    return script_.need_upgrade;
  }
  int HandlePackageUpgrade() override {
    trace_->Add("HandlePackageUpgrade");
    if (script_.during_upgrade) script_.during_upgrade();
    return script_.upgrade_result;
  }
  void PostUpgrade() override {
    trace_->Add("PostUpgrade");
    if (script_.during_post_upgrade) script_.during_post_upgrade();
  }

 private:
  FakeScript script_;
  std::shared_ptr<Trace> trace_;
};
