// The real Kelotarhu.dll loaded and freed 5,000 times in one process, with a start, the
// display calls and a shutdown in every cycle. Each load brings a fresh plug-in, and
// after the first cycles have warmed up the process, nothing grows: not the TLS slots
// (a process has 1,088), not the handle table, not the heaps, not the committed memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <iostream>

#include "tests/win32/test_host.h"

namespace {

using kelotarhu::test::PluginHost;

constexpr int kWarmUpCycles = 50;
constexpr int kMeasuredCycles = 5000;
// Wine's own bookkeeping may commit or give back a page here and there while the
// process runs (its loader and heap manager round to pages); a leak of the plug-in, a
// year table of a few kilobytes per cycle, would be some 20 MiB over the run.
constexpr std::int64_t kPageNoiseBytes = 4 * 4096;

// The lowest TLS index free now: what the next TlsAlloc of anyone would get.
DWORD LowestFreeTlsIndex() {
  const DWORD index = TlsAlloc();
  EXPECT_NE(index, TLS_OUT_OF_INDEXES);
  TlsFree(index);
  return index;
}

// The lowest handle value free now: what the next handle of anyone would get.
std::uintptr_t LowestFreeHandle() {
  const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  EXPECT_NE(event, nullptr);
  CloseHandle(event);
  return reinterpret_cast<std::uintptr_t>(event);
}

// Bytes in busy blocks of every heap of the process, as HeapWalk reports them.
std::int64_t HeapBusyBytes() {
  HANDLE heaps[256];
  const DWORD count = GetProcessHeaps(256, heaps);
  EXPECT_GT(count, 0u);
  EXPECT_LE(count, 256u);
  std::int64_t busy = 0;
  for (DWORD i = 0; i < count && i < 256; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return busy;
}

// Committed private memory of the whole address space, as VirtualQuery reports it.
std::int64_t CommittedPrivateBytes() {
  std::int64_t committed = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (auto* address = static_cast<const BYTE*>(nullptr);
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
      committed += static_cast<std::int64_t>(region.RegionSize);
    }
    if (region.RegionSize == 0) break;
  }
  return committed;
}

struct ProcessUse {
  DWORD tls_index = 0;
  std::uintptr_t handle = 0;
  std::int64_t heap_busy = 0;
  std::int64_t committed_private = 0;
};

ProcessUse CurrentUse() {
  return {LowestFreeTlsIndex(), LowestFreeHandle(), HeapBusyBytes(), CommittedPrivateBytes()};
}

std::ostream& operator<<(std::ostream& out, const ProcessUse& use) {
  return out << "TLS index " << use.tls_index << ", handle " << use.handle << ", heap busy "
             << use.heap_busy << " B, committed private " << use.committed_private << " B";
}

void RunOneCycle(PluginHost& host) {
  host.Load();
  const kelotarhu::test::Exports& dll = host.dll();
  EXPECT_EQ(dll.dllstartup(0, 0), 1);  // a 2 would mean the last FreeLibrary kept it
  EXPECT_STREQ(dll.GetHoliday(0, "K"), "Itsen\xE4isyysp\xE4iv\xE4.");
  EXPECT_STREQ(dll.GetFlag(0, "C:\\lippu.gif"), "C:\\lippu.gif");
  EXPECT_STREQ(dll.GetNameDay(0, "K", "E", "0"), "Niilo, Niko, Niklas");
  EXPECT_STREQ(dll.getparam("GetFlag"),
               "Polku jossa lipun kuva sijaitsee=C:\\Ohjelmat\\Isanta\\plugins\\flag.gif|");
  EXPECT_EQ(dll.dllshutdown(0), 0);
  host.Unload();
}

void RunCycles(PluginHost& host, int cycles) {
  for (int cycle = 0; cycle < cycles && !::testing::Test::HasFailure(); ++cycle) {
    RunOneCycle(host);
  }
}

TEST(DllLoadCycles, NothingGrowsOverFiveThousandCycles) {
  PluginHost host;
  host.SetToday(2026, 12, 6);
  host.SetExecutablePath("C:\\Ohjelmat\\Isanta\\isanta.exe");
  host.Unload();

  RunCycles(host, kWarmUpCycles);
  const ProcessUse warm = CurrentUse();
  RunCycles(host, kMeasuredCycles);
  const ProcessUse end = CurrentUse();
  ASSERT_FALSE(::testing::Test::HasFailure());

  std::cout << "after " << kWarmUpCycles << " cycles: " << warm << "\nafter "
            << kWarmUpCycles + kMeasuredCycles << " cycles: " << end << '\n';
  EXPECT_EQ(end.tls_index, warm.tls_index);
  EXPECT_EQ(end.handle, warm.handle);
  EXPECT_EQ(end.heap_busy, warm.heap_busy);
  EXPECT_LE(end.committed_private - warm.committed_private, kPageNoiseBytes);
}

}  // namespace
