// Logger throughput and the cost of a filtered message.
//
//   Write/N/threads:T   lines per second to a file sink rotating N files
//   PlainWrite/threads:T  the same lines with fprintf + fflush on one FILE*;
//                       with threads, one fflush may write several lines
//   PlainWriteLocked/threads:4  the same under a mutex, one write per line
//                       as the logger does
//   Filtered            an L_DEBUG message of a component at L_WARNING, the
//                       component given as a literal, as callers write it
//   FilteredPrebuiltComponent  the same with the ustring already made
//   MapLookup           one lookup in a table like the logger's
//
// After the table it prints the ratios: written / plain (target >= 0.8) and
// filtered / lookup (target <= 3), from the medians when run with
// --benchmark_repetitions. Write/1 shows what the rename chain of Write/50
// costs. Files go to a temporary folder that is removed at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "log.h"

namespace {

const char kComponent[] = "service_debug";
const char kPayload[] = "Failed to read pid file '/home/user/.Larkspan/ui.pid', not exist ?";
const char kStamp[] = "Dec 09 18:37:02 ";  // a plain loop writes a fixed stamp of the same size

std::string folder;
std::string levels;
FILE* plain_file = nullptr;
std::mutex plain_lock;

void WritePlainLine() {
  std::fprintf(plain_file, "%s[ERROR] linux/linux-service(%d): %s\n", kStamp, 57, kPayload);
  std::fflush(plain_file);
}

// The other threads wait at the start of the loop, so thread 0 may set up.
void Write(benchmark::State& state) {
  const int rotate_count = static_cast<int>(state.range(0));
  const std::string path = folder + "/launcher-" + std::to_string(rotate_count) + ".log";
  if (state.thread_index() == 0 &&
      Logger::Initialize(Logger::FILE_LOGGER, path.c_str(), levels.c_str(), rotate_count) != 0)
    state.SkipWithError("cannot open the log file");
  for (auto _ : state)
    Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] linux/linux-service(%d): %s\n", 57,
                   kPayload);
  state.SetItemsProcessed(state.iterations());
}

void PlainWrite(benchmark::State& state) {
  for (auto _ : state) WritePlainLine();
  state.SetItemsProcessed(state.iterations());
}

void PlainWriteLocked(benchmark::State& state) {
  for (auto _ : state) {
    std::lock_guard<std::mutex> hold(plain_lock);
    WritePlainLine();
  }
  state.SetItemsProcessed(state.iterations());
}

// As callers write it: the component is a literal made into a ustring per call.
void Filtered(benchmark::State& state) {
  for (auto _ : state)
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] linux/linux-service(%d): %s\n", 57,
                   kPayload);
}

// The logger's own share: the component string already made.
void FilteredPrebuiltComponent(benchmark::State& state) {
  const ustring component(kComponent);
  for (auto _ : state)
    Logger::LogMsg(Logger::L_DEBUG, component, "[DEBUG] linux/linux-service(%d): %s\n", 57,
                   kPayload);
}

void MapLookup(benchmark::State& state) {
  const std::map<ustring, int> table = {{"default_component", 4}, {"extractor_debug", 4},
                                        {"file_op_debug", 4},     {"launcher_debug", 4},
                                        {"service_debug", 4}};
  const ustring component(kComponent);
  for (auto _ : state) benchmark::DoNotOptimize(table.find(component));
}

BENCHMARK(Write)->Arg(50)->Threads(1)->Threads(4)->UseRealTime();
BENCHMARK(Write)->Arg(1)->Threads(1)->UseRealTime();
BENCHMARK(PlainWrite)->Threads(1)->Threads(4)->UseRealTime();
BENCHMARK(PlainWriteLocked)->Threads(4)->UseRealTime();
BENCHMARK(Filtered);
BENCHMARK(FilteredPrebuiltComponent);
BENCHMARK(MapLookup);

// The console table, then the ratios the targets are stated in.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || !IsSummary(run)) continue;
      std::string key = run.run_name.function_name + "/";
      if (!run.run_name.args.empty()) key += run.run_name.args + "/";
      key += std::to_string(run.threads);
      const auto rate = run.counters.find("items_per_second");
      rate_[key] = rate == run.counters.end() ? 0 : rate->second.value;
      wall_[key] = run.GetAdjustedRealTime();
      cpu_[key] = run.GetAdjustedCPUTime();
    }
  }

  // Ratios by wall time (lines per second) and by CPU time per line; on a
  // busy machine the CPU figures are the steadier ones.
  void Finalize() override {
    ConsoleReporter::Finalize();
    PrintWriteRatio("Write/50/1", "PlainWrite/1");
    PrintWriteRatio("Write/1/1", "PlainWrite/1");
    PrintWriteRatio("Write/50/4", "PlainWrite/4");
    PrintWriteRatio("Write/50/4", "PlainWriteLocked/4");
    PrintFilterRatio("Filtered/1");
    PrintFilterRatio("FilteredPrebuiltComponent/1");
  }

 private:
  // With repetitions, the median stands for them; otherwise the one run.
  static bool IsSummary(const Run& run) {
    if (run.run_type == Run::RT_Aggregate) return run.aggregate_name == "median";
    return run.repetitions <= 1;
  }

  static double Ratio(double a, double b) { return b > 0 ? a / b : 0; }

  void PrintWriteRatio(const std::string& logger, const std::string& plain) {
    std::printf("%s vs %s: %.0f vs %.0f lines/s, ratio %.2f by wall time, %.2f by CPU time"
                " (target >= 0.8)\n",
                logger.c_str(), plain.c_str(), rate_[logger], rate_[plain],
                Ratio(rate_[logger], rate_[plain]), Ratio(cpu_[plain], cpu_[logger]));
  }

  void PrintFilterRatio(const std::string& filtered) {
    const std::string lookup = "MapLookup/1";
    std::printf("%s vs %s: %.1f vs %.1f ns, ratio %.2f by wall time, %.2f by CPU time"
                " (target <= 3)\n",
                filtered.c_str(), lookup.c_str(), wall_[filtered], wall_[lookup],
                Ratio(wall_[filtered], wall_[lookup]), Ratio(cpu_[filtered], cpu_[lookup]));
  }

  std::map<std::string, double> rate_;
  std::map<std::string, double> wall_;
  std::map<std::string, double> cpu_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  const char* tmp = std::getenv("TMPDIR");
  folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/logger-bench.XXXXXX";
  if (!::mkdtemp(folder.data())) {
    std::perror("mkdtemp");
    return 1;
  }
  levels = folder + "/levels.debug";
  if (FILE* file = std::fopen(levels.c_str(), "w")) {
    std::fprintf(file, "launcher_debug=4\nservice_debug=4\nextractor_debug=4\nfile_op_debug=4\n");
    std::fclose(file);
  }
  // The level table as the launcher has it, also when only Filtered runs.
  const std::string log_path = folder + "/launcher-50.log";
  const int logger = Logger::Initialize(Logger::FILE_LOGGER, log_path.c_str(), levels.c_str(), 50);
  plain_file = std::fopen((folder + "/plain.log").c_str(), "a");
  if (plain_file && logger == 0) {
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
  } else {
    std::fprintf(stderr, "cannot open the log files in %s\n", folder.c_str());
  }
  if (plain_file) std::fclose(plain_file);

  Logger::Destroy();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  return plain_file && logger == 0 ? 0 : 1;
}
