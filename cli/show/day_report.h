// One day in words for a person to read, in the chosen language; and the pieces of it
// that the month grid and the year list share.
#pragma once

#include <array>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/days/calendar_day.h"
#include "cli/days/day_span.h"
#include "cli/days/name_search.h"
#include "cli/show/style.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// The weekday as written mid-sentence ("sunnuntai", "söndag", "Sunday").
std::string_view WeekdayName(const CalendarDay& day, const Texts& texts);

// The weekday in two letters, as a calendar's head writes it ("su", "sö", "Su").
std::string WeekdayAbbreviation(const CalendarDay& day, const Texts& texts);

// The widest weekday name of the language, in columns.
std::size_t WeekdayColumns(const Texts& texts);

// The marks a day may carry in a listing and what each means; the legends are made from
// these lists, so a new mark is one more entry. A day carries one red mark at most and
// one flag mark at most, each in a column of its own.
struct DayMark {
  std::string_view symbol;
  bool (*carried_by)(const CalendarDay& day);
  std::string_view Texts::*meaning;  // in words, for the legend
  bool red;                          // the red mark, painted red where colours show
};

// The almanac's flag days are official or customary; the plug-in's are of one kind.
std::span<const DayMark> DayMarksOf(CalendarKind calendar);

// The red mark and the flag mark of a day, a blank in place of each it lacks; by the
// marks of the calendar the day comes from.
std::string DayMarks(const CalendarDay& day, const Style& style);

// The flag mark of a day alone, or a blank.
std::string FlagMark(const CalendarDay& day, const Style& style);

// "* punainen päivä   + liputuspäivä": every mark of the calendar in words.
std::string MarkLegend(const Texts& texts, const Style& style, CalendarKind calendar);

// "6.12.2026", or "6 December 2026" where the language writes dates so.
std::string DateText(calendar::Date date, const Texts& texts);

// "Punainen päivä ja liputuspäivä", "Liputuspäivä", from the almanac "Virallinen
// liputuspäivä"; empty on other days.
std::string DayKind(const CalendarDay& day, const Texts& texts, const Style& style);

// A day of the month without its year: "6.12.", "6.12" or "6 December".
std::string DayAndMonthText(int day, int month, const Texts& texts);

// Where the name search found a name: "Anna  9.12.  Finnish and Swedish list".
std::string NameDayLine(const NameDay& day, const Texts& texts);

// Before the next day of a kind: "Next flag day: tomorrow".
std::string NextDayTitle(KindOfDay kind, int days_away, const Texts& texts);

// The weekday, date and week; the feasts; red day and flag day in words; the names. A
// line with nothing to say is left out.
void WriteDayReport(std::ostream& out, const CalendarDay& day, const Texts& texts,
                    const Style& style);

}  // namespace kelotarhu::cli
