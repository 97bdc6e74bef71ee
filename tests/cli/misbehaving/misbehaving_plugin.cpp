// A plug-in that breaks one rule of the host contract, chosen when it is built
// (KELOTARHU_FAULT names a Fault); built with kNone it keeps every rule. Each fault is
// a library of its own, for the tests of the reference host.
#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstdint>
#include <cstring>
#include <string>

#include "plugin/exports.h"

namespace {

enum class Fault {
  kNone,
  kNullInit,
  kNullInfo,
  kNullParam,
  kNullNameDay,
  kNullHoliday,
  kNullFlag,
  kEmptyInit,
  kEmptyName,
  kTrailingSeparator,
  kNamedTwice,
  kUnexportedFunction,
  kUnknownFunction,
  kMalformedDescriptor,
  kExtraQuestion,
  kFailedStart,
  kNegativeStart,
  kLongInfo,
  kLongDescriptor,
  kLongHoliday,
  kCrashInStartup,
  kCrashInHoliday,
  kUnreadableInit,
  kUnreadableInfo,
  kUnreadableParam,
  kUnreadableNameDay,
  kUnreadableHoliday,
  kUnreadableFlag,
};
constexpr Fault kFault = Fault::KELOTARHU_FAULT;

// A text without its terminating zero that runs to the end of a page, and a page after
// it that no one may read.
const char* UnreadableText() {
#if defined(_WIN32)
  SYSTEM_INFO system{};
  GetSystemInfo(&system);
  const std::size_t page = system.dwPageSize;
  auto* pages =
      static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  DWORD previous = 0;
  VirtualProtect(pages + page, page, PAGE_NOACCESS, &previous);
#else
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  auto* pages = static_cast<char*>(
      mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  mprotect(pages + page, page, PROT_NONE);
#endif
  std::memset(pages, 'x', page);
  return pages;
}

// `text`, or a null pointer for the fault `null_fault`, or an unreadable text for the
// fault `unreadable_fault`.
const char* Unless(Fault null_fault, const char* text, Fault unreadable_fault) {
  if (kFault == unreadable_fault) return UnreadableText();
  return kFault == null_fault ? nullptr : text;
}

// 2 MiB, longer than any host takes.
const char* LongText() {
  static const std::string text(std::size_t{2} << 20, 'x');
  return text.c_str();
}

const char* FunctionList() {
  switch (kFault) {
    case Fault::kNullInit:
      return nullptr;
    case Fault::kEmptyInit:
      return "";
    case Fault::kEmptyName:
      return "GetNameDay||GetFlag";
    case Fault::kTrailingSeparator:
      return "GetHoliday|";
    case Fault::kNamedTwice:
      return "GetFlag|GetHoliday|GetFlag";
    case Fault::kUnexportedFunction:
      return "GetNameDay|GetHoliday|GetFlag|GetDate";
    case Fault::kUnknownFunction:
      return "GetNameDay|GetWeather";
    case Fault::kUnreadableInit:
      return UnreadableText();
    default:
      return "GetNameDay|GetHoliday|GetFlag";
  }
}

const char* HolidayDescriptor() {
  switch (kFault) {
    case Fault::kMalformedDescriptor:
      return "Show feasts in red?K";
    case Fault::kExtraQuestion:
      return "Show feasts in red?=K|And in bold?=E|";
    case Fault::kLongDescriptor:
      return LongText();
    default:
      return "Show feasts in red?=K|";
  }
}

// A write to an address that no process maps, hidden from the optimiser so that it
// stays a plain store.
void Crash() {
  volatile std::uintptr_t address = 16;
  *reinterpret_cast<volatile int*>(address) = 1;
}

}  // namespace

extern "C" {

KELOTARHU_EXPORT const char* KELOTARHU_CALL GetFlag(std::uint32_t, const char* flag_path) {
  return Unless(Fault::kNullFlag, flag_path ? flag_path : "", Fault::kUnreadableFlag);
}

KELOTARHU_EXPORT const char* KELOTARHU_CALL GetHoliday(std::uint32_t, const char*) {
  if (kFault == Fault::kCrashInHoliday) Crash();
  if (kFault == Fault::kLongHoliday) return LongText();
  return Unless(Fault::kNullHoliday, "Feast", Fault::kUnreadableHoliday);
}

KELOTARHU_EXPORT const char* KELOTARHU_CALL GetNameDay(std::uint32_t, const char*, const char*,
                                                       const char*) {
  return Unless(Fault::kNullNameDay, "Names", Fault::kUnreadableNameDay);
}

// Exported, but no function a host knows how to call.
KELOTARHU_EXPORT const char* KELOTARHU_CALL GetWeather(std::uint32_t) { return "Sunny"; }

KELOTARHU_EXPORT const char* KELOTARHU_CALL getparam(const char* function_name) {
  const std::string name = function_name ? function_name : "";
  if (name == "GetNameDay") {
    return Unless(Fault::kNullParam, "Finnish?=K|Swedish?=K|Separator?=0 |",
                  Fault::kUnreadableParam);
  }
  if (name == "GetHoliday") return HolidayDescriptor();
  if (name == "GetFlag") return "Flag image?=flag.gif|";
  if (name == "GetWeather") return "Where?=here|";
  return "";
}

KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL dlltype() { return 1; }

KELOTARHU_EXPORT const char* KELOTARHU_CALL init() { return FunctionList(); }

KELOTARHU_EXPORT const char* KELOTARHU_CALL getinfo(std::uint32_t type) {
  if (kFault == Fault::kLongInfo && type == 1) return LongText();
  if (kFault == Fault::kNullInfo && type == 5) return nullptr;
  if (kFault == Fault::kUnreadableInfo && type == 3) return UnreadableText();
  return type < 7 ? "     Misbehaving" : "";
}

KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL configure() { return 0; }

KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL dllshutdown(std::uint32_t) { return 0; }

KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL dllstartup(std::uint32_t, std::uint32_t) {
  if (kFault == Fault::kCrashInStartup) Crash();
  if (kFault == Fault::kFailedStart) return 0;
  if (kFault == Fault::kNegativeStart) return -1;
  return 1;
}

}  // extern "C"
