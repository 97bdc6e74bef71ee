// Dates, months and years as a person writes them on the command line.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/date.h"

namespace kelotarhu::cli {

// A date of the years 1 to 9999 that exists, or nothing.
std::optional<calendar::Date> ParseDate(std::string_view text);

// A month of the years 1 to 9999, or nothing.
std::optional<calendar::MonthOfYear> ParseMonth(std::string_view text);

// A year from 1 to 9999, or nothing.
std::optional<std::uint16_t> ParseYear(std::string_view text);

}  // namespace kelotarhu::cli
