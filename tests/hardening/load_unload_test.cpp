// The shared library loaded and unloaded again and again, as a host that restarts its
// plug-ins does: every cycle starts a fresh plug-in, answers, and gives everything back.
// Leaks show under LeakSanitizer (sanitizer builds) or valgrind memcheck (plain build).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Set by the build: the library of the Kelotarhu target.
constexpr char kLibraryPath[] = KELOTARHU_LIBRARY_PATH;

// 1,000 unless KELOTARHU_LOAD_CYCLES says otherwise (a slow checker runs fewer).
int CycleCount() {
  const char* count = std::getenv("KELOTARHU_LOAD_CYCLES");
  return count != nullptr ? std::atoi(count) : 1000;
}

using TextFn = const char* (*)();
using TextOfTypeFn = const char* (*)(std::uint32_t);
using TextOfNameFn = const char* (*)(const char*);
using DisplayFn = const char* (*)(std::uint32_t, const char*);
using NameDayFn = const char* (*)(std::uint32_t, const char*, const char*, const char*);
using StartupFn = std::int32_t (*)(std::uint32_t, std::uint32_t);
using ShutdownFn = std::int32_t (*)(std::uint32_t);

template <typename Function>
Function Export(void* library, const char* name) {
  return reinterpret_cast<Function>(dlsym(library, name));
}

// One load-use-unload cycle; the library must come back fresh, with its first start.
void RunOneCycle() {
  void* library = dlopen(kLibraryPath, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  const auto dllstartup = Export<StartupFn>(library, "dllstartup");
  const auto dllshutdown = Export<ShutdownFn>(library, "dllshutdown");
  const auto get_name_day = Export<NameDayFn>(library, "GetNameDay");
  const auto get_holiday = Export<DisplayFn>(library, "GetHoliday");
  const auto get_flag = Export<DisplayFn>(library, "GetFlag");
  const auto getparam = Export<TextOfNameFn>(library, "getparam");
  const auto init = Export<TextFn>(library, "init");
  const auto getinfo = Export<TextOfTypeFn>(library, "getinfo");
  ASSERT_TRUE(dllstartup && dllshutdown && get_name_day && get_holiday && get_flag && getparam &&
              init && getinfo);

  EXPECT_EQ(dllstartup(0, 0), 1);  // a 2 would mean the last unload kept the library
  EXPECT_NE(get_name_day(0, "K", "K", "0"), nullptr);
  EXPECT_NE(get_holiday(0, "K"), nullptr);
  EXPECT_NE(get_flag(0, "C:\\Ohjelmat\\Isanta\\plugins\\flag.gif"), nullptr);
  EXPECT_STRNE(getparam("GetFlag"), "");
  EXPECT_STREQ(init(), "GetNameDay|GetHoliday|GetFlag");
  EXPECT_STREQ(getinfo(0), "     Kelotarhu");
  EXPECT_EQ(dllshutdown(0), 0);
  ASSERT_EQ(dlclose(library), 0) << dlerror();
}

TEST(LoadUnload, EveryCycleStartsFreshAndGivesEverythingBack) {
  const int cycles = CycleCount();
  ASSERT_GT(cycles, 0);
  for (int cycle = 0; cycle < cycles; ++cycle) {
    RunOneCycle();
    if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) {
      FAIL() << "in cycle " << cycle;
    }
  }
}

}  // namespace
