// Dates, months and years as a person writes them on the command line.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/date.h"

namespace kelotarhu::cli {

// Shown to the user whenever an argument is not one of these forms.
inline constexpr std::string_view kDateForms = "YYYY-MM-DD (2026-12-06) or D.M.YYYY (6.12.2026)";
inline constexpr std::string_view kMonthForms = "YYYY-MM (2026-12) or M.YYYY (12.2026)";
inline constexpr std::string_view kYearForms = "YYYY (2026)";

// A date of the years 1 to 9999 that exists, or nothing.
std::optional<calendar::Date> ParseDate(std::string_view text);

// A month of the years 1 to 9999, or nothing.
std::optional<calendar::MonthOfYear> ParseMonth(std::string_view text);

// A year from 1 to 9999, or nothing.
std::optional<std::uint16_t> ParseYear(std::string_view text);

}  // namespace kelotarhu::cli
