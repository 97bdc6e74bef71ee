// Drives the plug-in through its exported functions, as a host does, with call
// sequences decoded from the input: starts and stops, the display functions and
// getparam with null, empty, very long and arbitrary texts, dates of the years 1 to
// 9999 and arbitrary executable paths, and the stateless exports. Every result is
// checked against an independent model of the Finnish year and of the rules the host
// relies on; a violation aborts.
//
// The expected feasts, flag days and red days come from tests/calendar/reference_year.h
// (the reference calendar and feast tables of the tests' own), the expected names from
// the name-day data file read at start-up: nothing of the year table or its rules.
//
// Each input starts on a fresh instance behind the exports (as a reload of the library
// would give), with a fresh clock and path, so that every failing input reproduces on
// its own.
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
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/windows_1252.h"
#include "platform/native_seams.h"
#include "plugin/exports.h"
#include "plugin/instance_seam.h"
#include "tests/calendar/reference_calendar.h"
#include "tests/calendar/reference_year.h"
#include "tests/namedays/name_data_file.h"

namespace {

using namespace kelotarhu::calendar::literals;
using kelotarhu::platform::LocalDate;
using kelotarhu::test::CivilDate;
using kelotarhu::test::ReferenceDay;
using kelotarhu::test::ReferenceYear;

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

std::uint16_t ReadYear(InputReader& input) {
  return static_cast<std::uint16_t>(1 + input.Uint16() % kelotarhu::test::kLastYear);
}

// A date that exists, of the years 1 to 9999: 16-bit year, month byte, day byte.
LocalDate ReadDate(InputReader& input) {
  const std::uint16_t year = ReadYear(input);
  const auto month = static_cast<std::uint16_t>(1 + input.Byte() % 12);
  const int length = kelotarhu::test::DaysInMonthInReference(year, month);
  return {year, month, static_cast<std::uint16_t>(1 + input.Byte() % length)};
}

CivilDate FromLocalDate(LocalDate date) { return {date.year, date.month, date.day}; }

LocalDate ToLocalDate(CivilDate date) {
  return {static_cast<std::uint16_t>(date.year), static_cast<std::uint16_t>(date.month),
          static_cast<std::uint16_t>(date.day)};
}

// A day among the Easter feasts of a year (Shrove Sunday, 49 days before Easter, to
// Ascension Day, 39 days after, and a week beyond either end): 16-bit year, offset byte.
LocalDate ReadDateNearEaster(InputReader& input) {
  constexpr int kEarliest = -56;
  constexpr int kDays = 103;  // -56 to +46
  const std::uint16_t year = ReadYear(input);
  return ToLocalDate(kelotarhu::test::AddDays(kelotarhu::test::GaussEaster(year),
                                              kEarliest + input.Byte() % kDays));
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
// The expected behaviour, from the independent model

// The name-day data file's slots, month 1-12 by day 1-31, in Windows-1252.
struct Names {
  std::string finnish;
  std::string swedish;
};
using NameSlots = std::array<std::array<Names, 31>, 12>;

NameSlots& ExpectedNames() {
  static NameSlots slots;
  return slots;
}

void LoadExpectedNames() {
  std::string error;
  const auto slots = kelotarhu::test::ReadNameDataFile(KELOTARHU_NAMEDAYS_TSV, error);
  if (!slots || slots->size() != 12 * 31) {
    std::fprintf(stderr, "name-day data file %s: %s\n", KELOTARHU_NAMEDAYS_TSV,
                 slots ? "not 372 slots" : error.c_str());
    std::exit(1);
  }
  for (const kelotarhu::test::Slot& slot : *slots) {
    ExpectedNames()[static_cast<std::size_t>(slot.month - 1)]
                   [static_cast<std::size_t>(slot.day - 1)] = {slot.finnish, slot.swedish};
  }
}

// What a started plug-in answers from: today's month and day in the table of today's
// year (a started plug-in rebuilds on the first call of a new year). The model of the
// year is kept while the year stays, so repeated starts cost no more model work.
struct ExpectedDay {
  ReferenceDay calendar;
  const Names* names = nullptr;
};

ExpectedDay ExpectedToday() {
  static std::optional<ReferenceYear> year;
  if (!year || year->year() != today.year) year.emplace(today.year);
  return {year->Day(today.month, today.day),
          &ExpectedNames()[static_cast<std::size_t>(today.month - 1)]
                          [static_cast<std::size_t>(today.day - 1)]};
}

// The red-day period only for exactly "K" or "k", on a red day with a feast text.
std::string ExpectedHoliday(const ExpectedDay& day, std::string_view answer) {
  std::string expected = day.calendar.feasts;
  if ((answer == "K" || answer == "k") && day.calendar.red_day && !expected.empty()) {
    expected += '.';
  }
  return expected;
}

// The path as passed on a flag day, else nothing.
std::string ExpectedFlag(const ExpectedDay& day, std::string_view path) {
  return day.calendar.flag_day ? std::string(path) : std::string();
}

bool NameDayYes(std::string_view answer) { return answer == "K" || answer == "k" || answer == "1"; }
bool NameDayNo(std::string_view answer) { return answer == "E" || answer == "e" || answer == "0"; }

// Finnish alone for yes/no, Swedish alone for no/yes, nothing for no/no, both joined by
// the separator ("0" meaning a line break) otherwise.
std::string ExpectedNameDay(const ExpectedDay& day, std::string_view finnish,
                            std::string_view swedish, std::string_view separator) {
  const std::string_view joint = separator == "0" ? "\r\n" : separator;
  if (NameDayYes(finnish) && NameDayNo(swedish)) return day.names->finnish;
  if (NameDayNo(finnish) && NameDayYes(swedish)) return day.names->swedish;
  if (NameDayNo(finnish) && NameDayNo(swedish)) return {};
  return std::string(day.names->finnish).append(joint).append(day.names->swedish);
}

// The descriptors; the flag one names the image in the executable's folder (up to and
// including the last backslash or colon).
std::string ExpectedParam(std::string_view name) {
  if (name == "GetNameDay") {
    return "Näytetäänkö suomalaiset nimet?=K|"
           "Näytetäänkö ruotsalaiset nimet?=K|"
           "Miten ne erotetaan toisistaan?=0 |"_cp1252;
  }
  if (name == "GetHoliday") return "Näytetäänkö juhlat punaisella?=K|"_cp1252;
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

// The first argument of the display functions belongs to the host; the plug-in never
// reads it.
constexpr std::uint32_t kHostArgument = 0;

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
  kSetTodayNearEaster,
  kSweepDays,
  kCalls
};

// One input's run: what the rules make visible of the plug-in's state, and the texts
// it returned last.
class Session {
 public:
  void Run(Call call, InputReader& input) {
    switch (call) {
      case kCallDllStartup:
        return DllStartup(input);
      case kCallDllShutdown:
        if (dllshutdown(input.Uint32()) != 0) Fail("dllshutdown result", "0", "other");
        running_ = false;
        return;
      case kCallGetNameDay:
        return GetNameDay(NameDayAnswers(input));
      case kCallGetHoliday:
        return GetHoliday(ReadText(input));
      case kCallGetFlag:
        return GetFlag(ReadText(input));
      case kSweepDays:
        return SweepDays(input);
      case kCallGetParam: {
        const HostText name = ReadText(input);
        const char* result = ::getparam(name.pointer());
        CheckEqual("getparam", ExpectedParam(name.view()), Received(kGetParam, result));
        return;
      }
      default:
        return RunStateless(call, input);
    }
  }

 private:
  // The count goes up by one at every start, shutdowns or not; the arguments are
  // ignored.
  void DllStartup(InputReader& input) {
    ++starts_;
    running_ = true;
    started_ = true;
    const std::uint32_t first = input.Uint32();
    const std::int32_t count = dllstartup(first, input.Uint32());
    if (count != static_cast<std::int32_t>(starts_)) {
      Fail("dllstartup count", std::to_string(starts_), std::to_string(count));
    }
  }

  struct NameDayAnswers {
    HostText finnish;
    HostText swedish;
    HostText separator;

    explicit NameDayAnswers(InputReader& input)
        : finnish(ReadText(input)), swedish(ReadText(input)), separator(ReadText(input)) {}
  };

  void GetNameDay(const NameDayAnswers& answers) {
    const char* names = ::GetNameDay(kHostArgument, answers.finnish.pointer(),
                                     answers.swedish.pointer(), answers.separator.pointer());
    const std::string_view result = Received(kGetNameDay, names);
    const std::string expected =
        running_ ? ExpectedNameDay(Record(), answers.finnish.view(), answers.swedish.view(),
                                   answers.separator.view())
                 : std::string();
    CheckEqual("GetNameDay", expected, result);
  }

  void GetHoliday(const HostText& answer) {
    const char* result = ::GetHoliday(kHostArgument, answer.pointer());
    CheckEqual("GetHoliday", ExpectedHoliday(Record(), answer.view()),
               Received(kGetHoliday, result));
  }

  void GetFlag(const HostText& path) {
    const char* result = ::GetFlag(kHostArgument, path.pointer());
    CheckEqual("GetFlag", ExpectedFlag(Record(), path.view()), Received(kGetFlag, result));
  }

  // Day after day from a date, up to 32 days across month and year ends, the three
  // display functions on each with the same answers: a fault on one day of the year
  // is found without waiting for a mutation to hit its date.
  void SweepDays(InputReader& input) {
    CivilDate date = FromLocalDate(ReadDate(input));
    const int days = 1 + input.Byte() % 32;
    const HostText red_answer = ReadText(input);
    const HostText path = ReadText(input);
    const NameDayAnswers answers(input);
    for (int count = 0; count < days && date.year <= kelotarhu::test::kLastYear; ++count) {
      today = ToLocalDate(date);
      GetHoliday(red_answer);
      GetFlag(path);
      GetNameDay(answers);
      date = kelotarhu::test::AddDays(date, 1);
    }
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
      case kSetTodayNearEaster:
        today = ReadDateNearEaster(input);
        return;
      default:
        return;
    }
  }

  // The day the display functions answer from; empty before the first start.
  ExpectedDay Record() const {
    static const Names kNoNames;
    return started_ ? ExpectedToday() : ExpectedDay{{}, &kNoNames};
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

  bool started_ = false;
  bool running_ = false;
  std::uint32_t starts_ = 0;
  std::array<HeldText, kTextEntries> held_texts_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  LoadExpectedNames();
  kelotarhu::platform::SetClockSource(FuzzedToday);
  kelotarhu::platform::SetExecutablePathSource(FuzzedExecutablePath);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kelotarhu::plugin::ReplaceInstanceWithFresh();
  today = kFirstDay;
  executable_path = kFirstExecutablePath;
  Session session;
  InputReader input(data, size);
  while (!input.AtEnd()) session.Run(static_cast<Call>(input.Byte() % kCalls), input);
  return 0;
}
