// The almanac of a year, as the tool builds it for every year it shows.
#include <benchmark/benchmark.h>

#include "almanac/almanac.h"

namespace {

void BM_BuildAlmanacYear(benchmark::State& state) {
  for (auto _ : state) {
    kelotarhu::almanac::AlmanacYear year = kelotarhu::almanac::BuildAlmanacYear(2026);
    benchmark::DoNotOptimize(year);
  }
}
BENCHMARK(BM_BuildAlmanacYear);

// Every year of the whole 1900-2100 export, one after another.
void BM_BuildAlmanacYears1900To2100(benchmark::State& state) {
  for (auto _ : state) {
    for (int year = 1900; year <= 2100; ++year) {
      kelotarhu::almanac::AlmanacYear almanac = kelotarhu::almanac::BuildAlmanacYear(year);
      benchmark::DoNotOptimize(almanac);
    }
  }
}
BENCHMARK(BM_BuildAlmanacYears1900To2100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
