// Days as an iCalendar file (RFC 5545) that phone and desktop calendars import: one
// all-day event per feast, and optionally per flag day and per day of names.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/days/calendar_day.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// What becomes an event of its own.
struct IcsContent {
  bool feasts = true;
  bool flag_days = false;
  bool finnish_names = false;
  bool swedish_names = false;
  // DTSTAMP: seconds since 1970-01-01T00:00:00Z.
  std::int64_t stamp = 0;
};

// The latest DTSTAMP the calendar can write: 9999-12-31T23:59:59Z.
inline constexpr std::int64_t kLastStamp = 253402300799;

// "20261206T043000Z" for a time from 0 to kLastStamp.
std::string IcsTimestamp(std::int64_t seconds);

// A TEXT value with its backslashes, semicolons, commas and line breaks escaped.
std::string IcsText(std::string_view text);

// A content line folded after at most 75 octets per line, never inside a UTF-8
// character, each line ended by CRLF, each continuation begun with a blank.
std::string FoldedLine(std::string_view line);

// A VCALENDAR with PRODID, VERSION and CALSCALE and a VEVENT for each thing `content`
// asks for, named in the language of `texts`: all-day DATE values with DTEND on the
// next day, and a UID that names the day and the event, the same in every run and
// every language.
void WriteIcs(std::ostream& out, const std::vector<CalendarDay>& days, const IcsContent& content,
              const Texts& texts);

}  // namespace kelotarhu::cli
