// mirelon-tool as whole processes beside their baselines in the same run: its start against a
// program that does nothing, and a code search of the national data against grep counting the
// same rows (the search cannot beat reading the file once).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "run_process.h"

namespace mirelon {
namespace {

const std::filesystem::path kData = MIRELON_POSTAL_DATA;
constexpr const char* kCode = "4520961";  // 66 rows, the longest result of a code

void Run(benchmark::State& state, const std::vector<std::string>& words, std::vector<int> accepted = {0}) {
  double cpuSeconds = 0;
  for (auto _ : state) {
    if (!bench::RunProcess(words, accepted, &cpuSeconds)) {
      state.SkipWithError((words[0] + " failed").c_str());
      break;
    }
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

std::string DataFile(bool unicode) {
  return (unicode ? kData / "utf16" / "QUELTAUNIJUSHO.CSV" : kData / "sjis" / "QUELTAJUSHO.CSV").string();
}

bool DataMissing(benchmark::State& state) {
  if (std::filesystem::exists(DataFile(false)) && std::filesystem::exists(DataFile(true))) return false;
  state.SkipWithError(("national postal data not found in " + kData.string()).c_str());
  return true;
}

void BM_BareProgram(benchmark::State& state) { Run(state, {"true"}); }
BENCHMARK(BM_BareProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ToolVersion(benchmark::State& state) { Run(state, {MIRELON_TOOL, "--version"}); }
BENCHMARK(BM_ToolVersion)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GrepCountCode(benchmark::State& state) {
  if (DataMissing(state)) return;
  Run(state, {"grep", "-c", std::string("^\"") + kCode + "\"", DataFile(false)});
}
BENCHMARK(BM_GrepCountCode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ToolLookupCode(benchmark::State& state) {
  if (DataMissing(state)) return;
  Run(state, {MIRELON_TOOL, "lookup", DataFile(state.range(0) != 0), "--code", kCode});
}
BENCHMARK(BM_ToolLookupCode)->Arg(0)->Arg(1)->ArgName("utf16")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace mirelon
