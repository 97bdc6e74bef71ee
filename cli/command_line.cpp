#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <system_error>

#include "calendar/today.h"
#include "cli/calendar_day.h"
#include "cli/date_argument.h"
#include "cli/day_range.h"
#include "cli/day_report.h"
#include "cli/exit_codes.h"
#include "cli/ics_export.h"
#include "cli/month_grid.h"
#include "cli/name_search.h"
#include "cli/reference_host.h"
#include "cli/style.h"
#include "cli/texts.h"
#include "cli/year_export.h"

namespace kelotarhu::cli {
namespace {

constexpr const char* kDescription =
    "What a day means in the Finnish calendar: weekday, feasts and red days, flag days,\n"
    "and the Finnish and Finland-Swedish name days. Without arguments: today.";

constexpr const char* kExamples =
    "Examples:\n"
    "  kelotarhu                      today\n"
    "  kelotarhu 6.12.2026            any date of the years 1 to 9999 (or 2026-12-06)\n"
    "  kelotarhu huomenna             also tomorrow, i morgon, +7, -1, 6.12. (this year)\n"
    "  kelotarhu --name Anna -n åke   whose name day, when\n"
    "  kelotarhu --days 14            the next two weeks\n"
    "  kelotarhu --next flag          the next flag day, and how far away it is\n"
    "  kelotarhu --month              this month with ISO week numbers (--month 2026-12)\n"
    "  kelotarhu --year 2026 --format csv --output 2026.csv\n"
    "  kelotarhu --year 2026 --format ics --events feasts,finnish -o 2026.ics\n"
    "  kelotarhu --month 12 --format spreadsheet -o joulukuu.csv\n"
    "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
    "\n"
    "Exit status: 0 done, 1 the plug-in cannot be used, a name is in neither list, no\n"
    "day of the kind comes, or the output cannot be written; 2 a bad option or argument.";

// The most days --days lists.
constexpr int kMostDays = 10000;

// What the user asked for, as typed.
struct Request {
  std::optional<std::string> date;
  std::vector<std::string> names;
  std::string month;  // empty: this month
  std::string year;   // empty: this year
  std::optional<std::string> days;
  std::optional<std::string> next;  // a key of kDayKinds
  std::string format = "text";      // a key of kFormats
  std::vector<std::string> events;  // keys of kEvents
  std::optional<std::string> output;
  std::string color = "auto";  // a key of kColorChoices
  std::optional<std::string> plugin;
  std::vector<std::string> answers;
  // Whether --month and --year were given, with or without a value.
  bool month_given = false;
  bool year_given = false;
};

const std::map<std::string, ExportFormat> kFormats = {{"text", ExportFormat::kText},
                                                      {"csv", ExportFormat::kCsv},
                                                      {"spreadsheet", ExportFormat::kSpreadsheet},
                                                      {"json", ExportFormat::kJson},
                                                      {"ics", ExportFormat::kIcs}};
const std::map<std::string, ColorChoice> kColorChoices = {
    {"auto", ColorChoice::kAuto}, {"always", ColorChoice::kAlways}, {"never", ColorChoice::kNever}};
const std::map<std::string, DayKind> kDayKinds = {{"red", DayKind::kRed},
                                                  {"flag", DayKind::kFlag},
                                                  {"feast", DayKind::kFeast},
                                                  {"names", DayKind::kNames}};
const std::map<std::string, bool IcsContent::*> kEvents = {{"feasts", &IcsContent::feasts},
                                                           {"flags", &IcsContent::flag_days},
                                                           {"finnish", &IcsContent::finnish_names},
                                                           {"swedish", &IcsContent::swedish_names}};

struct DefinedOptions {
  CLI::Option* month;
  CLI::Option* year;
};

DefinedOptions DefineOptions(CLI::App& app, Request& request) {
  CLI::Option* date =
      app.add_option("DATE", request.date,
                     "The date to show: D.M.YYYY, YYYY-MM-DD, D.M. (this year), today, "
                     "tomorrow, yesterday (also in Finnish and Swedish), +N or -N days; "
                     "default: today")
          ->type_name("");
  CLI::Option* name =
      app.add_option("-n,--name", request.names,
                     "Whose name day, when: the days on which the Finnish or the Swedish list "
                     "holds the name (any case; several names may be given)")
          ->type_name("NAME");
  CLI::Option* month = app.add_option("--month", request.month,
                                      "Draw a month as a calendar grid; default: this month")
                           ->type_name("[YYYY-MM|M.YYYY|M]")
                           ->expected(0, 1);
  CLI::Option* year =
      app.add_option("--year", request.year, "List every day of a year; default: this year")
          ->type_name("[YYYY]")
          ->expected(0, 1);
  CLI::Option* days =
      app.add_option("--days", request.days, "List N days from DATE (default: today) on")
          ->type_name("N");
  CLI::Option* next =
      app.add_option("--next", request.next,
                     "The next red day, flag day, feast or day of names from DATE (default: "
                     "today) on, that day included, and how many days away it is; with "
                     "--name, the next name day of those names")
          ->check(CLI::IsMember(kDayKinds))
          ->option_text("red|flag|feast|names");
  app.add_option("--format", request.format,
                 "Output as text (default), csv (RFC 4180), spreadsheet (CSV that Excel in a "
                 "Finnish locale opens: UTF-8 with a byte-order mark, \";\" between fields), "
                 "json or ics (iCalendar)")
      ->check(CLI::IsMember(kFormats))
      ->option_text("text|csv|spreadsheet|json|ics");
  app.add_option("--events", request.events,
                 "What --format ics makes events of: feasts (default), flags (flag days), "
                 "finnish and swedish (the name days of each list)")
      ->check(CLI::IsMember(kEvents))
      ->delimiter(',')
      ->option_text("feasts,flags,finnish,swedish");
  app.add_option("-o,--output", request.output, "Write to FILE instead of standard output")
      ->type_name("FILE");
  app.add_option("--color", request.color,
                 "Colour red days and flag days: auto (default: on a terminal), always or never")
      ->check(CLI::IsMember(kColorChoices))
      ->option_text("auto|always|never");
  CLI::Option* plugin =
      app.add_option("--plugin", request.plugin,
                     "Load a plug-in library and drive it as a host application does")
          ->type_name("PATH");
  app.add_option("--answer", request.answers,
                 "Answers to a display function's questions in order, instead of the "
                 "defaults (repeatable; \\, is a comma inside an answer)")
      ->type_name("FUNCTION=ANSWER[,ANSWER...]")
      ->allow_extra_args(false)
      ->needs(plugin);
  date->excludes(month)->excludes(year)->excludes(plugin);
  name->excludes(month)->excludes(year)->excludes(days)->excludes(plugin);
  month->excludes(year)->excludes(days)->excludes(next)->excludes(plugin);
  year->excludes(days)->excludes(next)->excludes(plugin);
  days->excludes(next)->excludes(plugin);
  next->excludes(plugin);
  return {month, year};
}

// "kelotarhu: what is wrong", and a line of help when there is one.
int Reject(std::ostream& err, const std::string& message, std::string_view hint = {}) {
  err << "kelotarhu: " << message << '\n';
  if (!hint.empty()) err << hint << '\n';
  return kExitUsage;
}

// What the command needs besides the request: today, where output goes.
struct Context {
  const Request& request;
  calendar::Date today;
  std::ostream& out;
  std::ostream& err;
};

template <typename Value>
std::optional<Value> Accepted(const Context& context, const Reading<Value>& reading,
                              std::string_view label, const std::string& text,
                              std::string_view what, std::string_view forms) {
  if (const Value* value = std::get_if<Value>(&reading)) return *value;
  const DateProblem& problem = std::get<DateProblem>(reading);
  Reject(context.err,
         std::string(label) + ' ' + QuotedArgument(text) + ' ' +
             Texts().DateProblemText(what, problem),
         problem.kind == DateProblem::kUnreadable ? forms : std::string_view{});
  return std::nullopt;
}

// DATE, or today without one.
std::optional<calendar::Date> FirstDate(const Context& context) {
  if (!context.request.date) return context.today;
  return Accepted(context, ReadDate(*context.request.date, context.today), "DATE",
                  *context.request.date, "date", Texts().date_forms);
}

ExportFormat Format(const Context& context) { return kFormats.at(context.request.format); }

Style ChosenStyle(const Context& context) {
  return Style(UseColor(kColorChoices.at(context.request.color)));
}

// SOURCE_DATE_EPOCH when set (reproducible output), else the clock.
std::optional<std::int64_t> CalendarStamp(const Context& context) {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr) return static_cast<std::int64_t>(std::time(nullptr));
  const std::string_view text(epoch);
  std::int64_t seconds = -1;
  const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (text.empty() || error != std::errc{} || last != text.data() + text.size() || seconds < 0 ||
      seconds > kLastStamp) {
    Reject(context.err, Texts().BadSourceDateEpoch(text));
    return std::nullopt;
  }
  return seconds;
}

// Writes days in the chosen format other than text.
int Export(const Context& context, const std::vector<CalendarDay>& days,
           std::optional<int> days_away = std::nullopt) {
  ExportOptions options{{}, days_away};
  if (Format(context) == ExportFormat::kIcs) {
    const std::optional<std::int64_t> stamp = CalendarStamp(context);
    if (!stamp) return kExitUsage;
    options.ics.stamp = *stamp;
    if (!context.request.events.empty()) {
      options.ics.feasts = false;
      for (const std::string& event : context.request.events) {
        options.ics.*kEvents.at(event) = true;
      }
    }
  }
  WriteDays(context.out, days, Format(context), options);
  return kExitSuccess;
}

int ShowDay(const Context& context) {
  const std::optional<calendar::Date> date = FirstDate(context);
  if (!date) return kExitUsage;
  const CalendarYear year(date->year);
  const CalendarDay day = year.Day(date->month, date->day);
  if (Format(context) != ExportFormat::kText) return Export(context, {day});
  WriteDayReport(context.out, day, ChosenStyle(context));
  return kExitSuccess;
}

int ShowMonth(const Context& context) {
  std::optional<calendar::MonthOfYear> month =
      calendar::MonthOfYear{static_cast<std::uint8_t>(context.today.month), context.today.year};
  if (!context.request.month.empty()) {
    month = Accepted(context, ReadMonth(context.request.month, context.today), "--month",
                     context.request.month, "month", Texts().month_forms);
    if (!month) return kExitUsage;
  }
  const CalendarYear year(month->year);
  if (Format(context) != ExportFormat::kText)
    return Export(context, DaysOfMonth(year, month->month));
  WriteMonth(context.out, year, month->month, ChosenStyle(context));
  return kExitSuccess;
}

int ShowYear(const Context& context) {
  std::optional<std::uint16_t> year = context.today.year;
  if (!context.request.year.empty()) {
    year = Accepted(context, ReadYear(context.request.year), "--year", context.request.year, "year",
                    Texts().year_forms);
    if (!year) return kExitUsage;
  }
  return Export(context, DaysOfYear(CalendarYear(*year)));
}

int ShowDays(const Context& context) {
  int count = 0;
  const std::string& text = *context.request.days;
  const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc{} || last != text.data() + text.size() || count < 1 || count > kMostDays) {
    return Reject(context.err, Texts().BadDayCount(text));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  return Export(context, DaysFrom(*first, count));
}

// False for a name that neither list holds, reported with the close names.
bool Found(const Context& context, const std::string& name, const NameSearch& search) {
  if (!search.days.empty()) return true;
  context.err << "kelotarhu: " << Texts().UnknownName(name) << '\n';
  if (!search.close.empty()) context.err << Texts().CloseNames(search.close) << '\n';
  return false;
}

int ShowNameDays(const Context& context) {
  bool all_found = true;
  for (const std::string& name : context.request.names) {
    const NameSearch search = FindNameDays(name);
    for (const NameDay& day : search.days) context.out << Texts().NameDayLine(day) << '\n';
    all_found = Found(context, name, search) && all_found;
  }
  return all_found ? kExitSuccess : kExitNotFound;
}

// With --name: a day of those names, or nothing when a name is in neither list; else a
// day of the kind.
std::optional<std::function<bool(const CalendarDay&)>> NextDayTest(const Context& context,
                                                                   DayKind kind) {
  if (context.request.names.empty()) {
    return [kind](const CalendarDay& day) { return IsOfKind(day, kind); };
  }
  std::set<std::pair<int, int>> name_days;
  bool all_found = true;
  for (const std::string& name : context.request.names) {
    const NameSearch search = FindNameDays(name);
    for (const NameDay& day : search.days) name_days.emplace(day.month, day.day);
    all_found = Found(context, name, search) && all_found;
  }
  if (!all_found) return std::nullopt;
  return [name_days](const CalendarDay& day) {
    return name_days.contains({day.date.month, day.date.day});
  };
}

int ShowNext(const Context& context) {
  const DayKind kind = kDayKinds.at(*context.request.next);
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  const auto wanted = NextDayTest(context, kind);
  if (!wanted) return kExitNotFound;
  const std::optional<NextDay> next = FindNext(*first, *wanted);
  if (!next) {
    context.err << "kelotarhu: " << Texts().NoNextDay(kind, *first) << '\n';
    return kExitNotFound;
  }
  if (Format(context) != ExportFormat::kText) return Export(context, {next->day}, next->days_away);
  context.out << Texts().NextDayTitle(kind, next->days_away) << '\n';
  WriteDayReport(context.out, next->day, ChosenStyle(context));
  return kExitSuccess;
}

int HostPlugin(const Context& context) {
  HostRequest host{*context.request.plugin, {}};
  for (const std::string& text : context.request.answers) {
    std::optional<AnswerArgument> answer = ParseAnswerArgument(text);
    if (!answer) {
      return Reject(context.err,
                    "--answer " + QuotedArgument(text) + " is not an answer to a display function",
                    "write it as FUNCTION=ANSWER[,ANSWER...] (GetNameDay=K,E,0)");
    }
    host.answers.push_back(std::move(*answer));
  }
  return RunReferenceHost(host, context.out, context.err);
}

int Run(const Context& context) {
  const Request& request = context.request;
  if (request.plugin) return HostPlugin(context);
  if (!request.events.empty() && request.format != "ics") {
    return Reject(context.err, "--events chooses the events of --format ics");
  }
  if (!request.names.empty() && request.next && *request.next != "names") {
    return Reject(context.err, "--name goes with --next names only");
  }
  if (!request.names.empty() && !request.next && request.format != "text") {
    return Reject(context.err, "--name lists name days as text; --format goes with dates");
  }
  if (!request.names.empty() && !request.next && request.date) {
    return Reject(context.err, "--name finds the days of a name; DATE goes with --next names");
  }
  if (request.next) return ShowNext(context);
  if (!request.names.empty()) return ShowNameDays(context);
  if (request.days) return ShowDays(context);
  if (request.year_given) return ShowYear(context);
  if (request.month_given) return ShowMonth(context);
  return ShowDay(context);
}

// The output bytes go to --output FILE in one piece, or else to standard output.
int WriteOutput(const std::string& path, const std::string& bytes, std::ostream& err) {
  std::ofstream file(std::filesystem::path(reinterpret_cast<const char8_t*>(path.c_str())),
                     std::ios::binary | std::ios::trunc);
  if (file) file << bytes;
  if (file) file.close();
  if (!file) {
    const int error = errno;
    Reject(err, Texts().CannotWrite(path, error ? std::generic_category().message(error)
                                                : "the file could not be written"));
    return kExitWriteFailure;
  }
  return kExitSuccess;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  CLI::App app(kDescription, "kelotarhu");
  app.footer(kExamples);
  app.set_version_flag("--version", "kelotarhu " KELOTARHU_VERSION);
  app.failure_message(CLI::FailureMessage::help);
  Request request;
  const DefinedOptions options = DefineOptions(app, request);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    return app.exit(error, out, err) == 0 ? kExitSuccess : kExitUsage;
  }
  request.month_given = options.month->count() > 0;
  request.year_given = options.year->count() > 0;
  calendar::Date today;
  calendar::RefreshCurrentDate(today);
  if (!request.output) return Run({request, today, out, err});
  std::ostringstream bytes;
  const int status = Run({request, today, bytes, err});
  if (status != kExitSuccess) return status;
  return WriteOutput(*request.output, bytes.str(), err);
}

}  // namespace kelotarhu::cli
