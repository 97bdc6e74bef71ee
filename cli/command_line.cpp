#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <system_error>
#include <utility>

#include "calendar/today.h"
#include "cli/calendar_day.h"
#include "cli/date_argument.h"
#include "cli/day_range.h"
#include "cli/day_report.h"
#include "cli/exit_codes.h"
#include "cli/ics_export.h"
#include "cli/messages.h"
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
    "Exit status: 0 done; 1 the plug-in cannot be used, a name is in neither list, no day\n"
    "of the kind comes, or the output cannot be written; 2 a bad option or argument.";

// The most days --days lists.
constexpr int kMostDays = 10000;

// What the user asked for, as typed.
struct Request {
  std::optional<std::string> date;
  std::vector<std::string> names;
  std::optional<std::string> month;  // empty: this month
  std::optional<std::string> year;   // empty: this year
  std::optional<std::string> days;
  std::optional<std::string> next;    // a name in kDayKinds
  std::optional<std::string> format;  // a name in kFormats
  std::vector<std::string> events;    // names in kEvents
  std::optional<std::string> output;
  std::optional<std::string> color;  // a name in kColorChoices
  std::optional<std::string> plugin;
  std::vector<std::string> answers;
};

// An option's named values; the first is the default.
template <typename Value>
struct Choice {
  std::string_view name;
  Value value;
};

constexpr std::array<Choice<ExportFormat>, 5> kFormats = {
    {{"text", ExportFormat::kText},
     {"csv", ExportFormat::kCsv},
     {"spreadsheet", ExportFormat::kSpreadsheet},
     {"json", ExportFormat::kJson},
     {"ics", ExportFormat::kIcs}}};
constexpr std::array<Choice<ColorChoice>, 3> kColorChoices = {{{"auto", ColorChoice::kAuto},
                                                               {"always", ColorChoice::kAlways},
                                                               {"never", ColorChoice::kNever}}};
constexpr std::array<Choice<DayKind>, 4> kDayKinds = {{{"red", DayKind::kRed},
                                                       {"flag", DayKind::kFlag},
                                                       {"feast", DayKind::kFeast},
                                                       {"names", DayKind::kNames}}};
constexpr std::array<Choice<bool IcsContent::*>, 4> kEvents = {
    {{"feasts", &IcsContent::feasts},
     {"flags", &IcsContent::flag_days},
     {"finnish", &IcsContent::finnish_names},
     {"swedish", &IcsContent::swedish_names}}};

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

// The options whose value may be left out, to be told apart from those not given.
struct OptionalValues {
  CLI::Option* month;
  CLI::Option* year;
};

