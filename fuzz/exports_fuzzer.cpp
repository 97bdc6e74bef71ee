// Drives the plug-in with call sequences decoded from the input: starts and stops, the
// display functions and getparam with null, empty, very long and arbitrary texts, dates
// of the years 1 to 9999 and arbitrary executable paths, and the stateless exports.
// Every result is checked against the rules the host relies on; a violation aborts.
//
// Each input runs on a fresh plug-in instance (the code behind the exports) with a fresh
// clock and path, so that every failing input reproduces on its own; the exports' single
// instance would carry state from one input to the next.
//
// Input format (read front to back; past the end every read gives zeros), one call at a
// time: a call byte, then its operands. A text operand is a kind byte followed by the
// kind's bytes (see ReadText). fuzz/make_corpus.py writes seeds in this format.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calendar/date.h"
#include "calendar/year_table.h"
#include "platform/native_seams.h"
#include "plugin/exports.h"
#include "plugin/plugin.h"

namespace {

using kelotarhu::calendar::TNewDay;
using kelotarhu::calendar::YearTable;
using kelotarhu::platform::LocalDate;

// ---------------------------------------------------------------------------------------
// Input decoding

// Reads the input front to back; past its end every read gives zeros.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return offset_ >= size_; }

  std::uint8_t Byte() { return AtEnd() ? 0 : data_[offset_++]; }

  std::uint16_t Uint16() {
    const std::uint16_t low = Byte();
    const std::uint16_t high = Byte();
    return static_cast<std::uint16_t>(low | high << 8);
  }

  std::uint32_t Uint32() {
    const std::uint32_t low = Uint16();
    const std::uint32_t high = Uint16();
    return low | high << 16;
  }

