#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <map>
#include <optional>

#include "calendar/today.h"
#include "cli/calendar_day.h"
#include "cli/date_argument.h"
#include "cli/day_report.h"
#include "cli/exit_codes.h"
#include "cli/month_grid.h"
#include "cli/reference_host.h"
#include "cli/style.h"
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
    "  kelotarhu --month 2026-12      a month with ISO week numbers\n"
    "  kelotarhu --year 2026 --format csv > 2026.csv\n"
    "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
    "\n"
    "Exit status: 0 done, 1 the plug-in cannot be used, 2 a bad option or argument.";

// What the user asked for, as typed.
struct Request {
  std::optional<std::string> date;
  std::optional<std::string> month;
  std::optional<std::string> year;
  std::string format = "text";  // a key of kYearFormats
  std::string color = "auto";   // a key of kColorChoices
  std::optional<std::string> plugin;
  std::vector<std::string> answers;
};

const std::map<std::string, YearFormat> kYearFormats = {
    {"text", YearFormat::kText}, {"csv", YearFormat::kCsv}, {"json", YearFormat::kJson}};
const std::map<std::string, ColorChoice> kColorChoices = {
    {"auto", ColorChoice::kAuto}, {"always", ColorChoice::kAlways}, {"never", ColorChoice::kNever}};

void DefineOptions(CLI::App& app, Request& request) {
  CLI::Option* date =
      app.add_option("DATE", request.date, "The date to show; default: today")->type_name("");
  CLI::Option* month = app.add_option("--month", request.month, "Draw a month as a calendar grid")
                           ->type_name("YYYY-MM");
  CLI::Option* year =
      app.add_option("--year", request.year, "List every day of a year")->type_name("YYYY");
  app.add_option("--format", request.format, "Format of --year: text (default), csv or json")
      ->check(CLI::IsMember(kYearFormats))
      ->option_text("text|csv|json")
      ->needs(year);
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
  month->excludes(year)->excludes(plugin);
  year->excludes(plugin);
}

int BadArgument(std::ostream& err, std::string_view name, const std::string& value,
                std::string_view what, std::string_view forms) {
  err << "kelotarhu: " << name << " \"" << value << "\" is not " << what << "; write it as "
      << forms << '\n';
  return kExitUsage;
}

int ShowDay(const Request& request, std::ostream& out, std::ostream& err) {
  calendar::Date date;
  if (request.date) {
    const std::optional<calendar::Date> parsed = ParseDate(*request.date);
    if (!parsed) {
      return BadArgument(err, "DATE", *request.date, "a date of the years 1 to 9999", kDateForms);
    }
    date = *parsed;
  } else {
    calendar::RefreshCurrentDate(date);
  }
  const CalendarYear year(date.year);
  WriteDayReport(out, year.Day(date.month, date.day),
                 Style(UseColor(kColorChoices.at(request.color))));
  return kExitSuccess;
}

int ShowMonth(const Request& request, std::ostream& out, std::ostream& err) {
  const std::optional<calendar::MonthOfYear> month = ParseMonth(*request.month);
  if (!month) {
    return BadArgument(err, "--month", *request.month, "a month of the years 1 to 9999",
                       kMonthForms);
  }
  WriteMonth(out, CalendarYear(month->year), month->month,
             Style(UseColor(kColorChoices.at(request.color))));
  return kExitSuccess;
}

int ShowYear(const Request& request, std::ostream& out, std::ostream& err) {
  const std::optional<std::uint16_t> year = ParseYear(*request.year);
  if (!year) return BadArgument(err, "--year", *request.year, "a year from 1 to 9999", kYearForms);
  WriteYear(out, CalendarYear(*year), kYearFormats.at(request.format));
  return kExitSuccess;
}

int HostPlugin(const Request& request, std::ostream& out, std::ostream& err) {
  HostRequest host{*request.plugin, {}};
  for (const std::string& text : request.answers) {
    std::optional<AnswerArgument> answer = ParseAnswerArgument(text);
    if (!answer) {
      return BadArgument(err, "--answer", text, "an answer to a display function",
                         "FUNCTION=ANSWER[,ANSWER...] (GetNameDay=K,E,0)");
    }
    host.answers.push_back(std::move(*answer));
  }
  return RunReferenceHost(host, out, err);
}

int Run(const Request& request, std::ostream& out, std::ostream& err) {
  if (request.plugin) return HostPlugin(request, out, err);
  if (request.year) return ShowYear(request, out, err);
  if (request.month) return ShowMonth(request, out, err);
  return ShowDay(request, out, err);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  CLI::App app(kDescription, "kelotarhu");
  app.footer(kExamples);
  app.set_version_flag("--version", "kelotarhu " KELOTARHU_VERSION);
  app.failure_message(CLI::FailureMessage::help);
  Request request;
  DefineOptions(app, request);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    return app.exit(error, out, err) == 0 ? kExitSuccess : kExitUsage;
  }
  return Run(request, out, err);
}

}  // namespace kelotarhu::cli
