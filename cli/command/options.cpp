#include "cli/command/options.h"

#include <algorithm>

#include "cli/host/reference_host.h"
#include "cli/text/language.h"

namespace kelotarhu::cli {
namespace {

// The values of the options that name them, in the order of the enums that read them.
std::vector<std::string_view> KindsOfDay() { return {"red", "holiday", "flag", "feast", "names"}; }
std::vector<std::string_view> Calendars() { return {"almanac", "plugin"}; }
std::vector<std::string_view> Formats() { return {"text", "csv", "spreadsheet", "json", "ics"}; }
std::vector<std::string_view> Events() { return {"feasts", "flags", "finnish", "swedish"}; }
std::vector<std::string_view> ColorChoices() { return {"auto", "always", "never"}; }
std::vector<std::string_view> LanguageCodes() {
  std::vector<std::string_view> codes;
  for (const Texts* texts : Languages()) codes.push_back(texts->code);
  return codes;
}

std::vector<OptionSpec> Table() {
  return {
      {.id = OptionId::kHelp,
       .name = "--help",
       .short_name = "-h",
       .value = ValueKind::kNone,
       .help = &Texts::help_help,
       .exits = true,
       .manual = R"(Show a summary of the options and exit.)"},
      {.id = OptionId::kVersion,
       .name = "--version",
       .value = ValueKind::kNone,
       .help = &Texts::version_help,
       .exits = true,
       .manual = R"(Show the version and exit.)"},
      {.id = OptionId::kDate, .name = {}, .value = ValueKind::kRequired, .help = &Texts::date_help},
      {.id = OptionId::kName,
       .name = "--name",
       .short_name = "-n",
       .value = ValueKind::kSeveral,
       .repeatable = true,
       .help = &Texts::name_help,
       .value_name = &Texts::name_type,
       .shows = true,
       .goes_with = {"--next"},
       .manual_value = "NAME",
       .manual = R"(Whose name day, when: list the days on which the Finnish or the Finland-Swedish
name-day list holds each
.I NAME
as a whole name (Anna, not Johanna), whatever its case (\(lq\[oa]ke\(rq finds \[oA]ke), with
the day and the list; blanks around a name are no part of it, and an empty name is a bad
usage.
Several names may follow.
A name that neither list holds is reported, with the names closest to it, and makes the
exit status 1.
With
.BR "\-\-next names" ,
the next name day of these names.)"},
      {.id = OptionId::kMonth,
       .name = "--month",
       .value = ValueKind::kOptional,
       .help = &Texts::month_help,
       .value_name = &Texts::month_type,
       .shows = true,
       .manual_value = "MONTH",
       .manual =
           R"(Draw a month as a calendar grid, weeks from Monday with their ISO week numbers, and
list its feasts and flag days; with
.BR \-\-format ,
its days as a listing.
.I MONTH
is written
.I YYYY\-MM
(2026\-12),
.I M.YYYY
(12.2026) or
.I M
(6, this year's June); without it, this month.)"},
      {.id = OptionId::kYear,
       .name = "--year",
       .value = ValueKind::kOptional,
       .help = &Texts::year_help,
       .value_name = &Texts::year_type,
       .shows = true,
       .manual_value = "YYYY",
       .manual =
           R"(List every day of the year from 1 to 9999 (without it, this year) in the format that
.B \-\-format
chooses.)"},
      {.id = OptionId::kDays,
       .name = "--days",
       .value = ValueKind::kRequired,
       .help = &Texts::days_help,
       .fixed_value_name = "N",
       .shows = true,
       .takes_date = true,
       .manual_value = "N",
       .manual = R"(List the
.I N
days (1 to 10000) from
.I DATE
on, today without one, across the years, in the format that
.B \-\-format
chooses.)"},
      {.id = OptionId::kNext,
       .name = "--next",
       .value = ValueKind::kRequired,
       .choices = KindsOfDay,
       .help = &Texts::next_help,
       .shows = true,
       .takes_date = true,
       .manual =
           R"(Show the next red day, public holiday (a holiday by law, whatever its weekday; from the
almanac only: with
.B "\-\-calendar plugin"
it is refused), flag day, special day (a day the almanac names: a holiday, feast or
theme day; in Finnish
.IR merkkip\[:a]iv\[:a] ,
in Swedish
.IR m\[:a]rkesdag ),
or name day from
.I DATE
on (today without one; that day itself counts), and how many days away it is; with
.BR \-\-name ,
the next name day of those names.
No such day before the end of the calendar makes the exit status 1.)"},
      {.id = OptionId::kCalendar,
       .name = "--calendar",
       .value = ValueKind::kRequired,
       .choices = Calendars,
       .help = &Texts::calendar_help,
       .not_with = {"--plugin"},
       .manual = R"(The calendar that answers:
.B almanac
(the default), the Finnish almanac as it stood in each year, or
.BR plugin ,
the fixed calendar of the Kelotarhu plug-in, the same every year, byte for byte as the
plug-in answers in its host.
See
.BR "TWO CALENDARS" .
Not with
.BR \-\-plugin .)"},
      {.id = OptionId::kFormat,
       .name = "--format",
       .value = ValueKind::kRequired,
       .choices = Formats,
       .help = &Texts::format_help,
       .not_with = {"--name", "--plugin"},
       .manual = R"(How a day, a run of days, a month or a year is written:
.B text
(the default) for reading, as an almanac page lists days: a legend of the marks, then
aligned columns under headings of the date (6.12.2026; in English 6 December 2026), the
weekday, the marks, the special days and the names of both lists;
.B csv
per RFC 4180 (UTF-8, a header row, CRLF line ends);
.B spreadsheet
the same CSV as Excel in a Finnish or Swedish locale opens it by a double click: a UTF-8
byte-order mark first,
.B ;
between the fields, and its column headings in the chosen language;
.B json
for a program: an array of one object per day with the keys
.BR date ,
.BR weekday ,
.BR feasts ,
.BR flag_day ,
.BR red_day ,
.B finnish_names
and
.BR swedish_names ;
from the almanac also
.B flag_kind
.RB ( \(dqofficial\(dq ,
.B \(dqcustomary\(dq
or null; empty in CSV) and
.B public_holiday
(true on a holiday by law, whatever its weekday);
.B ics
an iCalendar file (RFC 5545) for phone and desktop calendars: one all-day event per
feast, with a UID that stays the same from run to run; from the almanac each event of a
public holiday or flag day has CATEGORIES naming it, and a flag day's event says
whether it is official or customary.
CSV and JSON write dates as YYYY\-MM\-DD and keep their keys in every language.
With
.BR \-\-next ,
csv and json carry one more field,
.BR days_away .)"},
      {.id = OptionId::kEvents,
       .name = "--events",
       .value = ValueKind::kList,
       .repeatable = true,
       .choices = Events,
       .help = &Texts::events_help,
       .needs = OptionValue{"--format", "ics"},
       .manual = R"(With
.BR "\-\-format ics" :
which events the calendar file holds, a comma-separated list of
.B feasts
(the default),
.B flags
(one event per flag day),
.B finnish
and
.B swedish
(one event per day for the names of each list).)"},
      {.id = OptionId::kOutput,
       .name = "--output",
       .short_name = "-o",
       .value = ValueKind::kRequired,
       .completion = Completion::kFile,
       .help = &Texts::output_help,
       .value_name = &Texts::output_type,
       .manual_value = "FILE",
       .manual = R"(Write the output to
.I FILE
as it is, byte for byte, instead of to standard output (no shell between, so nothing
re-encodes it); nothing is written when the command fails.
An existing
.I FILE
is replaced whole or not at all: the output goes to a new file in the same folder, which
is flushed to disk and then renamed over it, so that a full disk, a file-size limit or an
interrupted run leaves the old file as it was and no new file behind.
The replaced file keeps its permissions; a symbolic link is followed and stays a link.
A
.I FILE
that is no regular file (a terminal, a pipe, a device such as /dev/stdout) is written
as it is.)"},
      {.id = OptionId::kColor,
       .name = "--color",
       .value = ValueKind::kRequired,
       .choices = ColorChoices,
       .help = &Texts::color_help,
       .manual = R"(Whether red days show in red and, in the month grid, today in reverse video; the
marks
.B *
(red day) and
.B +
(flag day) show either way.
.B auto
(the default) colours only when standard output is a terminal and neither
.B NO_COLOR
nor
.B TERM=dumb
asks otherwise.)"},
      {.id = OptionId::kLang,
       .name = "--lang",
       .value = ValueKind::kRequired,
       .choices = LanguageCodes,
       .help = &Texts::lang_help,
       .manual =
           R"(The language of the output, the messages and the help: Finnish, Swedish (as written in
Finland) or English.
Without it, the language is chosen as gettext chooses it: the locale is the first of
.BR LC_ALL ,
.B LC_MESSAGES
and
.B LANG
that is set and not empty; unless that locale is C or POSIX, the first language of the
colon-separated list
.B LANGUAGE
that the tool speaks (\(lqsv_FI:fi\(rq) wins; else a locale of Finnish is Finnish, of
Swedish Swedish, any other English.
CSV and JSON hold the calendar's own Finnish texts in every language.)"},
      {.id = OptionId::kPlugin,
       .name = "--plugin",
       .value = ValueKind::kRequired,
       .completion = Completion::kLibrary,
       .help = &Texts::plugin_help,
       .value_name = &Texts::plugin_type,
       .shows = true,
       .manual_value = "PATH",
       .manual = R"(Act as a reference host for the Kelotarhu plug-in library at
.I PATH
.RI ( libkelotarhu.so ,
or
.I Kelotarhu.dll
on Windows): load it, call
.BR init ,
.B getinfo
0 to 6,
.B getparam
and
.BR dllstartup ,
then each display function with its default answers, then
.BR dllshutdown ,
and print every result.
A plug-in that breaks the host contract (a null pointer or an overlong text returned, a
malformed function list or option descriptor) or crashes in a call, or returns a text
that cannot be read to its end, is named in one line on standard error, after what was
printed before it, and the exit status is 1.)"},
      {.id = OptionId::kAnswer,
       .name = "--answer",
       .value = ValueKind::kRequired,
       .repeatable = true,
       .completion = Completion::kDisplayFunction,
       .help = &Texts::answer_help,
       .value_name = &Texts::answer_type,
       .needs = OptionValue{"--plugin", ""},
       .manual_value = "FUNCTION=ANSWER[,ANSWER...]",
       .manual = R"(With
.BR \-\-plugin :
pass these answers to the display function
.I FUNCTION
(GetNameDay, GetHoliday or GetFlag) in place of its default answers, in the order of its
questions; answers not given keep their defaults.
Write
.B \e,
for a comma inside an answer.
Repeatable, one for each display function.)"},
  };
}

}  // namespace

std::span<const OptionSpec> Options() {
  static const std::vector<OptionSpec> options = Table();
  return options;
}

const OptionSpec& Option(OptionId id) { return Options()[static_cast<std::size_t>(id)]; }

const OptionSpec* OptionNamed(std::string_view name) {
  for (const OptionSpec& option : Options()) {
    if (!name.empty() && (option.name == name || option.short_name == name)) return &option;
  }
  return nullptr;
}

std::string ChoiceNames(const OptionSpec& option, std::string_view separator) {
  std::string names;
  for (const std::string_view name : option.choices()) {
    names.append(names.empty() ? "" : separator).append(name);
  }
  return names;
}

std::optional<std::size_t> ChoiceIndex(const OptionSpec& option, std::string_view value) {
  const std::vector<std::string_view> choices = option.choices();
  const auto found = std::ranges::find(choices, value);
  if (found == choices.end()) return std::nullopt;
  return static_cast<std::size_t>(found - choices.begin());
}

std::vector<std::string_view> DisplayFunctionChoices() { return DisplayCallNames(); }

}  // namespace kelotarhu::cli