  std::string Bytes(std::size_t count) {
    const std::size_t available = std::min(count, size_ - std::min(offset_, size_));
    std::string bytes(reinterpret_cast<const char*>(data_ + offset_), available);
    offset_ += available;
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

// A text argument as a host may pass it: a null pointer or a zero-terminated text.
class HostText {
 public:
  HostText() = default;
  explicit HostText(std::string text) : text_(std::move(text)) {}

  const char* pointer() const { return text_ ? text_->c_str() : nullptr; }
  // What the plug-in reads: up to the first zero byte; a null pointer reads as empty.
  std::string_view view() const { return text_ ? std::string_view(text_->c_str()) : ""; }

 private:
  std::optional<std::string> text_;
};

// Answers and names that the rules single out, and texts that only look like them.
constexpr std::array<std::string_view, 16> kKnownTexts = {
    "",   "K",  "k",  "E",          "e",          "1",       "0",       "0 ",
    " K", "K ", "KK", "GetNameDay", "GetHoliday", "GetFlag", "getflag", "GetFlag "};

// Long enough to cross every buffer size the plug-in might assume, short enough to keep
// a run fast under the sanitizers.
constexpr std::uint32_t kLongestText = 1u << 16;

enum TextKind : std::uint8_t { kNull, kKnown, kSingleByte, kShort, kLongRun, kTextKinds };

// kNull: nothing more. kKnown: an index byte. kSingleByte: the byte. kShort: a length
// byte and that many bytes. kLongRun: a fill byte and a 32-bit length.
HostText ReadText(InputReader& input) {
  switch (input.Byte() % kTextKinds) {
    case kNull:
      return HostText();
    case kKnown:
      return HostText(std::string(kKnownTexts[input.Byte() % kKnownTexts.size()]));
    case kSingleByte:
      return HostText(std::string(1, static_cast<char>(input.Byte())));
    case kShort:
      return HostText(input.Bytes(input.Byte()));
    default: {
      const char fill = static_cast<char>(input.Byte());
      return HostText(std::string(input.Uint32() % (kLongestText + 1), fill));
    }
  }
}

// A date that exists, of the years 1 to 9999: 16-bit year, month byte, day byte.
LocalDate ReadDate(InputReader& input) {
  const auto year = static_cast<std::uint16_t>(1 + input.Uint16() % 9999);
  const auto month = static_cast<std::uint8_t>(1 + input.Byte() % 12);
  const int length = kelotarhu::calendar::MonthLength({month, year});
  return {year, month, static_cast<std::uint16_t>(1 + input.Byte() % length)};
}

// ---------------------------------------------------------------------------------------
// The world the plug-in sees: the clock and the executable path, set by the input.

constexpr LocalDate kFirstDay{2026, 12, 6};
constexpr std::string_view kFirstExecutablePath = "C:\\Host\\host.exe";

LocalDate today = kFirstDay;
std::string executable_path(kFirstExecutablePath);

LocalDate FuzzedToday() { return today; }
std::string_view FuzzedExecutablePath() { return executable_path; }

// ---------------------------------------------------------------------------------------
// Contract checks

void Fail(const char* what, std::string_view expected, std::string_view actual) {
  constexpr std::size_t kShown = 200;
  std::fprintf(stderr,
               "contract violated: %s on %u-%u-%u\n  expected (%zu bytes): %.*s\n"
               "  actual   (%zu bytes): %.*s\n",
               what, today.year, today.month, today.day, expected.size(),
               static_cast<int>(std::min(expected.size(), kShown)), expected.data(), actual.size(),
               static_cast<int>(std::min(actual.size(), kShown)), actual.data());
  std::abort();
}

void CheckEqual(const char* what, std::string_view expected, std::string_view actual) {
  if (expected != actual) Fail(what, expected, actual);
}

// The entry points that return text; each result must read the same until the same
// entry point is called again, whatever is called in between.
enum TextEntry { kInit, kGetInfo, kGetParam, kGetNameDay, kGetHoliday, kGetFlag, kTextEntries };

struct HeldText {
  const char* pointer = nullptr;
  std::string copy;
};

// ---------------------------------------------------------------------------------------
// The expected behaviour, written from the rules

// The record the plug-in answers from once started: today's month and day in the table
// of today's year (a started plug-in rebuilds on the first call of a new year), built
// here on tables of the fuzzer's own, a few dozen years kept at a time.
const TNewDay& ExpectedRecordOfToday() {
  constexpr std::size_t kKeptYears = 64;
  static std::map<std::uint16_t, YearTable> tables;
  if (tables.size() >= kKeptYears && !tables.contains(today.year)) tables.clear();
  const auto [entry, is_new] = tables.try_emplace(today.year);
  if (is_new) kelotarhu::calendar::BuildYearTable(entry->second, today.year);
  return entry->second.Day(today.month, today.day);
}

// The red-day period only for exactly "K" or "k", on a red day with a feast text.
std::string ExpectedHoliday(const TNewDay& record, std::string_view answer) {
  std::string expected(record.Feasts.view());
  if ((answer == "K" || answer == "k") && record.RedDay == 1 && !expected.empty()) {
    expected += '.';
  }
  return expected;
}

// The path as passed on a flag day, else nothing.
std::string ExpectedFlag(const TNewDay& record, std::string_view path) {
  return record.FlagDay == 1 ? std::string(path) : std::string();
}

bool NameDayYes(std::string_view answer) { return answer == "K" || answer == "k" || answer == "1"; }
bool NameDayNo(std::string_view answer) { return answer == "E" || answer == "e" || answer == "0"; }

// Finnish alone for yes/no, Swedish alone for no/yes, nothing for no/no, both joined by
// the separator ("0" meaning a line break) otherwise.
std::string ExpectedNameDay(const TNewDay& record, std::string_view finnish,
                            std::string_view swedish, std::string_view separator) {
  const std::string_view joint = separator == "0" ? "\r\n" : separator;
  if (NameDayYes(finnish) && NameDayNo(swedish)) return std::string(record.FinnishNames);
  if (NameDayNo(finnish) && NameDayYes(swedish)) return std::string(record.SwedishNames);
  if (NameDayNo(finnish) && NameDayNo(swedish)) return {};
  return std::string(record.FinnishNames).append(joint).append(record.SwedishNames);
}

// The descriptors; the flag one names the image in the executable's folder (up to and
// including the last backslash or colon).
std::string ExpectedParam(std::string_view name) {
  if (name == "GetNameDay") {
    return "N\xE4ytet\xE4\xE4nk\xF6 suomalaiset nimet?=K|"
           "N\xE4ytet\xE4\xE4nk\xF6 ruotsalaiset nimet?=K|"
           "Miten ne erotetaan toisistaan?=0 |";
  }
  if (name == "GetHoliday") return "N\xE4ytet\xE4\xE4nk\xF6 juhlat punaisella?=K|";
  if (name != "GetFlag") return {};
  const std::size_t last_separator = executable_path.find_last_of("\\:");
  const std::size_t folder_length = last_separator == std::string::npos ? 0 : last_separator + 1;
  return "Polku jossa lipun kuva sijaitsee=" + executable_path.substr(0, folder_length) +
         "plugins\\flag.gif|";
}

// Types 0 to 6 have a text that starts with five blanks; four of them are fixed.
void CheckInfo(std::uint32_t type, std::string_view info) {
  constexpr std::array<std::string_view, 7> kFixed = {
      "     Kelotarhu", "", "     0.8.7", "     27.02.2005", "     03.04.2005", "", ""};
  if (type >= kFixed.size()) return CheckEqual("getinfo of an unknown type", "", info);
  if (!kFixed[type].empty()) return CheckEqual("getinfo", kFixed[type], info);
  if (info.size() <= 5 || info.substr(0, 5) != "     ") {
    Fail("getinfo text without five leading blanks", "     ...", info);
  }
}

// ---------------------------------------------------------------------------------------
// The calls

enum Call : std::uint8_t {
  kCallDllStartup,
  kCallDllShutdown,
  kCallGetNameDay,
  kCallGetHoliday,
  kCallGetFlag,
  kCallGetParam,
  kCallInit,
  kCallGetInfo,
  kCallDllType,
  kCallConfigure,
  kSetToday,
  kSetExecutablePath,
  kCalls
};

// One input's run: a plug-in instance, what the rules make visible of its state, and
// the texts it returned last.
class Session {
 public:
  void Run(Call call, InputReader& input) {
    switch (call) {
      case kCallDllStartup:
        return DllStartup();
      case kCallDllShutdown:
        if (plugin_.Shutdown() != 0) Fail("dllshutdown result", "0", "other");
        running_ = false;
        return;
      case kCallGetNameDay:
        return GetNameDay(input);
      case kCallGetHoliday: {
        const HostText answer = ReadText(input);
        CheckEqual("GetHoliday", ExpectedHoliday(Record(), answer.view()),
                   Received(kGetHoliday, plugin_.GetHoliday(answer.pointer())));
        return;
      }
      case kCallGetFlag: {
        const HostText path = ReadText(input);
        CheckEqual("GetFlag", ExpectedFlag(Record(), path.view()),
                   Received(kGetFlag, plugin_.GetFlag(path.pointer())));
        return;
      }
      case kCallGetParam: {
        const HostText name = ReadText(input);
        CheckEqual("getparam", ExpectedParam(name.view()),
                   Received(kGetParam, plugin_.GetParam(name.pointer())));
        return;
      }
      default:
        return RunStateless(call, input);
    }
  }

 private:
  // The count goes up by one at every start, shutdowns or not.
  void DllStartup() {
    ++starts_;
    running_ = true;
    started_ = true;
    const std::int32_t count = plugin_.Startup();
    if (count != static_cast<std::int32_t>(starts_)) {
      Fail("dllstartup count", std::to_string(starts_), std::to_string(count));
    }
  }

  void GetNameDay(InputReader& input) {
    const HostText finnish = ReadText(input);
    const HostText swedish = ReadText(input);
    const HostText separator = ReadText(input);
    const std::string_view result = Received(
        kGetNameDay, plugin_.GetNameDay(finnish.pointer(), swedish.pointer(), separator.pointer()));
    const std::string expected =
        running_ ? ExpectedNameDay(Record(), finnish.view(), swedish.view(), separator.view())
                 : std::string();
    CheckEqual("GetNameDay", expected, result);
  }

  // The exports that keep no state, called as exported.
  void RunStateless(Call call, InputReader& input) {
    switch (call) {
      case kCallInit:
        return CheckEqual("init", "GetNameDay|GetHoliday|GetFlag", Received(kInit, init()));
      case kCallGetInfo: {
        const std::uint32_t type = input.Uint32();
        return CheckInfo(type, Received(kGetInfo, getinfo(type)));
      }
      case kCallDllType:
        if (dlltype() != 1) Fail("dlltype", "1", "other");
        return;
      case kCallConfigure:
        if (configure() != 0) Fail("configure", "0", "other");
        return;
      case kSetToday:
        today = ReadDate(input);
        return;
      case kSetExecutablePath:
        executable_path = std::string(ReadText(input).view());
        return;
      default:
        return;
    }
  }

  // The record the display functions answer from; empty before the first start.
  const TNewDay& Record() const {
    static const TNewDay kEmptyRecord{};
    return started_ ? ExpectedRecordOfToday() : kEmptyRecord;
  }

  // Checks a fresh result of `entry`, checks that every other entry's last result is
  // intact, and holds the fresh one; returns it as the plug-in's text.
  std::string_view Received(TextEntry entry, const char* result) {
    if (result == nullptr) Fail("null result", "a text", "null");
    for (int other = 0; other < kTextEntries; ++other) {
      const HeldText& held = held_texts_[static_cast<std::size_t>(other)];
      if (other == entry || held.pointer == nullptr) continue;
      if (std::memcmp(held.pointer, held.copy.c_str(), held.copy.size() + 1) != 0) {
        Fail("a returned text changed before its entry point was called again", held.copy,
             held.pointer);
      }
    }
    held_texts_[entry] = {result, result};
    return result;
  }

  kelotarhu::plugin::Plugin plugin_;
  bool started_ = false;
  bool running_ = false;
  std::uint32_t starts_ = 0;
  std::array<HeldText, kTextEntries> held_texts_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kelotarhu::platform::SetClockSource(FuzzedToday);
  kelotarhu::platform::SetExecutablePathSource(FuzzedExecutablePath);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  today = kFirstDay;
  executable_path = kFirstExecutablePath;
  Session session;
  InputReader input(data, size);
  while (!input.AtEnd()) session.Run(static_cast<Call>(input.Byte() % kCalls), input);
  return 0;
}
