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
#include "cli/language.h"
#include "cli/messages.h"
#include "cli/month_grid.h"
#include "cli/name_search.h"
#include "cli/reference_host.h"
#include "cli/style.h"
#include "cli/year_export.h"

namespace kelotarhu::cli {
namespace {

// The most days --days lists.
constexpr int kMostDays = 10000;

// What the user asked for, as typed.
struct Request {
  std::optional<std::string> date;
  std::vector<std::string> names;
  std::optional<std::string> month;  // empty: this month
  std::optional<std::string> year;   // empty: this year
  std::optional<std::string> days;
  std::optional<std::string> next;      // a name in kDayKinds
  std::optional<std::string> calendar;  // a name in kCalendars
  std::optional<std::string> format;    // a name in kFormats
  std::vector<std::string> events;      // names in kEvents
  std::optional<std::string> output;
  std::optional<std::string> color;  // a name in kColorChoices
  std::optional<std::string> lang;   // a code of Languages()
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
constexpr std::array<Choice<KindOfDay>, 5> kDayKinds = {{{"red", KindOfDay::kRed},
                                                         {"holiday", KindOfDay::kHoliday},
                                                         {"flag", KindOfDay::kFlag},
                                                         {"feast", KindOfDay::kFeast},
                                                         {"names", KindOfDay::kNames}}};
constexpr std::array<Choice<CalendarKind>, 2> kCalendars = {
    {{"almanac", CalendarKind::kAlmanac}, {"plugin", CalendarKind::kPlugin}}};
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

// The codes of the languages, `separator` between them: "fi|sv|en".
std::string LanguageCodes(std::string_view separator) {
  std::string codes;
  for (const Texts* texts : Languages()) {
    codes.append(codes.empty() ? "" : separator).append(texts->code);
  }
  return codes;
}

OptionalValues DefineOptions(CLI::App& app, Request& request, const Texts& texts) {
  // A single-valued option given twice takes the last value, as Unix tools do.
  constexpr auto kLastWins = CLI::MultiOptionPolicy::TakeLast;
  const auto text = [](std::string_view view) { return std::string(view); };
  app.option_defaults()->group(text(texts.options_label));
  app.set_help_flag("-h,--help", text(texts.help_help));
  app.set_version_flag("--version", "kelotarhu " KELOTARHU_VERSION, text(texts.version_help));
  app.add_option(text(texts.date_name), request.date, text(texts.date_help))
      ->type_name("")
      ->multi_option_policy(kLastWins);
  app.add_option("-n,--name", request.names, text(texts.name_help))
      ->type_name(text(texts.name_type));
  CLI::Option* month = app.add_option("--month", request.month, text(texts.month_help))
                           ->type_name(text(texts.month_type))
                           ->expected(0, 1)
                           ->multi_option_policy(kLastWins);
  CLI::Option* year = app.add_option("--year", request.year, text(texts.year_help))
                          ->type_name(text(texts.year_type))
                          ->expected(0, 1)
                          ->multi_option_policy(kLastWins);
  app.add_option("--days", request.days, text(texts.days_help))
      ->type_name("N")
      ->multi_option_policy(kLastWins);
  app.add_option("--next", request.next, text(texts.next_help))
      ->option_text(ChoiceNames(kDayKinds, "|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--calendar", request.calendar, text(texts.calendar_help))
      ->option_text(ChoiceNames(kCalendars, "|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--format", request.format, text(texts.format_help))
      ->option_text(ChoiceNames(kFormats, "|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--events", request.events, text(texts.events_help))
      ->delimiter(',')
      ->option_text(ChoiceNames(kEvents, ","));
  app.add_option("-o,--output", request.output, text(texts.output_help))
      ->type_name(text(texts.output_type))
      ->multi_option_policy(kLastWins);
  app.add_option("--color", request.color, text(texts.color_help))
      ->option_text(ChoiceNames(kColorChoices, "|"))
      ->multi_option_policy(kLastWins);
  // Read before the parser runs (ChosenTexts); declared here for --help and checking.
  app.add_option("--lang", request.lang, text(texts.lang_help))
      ->option_text(LanguageCodes("|"))
      ->multi_option_policy(kLastWins);
  app.add_option("--plugin", request.plugin, text(texts.plugin_help))
      ->type_name(text(texts.plugin_type))
      ->multi_option_policy(kLastWins);
  app.add_option("--answer", request.answers, text(texts.answer_help))
      ->type_name(text(texts.answer_type))
      ->allow_extra_args(false);
  return {month, year};
}

void TranslateHelp(CLI::App& app, const Texts& texts) {
  app.description(std::string(texts.description));
  app.footer(std::string(texts.footer));
  const std::shared_ptr<CLI::FormatterBase> formatter = app.get_formatter();
  formatter->label("Usage", std::string(texts.usage_label));
  formatter->label("OPTIONS", std::string(texts.options_placeholder));
  formatter->label("Positionals", std::string(texts.positionals_label));
  formatter->label("Excludes", std::string(texts.excludes_label));
  formatter->label("Needs", std::string(texts.needs_label));
}

// What is wrong with the combination of options, if anything: at most one of --name
// (but with --next names), --month, --year, --days, --next and --plugin, and a date only
// with --days or --next; --format not for --name or --plugin, --calendar not for
// --plugin; --events only for --format ics, --answer only for --plugin.
std::optional<std::string> CombinationProblem(const Request& request, const Texts& texts) {
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
  if (request.date) first = texts.date_name;
  for (const Mode& mode : kWhatToShow) {
    if (!mode.given) continue;
    if (first && !(*first == texts.date_name && mode.takes_date)) {
      return ConflictMessage(texts, *first, mode.name);
    }
    first = mode.name;
  }
  if (request.format && (name_search || request.plugin)) {
    return ConflictMessage(texts, name_search ? "--name" : "--plugin", "--format");
  }
  if (request.calendar && request.plugin) {
    return ConflictMessage(texts, "--plugin", "--calendar");
  }
  if (!request.events.empty() && request.format != "ics") {
    return NeedsMessage(texts, "--events", "--format ics");
  }
  if (!request.answers.empty() && !request.plugin) {
    return NeedsMessage(texts, "--answer", "--plugin");
  }
  return std::nullopt;
}

// CLI11's parse errors in the tool's own words.
std::string ParseErrorMessage(const CLI::App& app, const CLI::ParseError& error,
                              const Texts& texts) {
  if (dynamic_cast<const CLI::ExtrasError*>(&error) && !app.remaining().empty()) {
    const std::string first = app.remaining().front();
    return first.size() > 1 && first.front() == '-' ? UnknownOptionMessage(texts, first)
                                                    : UnexpectedArgumentMessage(texts, first);
  }
  // CLI11 names the option first: "--days: 1 required N missing".
  const std::string_view what = error.what();
  for (const CLI::Option* option : app.get_options()) {
    const std::string name = option->get_name();
    if (what.starts_with(name + ':') || what.starts_with(name + ' ')) {
      return option->get_expected_min() > 0 ? MissingValueMessage(texts, name)
                                            : UnwantedValueMessage(texts, name);
    }
  }
  return CommandLineMessage(texts, what);
}

int BadUsage(std::ostream& err, std::string_view message) {
  ReportError(err, message);
  return kExitUsage;
}

// What the command needs besides the request: today, the chosen calendar, format and
// colours, where output goes.
struct Context {
  const Request& request;
  const Texts& texts;
  calendar::Date today;
  CalendarKind calendar;
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
  ReportError(context.err, DateProblemMessage(context.texts, name, text, what, forms,
                                              std::get<DateProblem>(reading)));
  return std::nullopt;
}

// DATE, or today without one.
std::optional<calendar::Date> FirstDate(const Context& context) {
  if (!context.request.date) return context.today;
  return Accepted(context, ReadDate(*context.request.date, context.today), context.texts.date_name,
                  *context.request.date, context.texts.what_date, context.texts.date_forms);
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
                BadValueMessage(context.texts, "SOURCE_DATE_EPOCH", text, context.texts.what_time,
                                context.texts.source_date_epoch_forms));
    return std::nullopt;
  }
  return seconds;
}

// Writes days in the chosen format other than text.
int Export(const Context& context, const std::vector<CalendarDay>& days,
           std::optional<int> days_away = std::nullopt) {
  ExportOptions options{context.calendar, {}, days_away};
  if (context.format == ExportFormat::kIcs) {
    const std::optional<std::int64_t> stamp = CalendarStamp(context);
    if (!stamp) return kExitUsage;
    options.ics.stamp = *stamp;
    if (!context.request.events.empty()) options.ics.feasts = false;
    for (const std::string& event : context.request.events) {
      const std::optional<bool IcsContent::*> content = Chosen(kEvents, event);
      if (!content) {
        return BadUsage(context.err, NotAChoiceMessage(context.texts, "--events", event,
                                                       ChoiceNames(kEvents, ", ")));
      }
      const auto member = *content;
      options.ics.*member = true;
    }
  }
  WriteDays(context.out, days, context.format, options, context.texts);
  return kExitSuccess;
}

// The almanac tells nothing of the years before it: said once, on standard error, when
// what is shown begins before it.
void NoteYearsBeforeAlmanac(const Context& context, int first_year) {
  if (context.calendar != CalendarKind::kAlmanac || first_year >= almanac::kFirstAlmanacYear) {
    return;
  }
  ReportError(context.err,
              Fill(context.texts.before_almanac, {std::to_string(almanac::kFirstAlmanacYear)}));
}

int ShowDay(const Context& context) {
  const std::optional<calendar::Date> date = FirstDate(context);
  if (!date) return kExitUsage;
  NoteYearsBeforeAlmanac(context, date->year);
  const CalendarDay day = CalendarYear(date->year, context.calendar).Day(date->month, date->day);
  if (context.format != ExportFormat::kText) return Export(context, {day});
  WriteDayReport(context.out, day, context.texts, context.style);
  return kExitSuccess;
}

int ShowMonth(const Context& context) {
  const std::string& text = *context.request.month;
  const std::optional<calendar::MonthOfYear> month =
      text.empty() ? calendar::MonthOfYear{static_cast<std::uint8_t>(context.today.month),
                                           context.today.year}
                   : Accepted(context, ReadMonth(text, context.today), "--month", text,
                              context.texts.what_month, context.texts.month_forms);
  if (!month) return kExitUsage;
  NoteYearsBeforeAlmanac(context, month->year);
  const CalendarYear year(month->year, context.calendar);
  if (context.format != ExportFormat::kText) {
    return Export(context, DaysOfMonth(year, month->month));
  }
  WriteMonth(context.out, year, month->month, context.today, context.texts, context.style);
  return kExitSuccess;
}

int ShowYear(const Context& context) {
  const std::string& text = *context.request.year;
  const std::optional<std::uint16_t> year =
      text.empty() ? context.today.year
                   : Accepted(context, ReadYear(text), "--year", text, context.texts.what_year,
                              context.texts.year_forms);
  if (!year) return kExitUsage;
  NoteYearsBeforeAlmanac(context, *year);
  return Export(context, DaysOfYear(CalendarYear(*year, context.calendar)));
}

int ShowDays(const Context& context) {
  int count = 0;
  const std::string& text = *context.request.days;
  const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc{} || last != text.data() + text.size() || count < 1 || count > kMostDays) {
    return BadUsage(context.err,
                    BadValueMessage(context.texts, "--days", text, context.texts.what_days,
                                    context.texts.days_forms));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  NoteYearsBeforeAlmanac(context, first->year);
  return Export(context, DaysFrom(*first, count, context.calendar));
}

// False for a name that neither list holds, reported with the close names.
bool Found(const Context& context, const std::string& name, const NameSearch& search) {
  if (!search.days.empty()) return true;
  ReportError(context.err, UnknownNameMessage(context.texts, name));
  if (!search.close.empty()) context.err << CloseNamesHint(context.texts, search.close) << '\n';
  return false;
}

int ShowNameDays(const Context& context) {
  bool all_found = true;
  for (const std::string& name : context.request.names) {
    const NameSearch search = FindNameDays(name);
    for (const NameDay& day : search.days) context.out << NameDayLine(day, context.texts) << '\n';
    all_found = Found(context, name, search) && all_found;
  }
  return all_found ? kExitSuccess : kExitNotFound;
}

// With --name: a day of those names, or nothing when a name is in neither list; else a
// day of the kind.
std::optional<std::function<bool(const CalendarDay&)>> NextDayTest(const Context& context,
                                                                   KindOfDay kind) {
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
  const std::optional<KindOfDay> kind = Chosen(kDayKinds, context.request.next);
  if (!kind) {
    return BadUsage(context.err, NotAChoiceMessage(context.texts, "--next", *context.request.next,
                                                   ChoiceNames(kDayKinds, ", ")));
  }
  if (!context.request.names.empty() && *kind != KindOfDay::kNames) {
    return BadUsage(context.err,
                    ConflictMessage(context.texts, "--name", "--next " + *context.request.next));
  }
  if (*kind == KindOfDay::kHoliday && context.calendar != CalendarKind::kAlmanac) {
    return BadUsage(context.err, NeedsMessage(context.texts, "--next " + *context.request.next,
                                              "--calendar almanac"));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  const auto wanted = NextDayTest(context, *kind);
  if (!wanted) return kExitNotFound;
  NoteYearsBeforeAlmanac(context, first->year);
  const std::optional<NextDay> next = FindNext(*first, context.calendar, *wanted);
  if (!next) {
    ReportError(context.err, NoNextDayMessage(context.texts, *context.request.next,
                                              DateText(*first, context.texts)));
    return kExitNotFound;
  }
  if (context.format != ExportFormat::kText) {
    return Export(context, {next->day}, next->days_away);
  }
  context.out << NextDayTitle(*kind, next->days_away, context.texts) << '\n';
  WriteDayReport(context.out, next->day, context.texts, context.style);
  return kExitSuccess;
}

int HostPlugin(const Context& context) {
  HostRequest host{*context.request.plugin, {}};
  for (const std::string& text : context.request.answers) {
    std::optional<AnswerArgument> answer = ParseAnswerArgument(text);
    if (!answer) {
      return BadUsage(context.err,
                      BadValueMessage(context.texts, "--answer", text, context.texts.what_answer,
                                      context.texts.answer_forms));
    }
    host.answers.push_back(std::move(*answer));
  }
  return RunReferenceHost(host, context.texts, context.out, context.err);
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

int Run(const Request& request, const Texts& texts, std::ostream& out, std::ostream& err) {
  if (const std::optional<std::string> problem = CombinationProblem(request, texts)) {
    return BadUsage(err, *problem);
  }
  if (request.lang && !TextsForCode(*request.lang)) {
    return BadUsage(err, NotAChoiceMessage(texts, "--lang", *request.lang, LanguageCodes(", ")));
  }
  const std::optional<ColorChoice> color = Chosen(kColorChoices, request.color);
  if (!color) {
    return BadUsage(
        err, NotAChoiceMessage(texts, "--color", *request.color, ChoiceNames(kColorChoices, ", ")));
  }
  const std::optional<ExportFormat> format = Chosen(kFormats, request.format);
  if (!format) {
    return BadUsage(
        err, NotAChoiceMessage(texts, "--format", *request.format, ChoiceNames(kFormats, ", ")));
  }
  const std::optional<CalendarKind> calendar_kind = Chosen(kCalendars, request.calendar);
  if (!calendar_kind) {
    return BadUsage(err, NotAChoiceMessage(texts, "--calendar", *request.calendar,
                                           ChoiceNames(kCalendars, ", ")));
  }
  calendar::Date today;
  calendar::RefreshCurrentDate(today);
  return Show(
      {request, texts, today, *calendar_kind, *format, StyleForStandardOutput(*color), out, err});
}

// Parses the arguments into `request`: nothing when the command is to run, else the exit
// status after --help, --version or a parse error.
std::optional<int> Parse(const std::vector<std::string>& arguments, const Texts& texts,
                         Request& request, std::ostream& out, std::ostream& err) {
  CLI::App app("", "kelotarhu");
  TranslateHelp(app, texts);
  const OptionalValues optional_values = DefineOptions(app, request, texts);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::Success& done) {  // --help or --version
    return app.exit(done, out, err);
  } catch (const CLI::ParseError& error) {
    return BadUsage(err, ParseErrorMessage(app, error, texts));
  }
  // Given without a value: this month, this year.
  if (optional_values.month->count() > 0 && !request.month) request.month.emplace();
  if (optional_values.year->count() > 0 && !request.year) request.year.emplace();
  return std::nullopt;
}

// The output goes to --output FILE in one piece, and only when all of it was made.
int WriteFile(const std::string& path, const std::string& bytes, const Texts& texts,
              std::ostream& err) {
  std::ofstream file(std::filesystem::path(reinterpret_cast<const char8_t*>(path.c_str())),
                     std::ios::binary | std::ios::trunc);
  if (file) file << bytes;
  if (file) file.close();
  if (file) return kExitSuccess;
  const int error = errno;
  ReportError(err,
              FileWriteFailureMessage(
                  texts, path, error ? std::generic_category().message(error) : "unknown error"));
  return kExitWriteFailure;
}

// The --lang value on the command line, read before the parser is set up, since the
// parser's own help and messages are in the language.
std::optional<std::string_view> LanguageArgument(const std::vector<std::string>& arguments) {
  std::optional<std::string_view> code;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--") break;
    if (argument == "--lang" && i + 1 < arguments.size()) code = arguments[++i];
    if (argument.starts_with("--lang=")) code = argument.substr(7);
  }
  return code;
}

}  // namespace

const Texts& ChosenTexts(const std::vector<std::string>& arguments) {
  const std::optional<std::string_view> code = LanguageArgument(arguments);
  const Texts* texts = code ? TextsForCode(*code) : nullptr;
  return texts ? *texts : TextsOfEnvironment();
}

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  const Texts& texts = ChosenTexts(arguments);
  Request request;
  std::optional<int> status = Parse(arguments, texts, request, out, err);
  if (!status && request.output) {
    std::ostringstream bytes;
    status = Run(request, texts, bytes, err);
    if (status == kExitSuccess) status = WriteFile(*request.output, bytes.str(), texts, err);
  }
  if (!status) status = Run(request, texts, out, err);
  if (status == kExitUsage) err << texts.usage_hint << '\n';
  return *status;
}

}  // namespace kelotarhu::cli
