// One day in words for a person to read, in the chosen language; and the pieces of it
// that the month grid and the year list share.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/calendar_day.h"
#include "cli/day_range.h"
#include "cli/name_search.h"
#include "cli/style.h"
#include "cli/texts.h"

namespace kelotarhu::cli {

// "-" in place of an empty text.
std::string DashIfEmpty(const std::string& text);

// Feast names joined for a line of text, as the calendar joins them.
std::string JoinedFeasts(const std::vector<std::string>& feasts);

// The day's feasts in a language's column of names.
std::vector<std::string> FeastsIn(const CalendarDay& day, FeastNameColumn column);

// The weekday as written mid-sentence ("sunnuntai", "söndag", "Sunday").
std::string_view WeekdayName(const CalendarDay& day, const Texts& texts);

// The widest weekday name of the language, in columns.
std::size_t WeekdayColumns(const Texts& texts);

// The marks in words: "* punainen päivä   + liputuspäivä"; from the almanac, with the
// two kinds of flag day.
std::string MarkLegend(const Texts& texts, const Style& style, CalendarKind calendar);

// "liputuspäivä", or from the almanac the flag day's kind: "virallinen liputuspäivä".
std::string_view FlagDayText(const CalendarDay& day, const Texts& texts);

// The day's flag mark, or a blank: the almanac's customary flag days have a mark of
// their own.
std::string FlagMark(const CalendarDay& day, const Style& style);

// "6.12.2026", or "6 December 2026" where the language writes dates so.
std::string DateText(calendar::Date date, const Texts& texts);

// "Punainen päivä ja liputuspäivä", "Liputuspäivä", from the almanac "Virallinen
// liputuspäivä"; empty on other days.
std::string DayKind(const CalendarDay& day, const Texts& texts, const Style& style);

// Where the name search found a name: "Anna  9.12.  Finnish and Swedish list".
std::string NameDayLine(const NameDay& day, const Texts& texts);

// Before the next day of a kind: "Next flag day: tomorrow".
std::string NextDayTitle(KindOfDay kind, int days_away, const Texts& texts);

// The weekday, date and week; the feasts; red day and flag day in words; the names. A
// line with nothing to say is left out.
void WriteDayReport(std::ostream& out, const CalendarDay& day, const Texts& texts,
                    const Style& style);

}  // namespace kelotarhu::cli