OptionalValues DefineOptions(CLI::App& app, Request& request) {
  // A single-valued option given twice takes the last value, as Unix tools do.
  constexpr auto kLastWins = CLI::MultiOptionPolicy::TakeLast;
  app.add_option("DATE", request.date,
                 "The date to show: D.M.YYYY, YYYY-MM-DD, D.M. (this year), today, tomorrow, "
                 "yesterday (also in Finnish and Swedish), +N or -N days; default: today")
      ->type_name("")
      ->multi_option_policy(kLastWins);
  app.add_option("-n,--name", request.names,
                 "Whose name day, when: the days on which the Finnish or the Swedish list "
                 "holds the name (any case; several names may be given)")
      ->type_name("NAME");
  CLI::Option* month = app.add_option("--month", request.month,
                                      "Draw a month as a calendar grid; default: this month")
                           ->type_name("[YYYY-MM|M.YYYY|M]")
                           ->expected(0, 1)
                           ->multi_option_policy(kLastWins);
  CLI::Option* year =
      app.add_option("--year", request.year, "List every day of a year; default: this year")
          ->type_name("[YYYY]")
          ->expected(0, 1)
          ->multi_option_policy(kLastWins);
  app.add_option("--days", request.days, "List N days from DATE (default: today) on")
      ->type_name("N")
      ->multi_option_policy(kLastWins);
  app.add_option("--next", request.next,
                 "The next red day, flag day, feast or day of names from DATE (default: "
                 "today) on, that day included, and how many days away it is; with --name, "
                 "the next name day of those names")
      ->option_text(ChoiceNames(kDayKinds, "|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--format", request.format,
                 "Output as text (default), csv (RFC 4180), spreadsheet (CSV that Excel in a "
                 "Finnish locale opens: UTF-8 with a byte-order mark, \";\" between fields), "
                 "json or ics (iCalendar)")
      ->option_text(ChoiceNames(kFormats, "|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--events", request.events,
                 "What --format ics makes events of: feasts (default), flags (flag days), "
                 "finnish and swedish (the name days of each list)")
      ->delimiter(',')
      ->option_text(ChoiceNames(kEvents, ","));
  app.add_option("-o,--output", request.output, "Write to FILE instead of standard output")
      ->type_name("FILE")
      ->multi_option_policy(kLastWins);
  app.add_option("--color", request.color,
                 "Colour red days and flag days: auto (default: on a terminal), always or never")
      ->option_text(ChoiceNames(kColorChoices, "|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--plugin", request.plugin,
                 "Load a plug-in library and drive it as a host application does")
      ->type_name("PATH")
      ->multi_option_policy(kLastWins);
  app.add_option("--answer", request.answers,
                 "Answers to a display function's questions in order, instead of the "
                 "defaults (repeatable; \\, is a comma inside an answer)")
      ->type_name("FUNCTION=ANSWER[,ANSWER...]")
      ->allow_extra_args(false);
  return {month, year};
}

// What is wrong with the combination of options, if anything: at most one of --name
// (but with --next names), --month, --year, --days, --next and --plugin, and a date only
// with --days or --next; --format not for --name or --plugin; --events only for
// --format ics, --answer only for --plugin.
std::optional<std::string> CombinationProblem(const Request& request) {
  const bool name_search = !request.names.empty() && !request.next;
  struct Mode {
    std::string_view name;
    bool given;
    bool takes_date;
  };
  const Mode kWhatToShow[] = {{"--name", name_search, false},
                              {"--month", request.month.has_value(), false},
                              {"--year", request.year.has_value(), false},
                              {"--days", request.days.has_value(), true},
                              {"--next", request.next.has_value(), true},
                              {"--plugin", request.plugin.has_value(), false}};
  std::optional<std::string_view> first;
  if (request.date) first = "DATE";
  for (const Mode& mode : kWhatToShow) {
    if (!mode.given) continue;
    if (first && !(*first == "DATE" && mode.takes_date)) return ConflictMessage(*first, mode.name);
    first = mode.name;
  }
  if (request.format && (name_search || request.plugin)) {
    return ConflictMessage(name_search ? "--name" : "--plugin", "--format");
  }
  if (!request.events.empty() && request.format != "ics") {
    return NeedsMessage("--events", "--format ics");
  }
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
  // CLI11 names the option first: "--days: 1 required N missing".
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

// What the command needs besides the request: today, the chosen format and colours,
// where output goes.
struct Context {
  const Request& request;
  calendar::Date today;
  ExportFormat format;
  Style style;
  std::ostream& out;
  std::ostream& err;
};

// The value read, or nothing after saying why the text is not one.
template <typename Value>
std::optional<Value> Accepted(const Context& context, const Reading<Value>& reading,
                              std::string_view name, const std::string& text, std::string_view what,
                              std::string_view forms) {
  if (const Value* value = std::get_if<Value>(&reading)) return *value;
  ReportError(context.err,
              DateProblemMessage(name, text, what, forms, std::get<DateProblem>(reading)));
  return std::nullopt;
}

// DATE, or today without one.
std::optional<calendar::Date> FirstDate(const Context& context) {
  if (!context.request.date) return context.today;
  return Accepted(context, ReadDate(*context.request.date, context.today), "DATE",
                  *context.request.date, "a date", kDateForms);
}

// SOURCE_DATE_EPOCH when set (output that builds reproduce), else the clock.
std::optional<std::int64_t> CalendarStamp(const Context& context) {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr) return static_cast<std::int64_t>(std::time(nullptr));
  const std::string_view text(epoch);
  std::int64_t seconds = -1;
  const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (text.empty() || error != std::errc{} || last != text.data() + text.size() || seconds < 0 ||
      seconds > kLastStamp) {
    ReportError(context.err,
                BadValueMessage("SOURCE_DATE_EPOCH", text, "a time", kSourceDateEpochForm));
    return std::nullopt;
  }
  return seconds;
}

// Writes days in the chosen format other than text.
int Export(const Context& context, const std::vector<CalendarDay>& days,
           std::optional<int> days_away = std::nullopt) {
  ExportOptions options{{}, days_away};
  if (context.format == ExportFormat::kIcs) {
    const std::optional<std::int64_t> stamp = CalendarStamp(context);
    if (!stamp) return kExitUsage;
    options.ics.stamp = *stamp;
    if (!context.request.events.empty()) options.ics.feasts = false;
    for (const std::string& event : context.request.events) {
      const auto content = Chosen(kEvents, event);
      if (!content) {
        return BadUsage(context.err,
                        NotAChoiceMessage("--events", event, ChoiceNames(kEvents, ", ")));
      }
      options.ics.** content = true;
    }
  }
  WriteDays(context.out, days, context.format, options);
  return kExitSuccess;
}

int ShowDay(const Context& context) {
  const std::optional<calendar::Date> date = FirstDate(context);
  if (!date) return kExitUsage;
  const CalendarDay day = CalendarYear(date->year).Day(date->month, date->day);
  if (context.format != ExportFormat::kText) return Export(context, {day});
  WriteDayReport(context.out, day, context.style);
  return kExitSuccess;
}

int ShowMonth(const Context& context) {
  const std::string& text = *context.request.month;
  const std::optional<calendar::MonthOfYear> month =
      text.empty() ? calendar::MonthOfYear{static_cast<std::uint8_t>(context.today.month),
                                           context.today.year}
                   : Accepted(context, ReadMonth(text, context.today), "--month", text, "a month",
                              kMonthForms);
  if (!month) return kExitUsage;
  const CalendarYear year(month->year);
  if (context.format != ExportFormat::kText) {
    return Export(context, DaysOfMonth(year, month->month));
  }
  WriteMonth(context.out, year, month->month, context.style);
  return kExitSuccess;
}

int ShowYear(const Context& context) {
  const std::string& text = *context.request.year;
  const std::optional<std::uint16_t> year =
      text.empty() ? context.today.year
                   : Accepted(context, ReadYear(text), "--year", text, "a year", kYearForms);
  if (!year) return kExitUsage;
  return Export(context, DaysOfYear(CalendarYear(*year)));
}

int ShowDays(const Context& context) {
  int count = 0;
  const std::string& text = *context.request.days;
  const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc{} || last != text.data() + text.size() || count < 1 || count > kMostDays) {
    return BadUsage(context.err, BadValueMessage("--days", text, "a number of days",
                                                 "a whole number from 1 to 10000"));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  return Export(context, DaysFrom(*first, count));
}

// False for a name that neither list holds, reported with the close names.
bool Found(const Context& context, const std::string& name, const NameSearch& search) {
  if (!search.days.empty()) return true;
  ReportError(context.err, UnknownNameMessage(name));
  if (!search.close.empty()) context.err << CloseNamesHint(search.close) << '\n';
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
  const std::optional<DayKind> kind = Chosen(kDayKinds, context.request.next);
  if (!kind) {
    return BadUsage(context.err, NotAChoiceMessage("--next", *context.request.next,
                                                   ChoiceNames(kDayKinds, ", ")));
  }
  if (!context.request.names.empty() && *kind != DayKind::kNames) {
    return BadUsage(context.err, ConflictMessage("--name", "--next " + *context.request.next));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  const auto wanted = NextDayTest(context, *kind);
  if (!wanted) return kExitNotFound;
  const std::optional<NextDay> next = FindNext(*first, *wanted);
  if (!next) {
    ReportError(context.err, NoNextDayMessage(*context.request.next, FinnishDateText(*first)));
    return kExitNotFound;
  }
  if (context.format != ExportFormat::kText) {
    return Export(context, {next->day}, next->days_away);
  }
  context.out << Texts().NextDayTitle(*kind, next->days_away) << '\n';
  WriteDayReport(context.out, next->day, context.style);
  return kExitSuccess;
}

int HostPlugin(const Context& context) {
  HostRequest host{*context.request.plugin, {}};
  for (const std::string& text : context.request.answers) {
    std::optional<AnswerArgument> answer = ParseAnswerArgument(text);
    if (!answer) {
      return BadUsage(context.err,
                      BadValueMessage("--answer", text, "an answer to a display function",
                                      "FUNCTION=ANSWER[,ANSWER...] (GetNameDay=K,E,0)"));
    }
    host.answers.push_back(std::move(*answer));
  }
  return RunReferenceHost(host, context.out, context.err);
}

int Show(const Context& context) {
  const Request& request = context.request;
  if (request.plugin) return HostPlugin(context);
  if (request.next) return ShowNext(context);
  if (!request.names.empty()) return ShowNameDays(context);
  if (request.days) return ShowDays(context);
  if (request.year) return ShowYear(context);
  if (request.month) return ShowMonth(context);
  return ShowDay(context);
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
  const std::optional<ExportFormat> format = Chosen(kFormats, request.format);
  if (!format) {
    return BadUsage(err,
                    NotAChoiceMessage("--format", *request.format, ChoiceNames(kFormats, ", ")));
  }
  calendar::Date today;
  calendar::RefreshCurrentDate(today);
  return Show({request, today, *format, Style(UseColor(*color)), out, err});
}

// Parses the arguments into `request`: nothing when the command is to run, else the exit
// status after --help, --version or a parse error.
std::optional<int> Parse(const std::vector<std::string>& arguments, Request& request,
                         std::ostream& out, std::ostream& err) {
  CLI::App app(kDescription, "kelotarhu");
  app.footer(kExamples);
  app.set_version_flag("--version", "kelotarhu " KELOTARHU_VERSION);
  const OptionalValues optional_values = DefineOptions(app, request);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::Success& done) {  // --help or --version
    return app.exit(done, out, err);
  } catch (const CLI::ParseError& error) {
    return BadUsage(err, ParseErrorMessage(app, error));
  }
  // Given without a value: this month, this year.
  if (optional_values.month->count() > 0 && !request.month) request.month.emplace();
  if (optional_values.year->count() > 0 && !request.year) request.year.emplace();
  return std::nullopt;
}

// The output goes to --output FILE in one piece, and only when all of it was made.
int WriteFile(const std::string& path, const std::string& bytes, std::ostream& err) {
  std::ofstream file(std::filesystem::path(reinterpret_cast<const char8_t*>(path.c_str())),
                     std::ios::binary | std::ios::trunc);
  if (file) file << bytes;
  if (file) file.close();
  if (file) return kExitSuccess;
  const int error = errno;
  ReportError(err, FileWriteFailureMessage(
                       path, error ? std::generic_category().message(error) : "unknown error"));
  return kExitWriteFailure;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  Request request;
  std::optional<int> status = Parse(arguments, request, out, err);
  if (!status && request.output) {
    std::ostringstream bytes;
    status = Run(request, bytes, err);
    if (status == kExitSuccess) status = WriteFile(*request.output, bytes.str(), err);
  }
  if (!status) status = Run(request, out, err);
  if (status == kExitUsage) err << kUsageHint << '\n';
  return *status;
}

}  // namespace kelotarhu::cli
