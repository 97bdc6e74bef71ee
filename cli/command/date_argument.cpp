#include "cli/command/date_argument.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/days/calendar_day.h"
#include "cli/text/language.h"
#include "cli/text/messages.h"
#include "cli/text/utf8.h"

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

// A number read from a field, and its digits as written.
struct Number {
  int value;
  std::string_view digits;
};

std::optional<int> ReadNumber(std::string_view part, Field field) {
  if (part.size() < field.min_digits || part.size() > field.max_digits) return std::nullopt;
  int value = 0;
  const auto [last, error] = std::from_chars(part.data(), part.data() + part.size(), value);
  if (error != std::errc{} || last != part.data() + part.size()) return std::nullopt;
  return value;
}

// Splits `text` at every `separator` and reads each part as a number whose digit
// count `fields` allows; nothing unless every part is such a number.
std::optional<std::vector<Number>> ReadFields(std::string_view text, char separator,
                                              const std::vector<Field>& fields) {
  std::vector<Number> values;
  for (const Field& field : fields) {
    const std::size_t end = values.size() + 1 < fields.size() ? text.find(separator) : text.size();
    if (end == std::string_view::npos) return std::nullopt;
    const std::optional<int> value = ReadNumber(text.substr(0, end), field);
    if (!value) return std::nullopt;
    values.push_back({*value, text.substr(0, end)});
    text.remove_prefix(end == text.size() ? end : end + 1);
  }
  return values;
}

struct Ymd {
  Number year;  // no digits: this year
  int month;
  int day;
};

// D.M. and D.M: a day of `this_year`.
std::optional<Ymd> ReadDayOfThisYear(std::string_view text, int this_year) {
  if (text.ends_with('.')) text.remove_suffix(1);
  const auto fields = ReadFields(text, '.', {kMonthOrDayField, kMonthOrDayField});
  if (!fields) return std::nullopt;
  return Ymd{{this_year, {}}, (*fields)[1].value, (*fields)[0].value};
}

std::optional<Ymd> ReadDateFields(std::string_view text, int this_year) {
  if (const auto iso = ReadFields(text, '-', {kYearField, kMonthOrDayField, kMonthOrDayField})) {
    return Ymd{(*iso)[0], (*iso)[1].value, (*iso)[2].value};
  }
  if (const auto finnish =
          ReadFields(text, '.', {kMonthOrDayField, kMonthOrDayField, kYearField})) {
    return Ymd{(*finnish)[2], (*finnish)[1].value, (*finnish)[0].value};
  }
  return ReadDayOfThisYear(text, this_year);
}

// A year is written in full: "26" could be 1926, 2026 or the year 26 itself.
constexpr std::size_t kFullYearDigits = 4;

// The year from 1 to 9999 nearest `this_year` whose last digits are `year`'s: 26 in
// 2026 is 2026, 99 is 1999.
int NearestYearEndingSo(const Number& year, int this_year) {
  int modulus = 1;
  for (std::size_t digit = 0; digit < year.digits.size(); ++digit) modulus *= 10;
  const int in_this_period = this_year - this_year % modulus + year.value;
  int nearest = 0;
  for (const int candidate : {in_this_period - modulus, in_this_period, in_this_period + modulus}) {
    const bool in_calendar = candidate >= 1 && candidate <= 9999;
    if (in_calendar &&
        (nearest == 0 || std::abs(candidate - this_year) < std::abs(nearest - this_year))) {
      nearest = candidate;
    }
  }
  return nearest == 0 ? modulus : nearest;
}

// A year of one to three digits in `text`, refused with `text` as it would be with the
// nearest such year in full.
std::optional<DateProblem> ShortYearProblem(std::string_view text, const Number& year,
                                            int this_year) {
  if (year.digits.empty() || year.digits.size() >= kFullYearDigits) return std::nullopt;
  const int full_year = NearestYearEndingSo(year, this_year);
  std::string in_full(text);
  in_full.replace(static_cast<std::size_t>(year.digits.data() - text.data()), year.digits.size(),
                  YearText(full_year));
  return DateProblem{DateProblem::kShortYear, full_year, 0, std::move(in_full)};
}

