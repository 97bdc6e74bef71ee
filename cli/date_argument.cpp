#include "cli/date_argument.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/calendar_day.h"
#include "cli/text_encoding.h"

namespace kelotarhu::cli {
namespace {

// One numeric field of a form: how many digits it may have.
struct Field {
  std::size_t min_digits;
  std::size_t max_digits;
};
// Five digits, so that a year beyond the calendar is told apart from a mistyped one.
constexpr Field kYearField{1, 5};
constexpr Field kMonthOrDayField{1, 2};
constexpr Field kOffsetField{1, 7};  // enough to cross the whole calendar

std::optional<int> ReadNumber(std::string_view part, Field field) {
  if (part.size() < field.min_digits || part.size() > field.max_digits) return std::nullopt;
  int value = 0;
  const auto [last, error] = std::from_chars(part.data(), part.data() + part.size(), value);
  if (error != std::errc{} || last != part.data() + part.size()) return std::nullopt;
  return value;
}

// Splits `text` at every `separator` and reads each part as a number whose digit
// count `fields` allows; nothing unless every part is such a number.
std::optional<std::vector<int>> ReadFields(std::string_view text, char separator,
                                           const std::vector<Field>& fields) {
  std::vector<int> values;
  for (const Field& field : fields) {
    const std::size_t end = values.size() + 1 < fields.size() ? text.find(separator) : text.size();
    if (end == std::string_view::npos) return std::nullopt;
    const std::optional<int> value = ReadNumber(text.substr(0, end), field);
    if (!value) return std::nullopt;
    values.push_back(*value);
    text.remove_prefix(end == text.size() ? end : end + 1);
  }
  return values;
}

struct Ymd {
  int year;
  int month;
  int day;
};

// D.M. and D.M: a day of `this_year`.
std::optional<Ymd> ReadDayOfThisYear(std::string_view text, int this_year) {
  if (text.ends_with('.')) text.remove_suffix(1);
  const auto fields = ReadFields(text, '.', {kMonthOrDayField, kMonthOrDayField});
  if (!fields) return std::nullopt;
  return Ymd{this_year, (*fields)[1], (*fields)[0]};
}

std::optional<Ymd> ReadDateFields(std::string_view text, int this_year) {
  if (const auto iso = ReadFields(text, '-', {kYearField, kMonthOrDayField, kMonthOrDayField})) {
    return Ymd{(*iso)[0], (*iso)[1], (*iso)[2]};
  }
  if (const auto finnish =
          ReadFields(text, '.', {kMonthOrDayField, kMonthOrDayField, kYearField})) {
    return Ymd{(*finnish)[2], (*finnish)[1], (*finnish)[0]};
  }
  return ReadDayOfThisYear(text, this_year);
}

// Days from today named by a word, in the three languages of the tool. Compared after
// FoldCase, so written here in capitals (UTF-8, converted to Windows-1252 as compared).
struct DayWord {
  std::string_view word;
  int offset;
};
// Swedish in Finland writes "i dag", "i morgon", "i går"; the one-word forms are common too.
constexpr std::array<DayWord, 12> kDayWords = {{
    {"TODAY", 0},
    {"TOMORROW", 1},
    {"YESTERDAY", -1},
    {"TÄNÄÄN", 0},  // tänään
    {"HUOMENNA", 1},
    {"EILEN", -1},
    {"I DAG", 0},
    {"IDAG", 0},
    {"I MORGON", 1},
    {"IMORGON", 1},
    {"I GÅR", -1},  // i går
    {"IGÅR", -1},
}};

std::optional<int> DayWordOffset(std::string_view text) {
  const std::optional<std::string> folded = FoldCase(text);
  if (!folded) return std::nullopt;
  for (const DayWord& day_word : kDayWords) {
    if (FoldCase(day_word.word) == folded) return day_word.offset;
  }
  return std::nullopt;
}

// "+N", "-N", and "−N" with the minus sign U+2212 as typography writes it.
std::optional<int> DayOffset(std::string_view text) {
  constexpr std::string_view kMinusSign = "−";
  int sign = 1;
  if (text.starts_with('+')) {
    text.remove_prefix(1);
  } else if (text.starts_with('-')) {
    text.remove_prefix(1);
    sign = -1;
  } else if (text.starts_with(kMinusSign)) {
    text.remove_prefix(kMinusSign.size());
    sign = -1;
  } else {
    return std::nullopt;
  }
  const std::optional<int> days = ReadNumber(text, kOffsetField);
  if (!days) return std::nullopt;
  return sign * *days;
}

Reading<calendar::Date> DateOfOffset(calendar::Date today, int offset) {
  const std::int32_t day_count = DayCountOf(today) + offset;
  if (day_count < 1 || day_count > kLastDayCount) {
    return DateProblem{DateProblem::kBeyondCalendar};
  }
  return calendar::DateOfDayCount(day_count);
}

// The problem of a month of a year, if it has one.
std::optional<DateProblem> MonthProblem(int year, int month) {
  if (year < 1 || year > 9999) return DateProblem{DateProblem::kYearOutOfRange, year, month};
  if (month < 1 || month > 12) return DateProblem{DateProblem::kNoSuchMonth, year, month};
  return std::nullopt;
}

}  // namespace

Reading<calendar::Date> ReadDate(std::string_view text, calendar::Date today) {
  if (const std::optional<int> offset = DayWordOffset(text)) return DateOfOffset(today, *offset);
  if (const std::optional<int> offset = DayOffset(text)) return DateOfOffset(today, *offset);
  const std::optional<Ymd> ymd = ReadDateFields(text, today.year);
  if (!ymd) return DateProblem{};
  if (const auto problem = MonthProblem(ymd->year, ymd->month)) return *problem;
  if (!calendar::DateIsValid(ymd->year, ymd->month, ymd->day)) {
    const bool leap_day = ymd->month == 2 && ymd->day == 29;
    return DateProblem{leap_day ? DateProblem::kNotLeapYear : DateProblem::kNoSuchDay, ymd->year,
                       ymd->month};
  }
  return calendar::Date{static_cast<std::uint16_t>(ymd->year),
                        static_cast<std::uint16_t>(ymd->month),
                        static_cast<std::uint16_t>(ymd->day)};
}

Reading<calendar::MonthOfYear> ReadMonth(std::string_view text, calendar::Date today) {
  std::optional<std::vector<int>> fields = ReadFields(text, '-', {kYearField, kMonthOrDayField});
  if (fields) {
    std::swap((*fields)[0], (*fields)[1]);  // month first, as in the other forms
  } else {
    fields = ReadFields(text, '.', {kMonthOrDayField, kYearField});
  }
  if (!fields) {
    fields = ReadFields(text, '.', {kMonthOrDayField});
    if (fields) fields->push_back(today.year);
  }
  if (!fields) return DateProblem{};
  const int month = (*fields)[0];
  const int year = (*fields)[1];
  if (const auto problem = MonthProblem(year, month)) return *problem;
  return calendar::MonthOfYear{static_cast<std::uint8_t>(month), static_cast<std::uint16_t>(year)};
}

Reading<std::uint16_t> ReadYear(std::string_view text) {
  const auto fields = ReadFields(text, '-', {kYearField});
  if (!fields) return DateProblem{};
  if (const auto problem = MonthProblem((*fields)[0], 1)) return *problem;
  return static_cast<std::uint16_t>((*fields)[0]);
}

}  // namespace kelotarhu::cli
