// What the host waits for: building one year's table, dllstartup, and each display call
// with its clock read, on the exported functions. Each benchmark also reports the heap
// allocations per call, counted by this program's own global operator new.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "calendar/year_table.h"
#include "counting_allocator.h"
#include "platform/native_seams.h"
#include "platform/platform.h"
#include "plugin/exports.h"
#include "plugin/plugin.h"

namespace {

using kelotarhu::bench::AllocationCount;

// Reports the allocations made since `before` as a per-iteration counter.
void ReportAllocations(benchmark::State& state, std::uint64_t before) {
  state.counters["allocs/call"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}

// 6 December 2026: a red feast day and a flag day, so every display call has a text to
// copy. The benchmarks without "_IndependenceDay" read the machine's clock.
kelotarhu::platform::LocalDate IndependenceDay() { return {2026, 12, 6}; }

// Runs one benchmark with the clock fixed on 6 December, and restores the real clock.
class IndependenceDayClock {
 public:
  IndependenceDayClock() { kelotarhu::platform::SetClockSource(IndependenceDay); }
  ~IndependenceDayClock() { kelotarhu::platform::SetClockSource(nullptr); }
  IndependenceDayClock(const IndependenceDayClock&) = delete;
  IndependenceDayClock& operator=(const IndependenceDayClock&) = delete;
};

constexpr char kFlagPath[] = "C:\\Program Files\\Host\\plugins\\flag.gif";

void BM_BuildYearTable(benchmark::State& state) {
  kelotarhu::calendar::YearTable table;
  kelotarhu::calendar::BuildYearTable(table, 2026);
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) {
    kelotarhu::calendar::BuildYearTable(table, 2026);
    benchmark::DoNotOptimize(table);
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_BuildYearTable);

// A table that holds nothing yet: the build allocates every text it places.
void BM_BuildYearTable_FreshTable(benchmark::State& state) {
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) {
    kelotarhu::calendar::YearTable table;
    kelotarhu::calendar::BuildYearTable(table, 2026);
    benchmark::DoNotOptimize(table);
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_BuildYearTable_FreshTable);

// Every start after the first: clock read and the whole year rebuilt.
void BM_DllStartup(benchmark::State& state) {
  dllstartup(0, 0);
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) benchmark::DoNotOptimize(dllstartup(0, 0));
  ReportAllocations(state, before);
}
BENCHMARK(BM_DllStartup);

// The first start of a freshly loaded plug-in, its instance created and destroyed with it.
void BM_DllStartup_FirstOfAFreshInstance(benchmark::State& state) {
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) {
    kelotarhu::plugin::Plugin plugin;
    benchmark::DoNotOptimize(plugin.Startup());
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_DllStartup_FirstOfAFreshInstance);

// Display calls after the first one; the first sizes the result text.
void BM_GetNameDay(benchmark::State& state) {
  dllstartup(0, 0);
  GetNameDay(0, "K", "K", "0");
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) benchmark::DoNotOptimize(GetNameDay(0, "K", "K", "0"));
  ReportAllocations(state, before);
}
BENCHMARK(BM_GetNameDay);

void BM_GetHoliday(benchmark::State& state) {
  dllstartup(0, 0);
  GetHoliday(0, "K");
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) benchmark::DoNotOptimize(GetHoliday(0, "K"));
  ReportAllocations(state, before);
}
BENCHMARK(BM_GetHoliday);

void BM_GetFlag(benchmark::State& state) {
  dllstartup(0, 0);
  GetFlag(0, kFlagPath);
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) benchmark::DoNotOptimize(GetFlag(0, kFlagPath));
  ReportAllocations(state, before);
}
BENCHMARK(BM_GetFlag);

void BM_GetNameDay_IndependenceDay(benchmark::State& state) {
  const IndependenceDayClock clock;
  BM_GetNameDay(state);
}
BENCHMARK(BM_GetNameDay_IndependenceDay);

void BM_GetHoliday_IndependenceDay(benchmark::State& state) {
  const IndependenceDayClock clock;
  BM_GetHoliday(state);
}
BENCHMARK(BM_GetHoliday_IndependenceDay);

void BM_GetFlag_IndependenceDay(benchmark::State& state) {
  const IndependenceDayClock clock;
  BM_GetFlag(state);
}
BENCHMARK(BM_GetFlag_IndependenceDay);

// The machine's clock alone, as every display call reads it.
void BM_LocalToday(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelotarhu::platform::LocalToday());
}
BENCHMARK(BM_LocalToday);

}  // namespace

BENCHMARK_MAIN();