// Days from today named by a word, in the three languages of the tool. Compared after
// UpperCase, so written here in capitals.
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
  const std::string folded = UpperCase(text);
  for (const DayWord& day_word : kDayWords) {
    if (day_word.word == folded) return day_word.offset;
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

// Why a date that was read as numbers does not exist.
std::string DateProblemReason(const Texts& texts, const DateProblem& problem) {
  switch (problem.kind) {
    case DateProblem::kUnreadable:
      break;
    case DateProblem::kYearOutOfRange:
      return std::string(texts.year_out_of_range);
    case DateProblem::kNoSuchMonth:
      return Fill(texts.no_such_month, {std::to_string(problem.month)});
    case DateProblem::kNoSuchDay: {
      const int days = calendar::MonthLength(
          {static_cast<std::uint8_t>(problem.month), static_cast<std::uint16_t>(problem.year)});
      return Fill(texts.no_such_day, {texts.months[static_cast<std::size_t>(problem.month - 1)],
                                      YearText(problem.year), std::to_string(days)});
    }
    case DateProblem::kNotLeapYear:
      return Fill(texts.not_leap_year, {YearText(problem.year)});
    case DateProblem::kBeyondCalendar:
      return std::string(texts.beyond_calendar);
    case DateProblem::kShortYear:
      break;
  }
  return {};
}

}  // namespace

Reading<calendar::Date> ReadDate(std::string_view text, calendar::Date today) {
  if (const std::optional<int> offset = DayWordOffset(text)) return DateOfOffset(today, *offset);
  if (const std::optional<int> offset = DayOffset(text)) return DateOfOffset(today, *offset);
  const std::optional<Ymd> ymd = ReadDateFields(text, today.year);
  if (!ymd) return DateProblem{};
  if (auto problem = ShortYearProblem(text, ymd->year, today.year)) return std::move(*problem);
  const int year = ymd->year.value;
  if (const auto problem = MonthProblem(year, ymd->month)) return *problem;
  if (!calendar::DateIsValid(year, ymd->month, ymd->day)) {
    const bool leap_day = ymd->month == 2 && ymd->day == 29;
    return DateProblem{leap_day ? DateProblem::kNotLeapYear : DateProblem::kNoSuchDay, year,
                       ymd->month};
  }
  return calendar::Date{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(ymd->month),
                        static_cast<std::uint16_t>(ymd->day)};
}

Reading<calendar::MonthOfYear> ReadMonth(std::string_view text, calendar::Date today) {
  std::optional<std::vector<Number>> fields = ReadFields(text, '-', {kYearField, kMonthOrDayField});
  if (fields) {
    std::swap((*fields)[0], (*fields)[1]);  // month first, as in the other forms
  } else {
    fields = ReadFields(text, '.', {kMonthOrDayField, kYearField});
  }
  if (!fields) {
    fields = ReadFields(text, '.', {kMonthOrDayField});
    if (fields) fields->push_back({today.year, {}});
  }
  if (!fields) return DateProblem{};
  if (auto problem = ShortYearProblem(text, (*fields)[1], today.year)) return std::move(*problem);
  const int month = (*fields)[0].value;
  const int year = (*fields)[1].value;
  if (const auto problem = MonthProblem(year, month)) return *problem;
  return calendar::MonthOfYear{static_cast<std::uint8_t>(month), static_cast<std::uint16_t>(year)};
}

Reading<std::uint16_t> ReadYear(std::string_view text, calendar::Date today) {
  const auto fields = ReadFields(text, '-', {kYearField});
  if (!fields) return DateProblem{};
  if (auto problem = ShortYearProblem(text, (*fields)[0], today.year)) return std::move(*problem);
  const int year = (*fields)[0].value;
  if (const auto problem = MonthProblem(year, 1)) return *problem;
  return static_cast<std::uint16_t>(year);
}

std::string DateProblemMessage(const Texts& texts, std::string_view name, std::string_view value,
                               std::string_view what, std::string_view forms,
                               const DateProblem& problem) {
  if (problem.kind == DateProblem::kUnreadable) {
    return BadValueMessage(texts, name, value, what, forms);
  }
  // Only digits and separators: shown as they are, beside the same with the year in full.
  if (problem.kind == DateProblem::kShortYear) {
    return Fill(texts.short_year, {value, problem.written_in_full});
  }
  return Fill(texts.date_problem, {name, Quoted(value), what, DateProblemReason(texts, problem)});
}

}  // namespace kelotarhu::cli
