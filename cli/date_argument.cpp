#include "cli/date_argument.h"

#include <charconv>
#include <cstddef>
#include <vector>

namespace kelotarhu::cli {
namespace {

// One numeric field of a form: how many digits it may have.
struct Field {
  std::size_t min_digits;
  std::size_t max_digits;
};
constexpr Field kYearField{1, 4};
constexpr Field kMonthOrDayField{1, 2};

// Splits `text` at every `separator` and reads each part as a number whose digit
// count `fields` allows; nothing unless every part is such a number.
std::optional<std::vector<int>> ReadFields(std::string_view text, char separator,
                                           const std::vector<Field>& fields) {
  std::vector<int> values;
  for (const Field& field : fields) {
    const std::size_t end = values.size() + 1 < fields.size() ? text.find(separator) : text.size();
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view part = text.substr(0, end);
    if (part.size() < field.min_digits || part.size() > field.max_digits) return std::nullopt;
    int value = 0;
    const auto [last, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc{} || last != part.data() + part.size()) return std::nullopt;
    values.push_back(value);
    text.remove_prefix(end == text.size() ? end : end + 1);
  }
  return values;
}

struct Ymd {
  int year;
  int month;
  int day;
};

std::optional<Ymd> ReadDateFields(std::string_view text) {
  if (const auto iso = ReadFields(text, '-', {kYearField, kMonthOrDayField, kMonthOrDayField})) {
    return Ymd{(*iso)[0], (*iso)[1], (*iso)[2]};
  }
  if (const auto finnish =
          ReadFields(text, '.', {kMonthOrDayField, kMonthOrDayField, kYearField})) {
    return Ymd{(*finnish)[2], (*finnish)[1], (*finnish)[0]};
  }
  return std::nullopt;
}

}  // namespace

std::optional<calendar::Date> ParseDate(std::string_view text) {
  const std::optional<Ymd> ymd = ReadDateFields(text);
  if (!ymd || !calendar::DateIsValid(ymd->year, ymd->month, ymd->day)) return std::nullopt;
  return calendar::Date{static_cast<std::uint16_t>(ymd->year),
                        static_cast<std::uint16_t>(ymd->month),
                        static_cast<std::uint16_t>(ymd->day)};
}

std::optional<calendar::MonthOfYear> ParseMonth(std::string_view text) {
  std::optional<std::vector<int>> fields = ReadFields(text, '-', {kYearField, kMonthOrDayField});
  if (fields) {
    std::swap((*fields)[0], (*fields)[1]);  // month first, as in the other form
  } else {
    fields = ReadFields(text, '.', {kMonthOrDayField, kYearField});
  }
  if (!fields) return std::nullopt;
  const int month = (*fields)[0];
  const int year = (*fields)[1];
  if (!calendar::DateIsValid(year, month, 1)) return std::nullopt;
  return calendar::MonthOfYear{static_cast<std::uint8_t>(month), static_cast<std::uint16_t>(year)};
}

std::optional<std::uint16_t> ParseYear(std::string_view text) {
  const auto fields = ReadFields(text, '-', {kYearField});
  if (!fields || !calendar::DateIsValid((*fields)[0], 1, 1)) return std::nullopt;
  return static_cast<std::uint16_t>((*fields)[0]);
}

}  // namespace kelotarhu::cli
