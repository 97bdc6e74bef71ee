#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <array>
#include <optional>
#include <utility>

#include "calendar/today.h"
#include "cli/calendar_day.h"
#include "cli/date_argument.h"
#include "cli/day_report.h"
#include "cli/exit_codes.h"
#include "cli/messages.h"
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
    "Exit status: 0 done, 1 the plug-in cannot be used or the output cannot be written,\n"
    "2 a bad option or argument.";

// What the user asked for, as typed.
struct Request {
  std::optional<std::string> date;
  std::optional<std::string> month;
  std::optional<std::string> year;
  std::optional<std::string> format;  // a name in kYearFormats
  std::optional<std::string> color;   // a name in kColorChoices
  std::optional<std::string> plugin;
  std::vector<std::string> answers;
};

// An option's named values; the first is the default.
template <typename Value>
struct Choice {
  std::string_view name;
  Value value;
};

constexpr std::array<Choice<YearFormat>, 3> kYearFormats = {
    {{"text", YearFormat::kText}, {"csv", YearFormat::kCsv}, {"json", YearFormat::kJson}}};
constexpr std::array<Choice<ColorChoice>, 3> kColorChoices = {{{"auto", ColorChoice::kAuto},
                                                               {"always", ColorChoice::kAlways},
                                                               {"never", ColorChoice::kNever}}};

// The names of the values, `separator` between them: "text|csv|json".
template <typename Value, std::size_t kCount>
std::string ChoiceNames(const std::array<Choice<Value>, kCount>& choices,
                        std::string_view separator) {
  std::string names;
  for (const Choice<Value>& choice : choices) {
    names.append(names.empty() ? "" : separator).append(choice.name);
  }
  return names;
}

// The value named `name`, the default when the option was not given; nothing when no
// value has that name.
template <typename Value, std::size_t kCount>
std::optional<Value> Chosen(const std::array<Choice<Value>, kCount>& choices,
                            const std::optional<std::string>& name) {
  if (!name) return choices.front().value;
  for (const Choice<Value>& choice : choices) {
    if (choice.name == *name) return choice.value;
  }
  return std::nullopt;
}

void DefineOptions(CLI::App& app, Request& request) {
  // An option given twice takes the last value, as Unix tools do; --answer keeps all.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.add_option("DATE", request.date, "The date to show; default: today")->type_name("");
  app.add_option("--month", request.month, "Draw a month as a calendar grid")->type_name("YYYY-MM");
  app.add_option("--year", request.year, "List every day of a year")->type_name("YYYY");
  app.add_option("--format", request.format, "Format of --year: text (default), csv or json")
      ->option_text(ChoiceNames(kYearFormats, "|"));
  app.add_option("--color", request.color,
                 "Colour red days and flag days: auto (default: on a terminal), always or never")
      ->option_text(ChoiceNames(kColorChoices, "|"));
  app.add_option("--plugin", request.plugin,
                 "Load a plug-in library and drive it as a host application does")
      ->type_name("PATH");
  app.add_option("--answer", request.answers,
                 "Answers to a display function's questions in order, instead of the "
                 "defaults (repeatable; \\, is a comma inside an answer)")
      ->type_name("FUNCTION=ANSWER[,ANSWER...]")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->allow_extra_args(false);
}

// What is wrong with the combination of options, if anything: at most one of a date,
// --month, --year and --plugin; --format only for --year, --answer only for --plugin.
std::optional<std::string> CombinationProblem(const Request& request) {
  const std::pair<std::string_view, bool> what_to_show[] = {
      {"DATE", request.date.has_value()},
      {"--month", request.month.has_value()},
      {"--year", request.year.has_value()},
      {"--plugin", request.plugin.has_value()}};
  std::optional<std::string_view> first;
  for (const auto& [name, given] : what_to_show) {
    if (!given) continue;
    if (first) return ConflictMessage(*first, name);
    first = name;
  }
  if (request.format && !request.year) return NeedsMessage("--format", "--year");
  if (!request.answers.empty() && !request.plugin) return NeedsMessage("--answer", "--plugin");
  return std::nullopt;
}

// CLI11's parse errors in the tool's own words.
std::string ParseErrorMessage(const CLI::App& app, const CLI::ParseError& error) {
  if (dynamic_cast<const CLI::ExtrasError*>(&error) && !app.remaining().empty()) {
    const std::string first = app.remaining().front();
    return first.size() > 1 && first.front() == '-' ? UnknownOptionMessage(first)
                                                    : UnexpectedArgumentMessage(first);
  }
  // CLI11 names the option first: "--month: 1 required YYYY-MM missing".
  const std::string_view what = error.what();
  for (const CLI::Option* option : app.get_options()) {
    const std::string name = option->get_name();
    if (what.starts_with(name + ':') || what.starts_with(name + ' ')) {
      return option->get_expected_min() > 0 ? MissingValueMessage(name)
                                            : UnwantedValueMessage(name);
    }
  }
  return CommandLineMessage(what);
}

int BadUsage(std::ostream& err, std::string_view message) {
  ReportError(err, message);
  return kExitUsage;
}

int BadArgument(std::ostream& err, std::string_view name, const std::string& value,
                std::string_view what, std::string_view forms) {
  return BadUsage(err, BadValueMessage(name, value, what, forms));
}

int ShowDay(const Request& request, const Style& style, std::ostream& out, std::ostream& err) {
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
  WriteDayReport(out, year.Day(date.month, date.day), style);
  return kExitSuccess;
}

int ShowMonth(const Request& request, const Style& style, std::ostream& out, std::ostream& err) {
  const std::optional<calendar::MonthOfYear> month = ParseMonth(*request.month);
  if (!month) {
    return BadArgument(err, "--month", *request.month, "a month of the years 1 to 9999",
                       kMonthForms);
  }
  WriteMonth(out, CalendarYear(month->year), month->month, style);
  return kExitSuccess;
}

int ShowYear(const Request& request, std::ostream& out, std::ostream& err) {
  const std::optional<YearFormat> format = Chosen(kYearFormats, request.format);
  if (!format) {
    return BadUsage(
        err, NotAChoiceMessage("--format", *request.format, ChoiceNames(kYearFormats, ", ")));
  }
  const std::optional<std::uint16_t> year = ParseYear(*request.year);
  if (!year) return BadArgument(err, "--year", *request.year, "a year from 1 to 9999", kYearForms);
  WriteYear(out, CalendarYear(*year), *format);
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
  if (const std::optional<std::string> problem = CombinationProblem(request)) {
    return BadUsage(err, *problem);
  }
  const std::optional<ColorChoice> color = Chosen(kColorChoices, request.color);
  if (!color) {
    return BadUsage(err,
                    NotAChoiceMessage("--color", *request.color, ChoiceNames(kColorChoices, ", ")));
  }
  if (request.plugin) return HostPlugin(request, out, err);
  if (request.year) return ShowYear(request, out, err);
  const Style style(UseColor(*color));
  if (request.month) return ShowMonth(request, style, out, err);
  return ShowDay(request, style, out, err);
}

// Parses the arguments into `request`: nothing when the command is to run, else the exit
// status after --help, --version or a parse error.
std::optional<int> Parse(const std::vector<std::string>& arguments, Request& request,
                         std::ostream& out, std::ostream& err) {
  CLI::App app(kDescription, "kelotarhu");
  app.footer(kExamples);
  app.set_version_flag("--version", "kelotarhu " KELOTARHU_VERSION);
  DefineOptions(app, request);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
    return std::nullopt;
  } catch (const CLI::Success& done) {  // --help or --version
    return app.exit(done, out, err);
  } catch (const CLI::ParseError& error) {
    return BadUsage(err, ParseErrorMessage(app, error));
  }
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  Request request;
  const std::optional<int> parsed = Parse(arguments, request, out, err);
  const int status = parsed ? *parsed : Run(request, out, err);
  if (status == kExitUsage) err << kUsageHint << '\n';
  return status;
}

}  // namespace kelotarhu::cli
