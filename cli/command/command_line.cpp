#include "cli/command/command_line.h"

#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "calendar/today.h"
#include "cli/command/date_argument.h"
#include "cli/command/day_output.h"
#include "cli/command/help_layout.h"
#include "cli/days/calendar_day.h"
#include "cli/days/day_span.h"
#include "cli/days/name_search.h"
#include "cli/export/ics_export.h"
#include "cli/host/reference_host.h"
#include "cli/io/exit_codes.h"
#include "cli/io/file_replacement.h"
#include "cli/show/day_report.h"
#include "cli/show/month_grid.h"
#include "cli/show/style.h"
#include "cli/text/language.h"
#include "cli/text/messages.h"
#include "kelotarhu_version.h"

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

constexpr std::array<Choice<OutputFormat>, 5> kFormats = {
    {{"text", OutputFormat::kText},
     {"csv", OutputFormat::kCsv},
     {"spreadsheet", OutputFormat::kSpreadsheet},
     {"json", OutputFormat::kJson},
     {"ics", OutputFormat::kIcs}}};
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

void TranslateHelp(CLI::App& app, const Texts& texts, std::size_t screen_width) {
  app.description(std::string(texts.description));
  app.footer(std::string(texts.footer));
  const auto formatter = std::make_shared<HelpLayout>(HelpWidth(screen_width));
  app.formatter(formatter);
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

// The values of the options that are read before anything is shown.
struct Values {
  OutputFormat format = OutputFormat::kText;
  ColorChoice color = ColorChoice::kAuto;
  CalendarKind calendar = CalendarKind::kAlmanac;
  std::vector<std::string> names;       // of --name, without surrounding blanks
  int day_count = 0;                    // of --days
  IcsContent events;                    // of --events
  std::vector<AnswerArgument> answers;  // of --answer
};

// What the command needs besides the request: today, the option values, the colours,
// where output goes.
struct Context {
  const Request& request;
  const Texts& texts;
  calendar::Date today;
  const Values& values;
  const Environment& environment;
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
  const std::optional<std::string>& epoch = context.environment.source_date_epoch;
  if (!epoch) return static_cast<std::int64_t>(std::time(nullptr));
  const std::string_view text(*epoch);
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

// Writes days in the chosen format, a listing in text.
int WriteList(const Context& context, const std::vector<CalendarDay>& days,
              std::optional<int> days_away = std::nullopt) {
  DayOutputOptions options{context.values.calendar, context.values.events, days_away,
                           ScreenWidth(context.environment)};
  if (context.values.format == OutputFormat::kIcs) {
    const std::optional<std::int64_t> stamp = CalendarStamp(context);
    if (!stamp) return kExitUsage;
    options.ics.stamp = *stamp;
  }
  WriteDays(context.out, days, context.values.format, options, context.texts);
  return kExitSuccess;
}

// The almanac tells nothing of the years before it: said once, on standard error, when
// what is shown begins before it.
void NoteYearsBeforeAlmanac(const Context& context, int first_year) {
  if (context.values.calendar != CalendarKind::kAlmanac ||
      first_year >= almanac::kFirstAlmanacYear) {
    return;
  }
  ReportError(context.err,
              Fill(context.texts.before_almanac, {std::to_string(almanac::kFirstAlmanacYear)}));
}

int ShowDay(const Context& context) {
  const std::optional<calendar::Date> date = FirstDate(context);
  if (!date) return kExitUsage;
  NoteYearsBeforeAlmanac(context, date->year);
  const CalendarDay day =
      CalendarYear(date->year, context.values.calendar).Day(date->month, date->day);
  if (context.values.format != OutputFormat::kText) return WriteList(context, {day});
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
  if (context.values.format != OutputFormat::kText) {
    return WriteList(context, DaysOfMonth(*month, context.values.calendar));
  }
  WriteMonth(context.out, *month, context.values.calendar, context.today, context.texts,
             context.style);
  return kExitSuccess;
}

int ShowYear(const Context& context) {
  const std::string& text = *context.request.year;
  const std::optional<std::uint16_t> year =
      text.empty() ? context.today.year
                   : Accepted(context, ReadYear(text, context.today), "--year", text,
                              context.texts.what_year, context.texts.year_forms);
  if (!year) return kExitUsage;
  NoteYearsBeforeAlmanac(context, *year);
  return WriteList(context, DaysOfYear(*year, context.values.calendar));
}

int ShowDays(const Context& context) {
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  NoteYearsBeforeAlmanac(context, first->year);
  return WriteList(context, DaysFrom(*first, context.values.day_count, context.values.calendar));
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
  for (const std::string& name : context.values.names) {
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
  for (const std::string& name : context.values.names) {
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
  if (*kind == KindOfDay::kHoliday && context.values.calendar != CalendarKind::kAlmanac) {
    return BadUsage(context.err, NeedsMessage(context.texts, "--next " + *context.request.next,
                                              "--calendar almanac"));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  const auto wanted = NextDayTest(context, *kind);
  if (!wanted) return kExitNotFound;
  NoteYearsBeforeAlmanac(context, first->year);
  const std::optional<NextDay> next = FindNext(*first, context.values.calendar, *wanted);
  if (!next) {
    ReportError(context.err, NoNextDayMessage(context.texts, *context.request.next,
                                              DateText(*first, context.texts)));
    return kExitNotFound;
  }
  if (context.values.format != OutputFormat::kText) {
    return WriteList(context, {next->day}, next->days_away);
  }
  context.out << NextDayTitle(*kind, next->days_away, context.texts) << '\n';
  WriteDayReport(context.out, next->day, context.texts, context.style);
  return kExitSuccess;
}

int HostPlugin(const Context& context) {
  return RunReferenceHost({*context.request.plugin, context.values.answers}, context.texts,
                          context.out, context.err);
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

// A bad option value, found before anything is shown.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

template <typename Value, std::size_t kCount>
Value ChosenOrRefused(const std::array<Choice<Value>, kCount>& choices,
                      const std::optional<std::string>& name, std::string_view option,
                      const Texts& texts) {
  const std::optional<Value> chosen = Chosen(choices, name);
  if (!chosen)
    throw UsageError(NotAChoiceMessage(texts, option, *name, ChoiceNames(choices, ", ")));
  return *chosen;
}

// The names of --name without the blanks around them, which no name has; an empty one
// is no name to look for.
std::vector<std::string> Names(const std::vector<std::string>& given, const Texts& texts) {
  constexpr std::string_view kBlanks = " \t\n\r\v\f";
  std::vector<std::string> names;
  for (const std::string& name : given) {
    const std::size_t first = name.find_first_not_of(kBlanks);
    if (first == std::string::npos) throw UsageError(MissingValueMessage(texts, "--name"));
    names.push_back(name.substr(first, name.find_last_not_of(kBlanks) - first + 1));
  }
  return names;
}

// --days N: a whole number from 1 to kMostDays.
int DayCount(const std::string& text, const Texts& texts) {
  int count = 0;
  const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc{} || last != text.data() + text.size() || count < 1 || count > kMostDays) {
    throw UsageError(BadValueMessage(texts, "--days", text, texts.what_days, texts.days_forms));
  }
  return count;
}

// The events of --events as the calendar's content; without any, the feasts alone.
IcsContent Events(const std::vector<std::string>& names, const Texts& texts) {
  IcsContent events;
  if (!names.empty()) events.feasts = false;
  for (const std::string& name : names) {
    const auto member = ChosenOrRefused(kEvents, std::optional(name), "--events", texts);
    events.*member = true;
  }
  return events;
}

std::vector<AnswerArgument> Answers(const std::vector<std::string>& texts_given,
                                    const Texts& texts) {
  std::vector<AnswerArgument> answers;
  for (const std::string& text : texts_given) {
    std::optional<AnswerArgument> answer = ParseAnswerArgument(text);
    if (!answer) {
      throw UsageError(
          BadValueMessage(texts, "--answer", text, texts.what_answer, texts.answer_forms));
    }
    answers.push_back(std::move(*answer));
  }
  if (std::optional<std::string> problem = AnswersProblem(answers, texts)) {
    throw UsageError(*problem);
  }
  return answers;
}

// An --output that can name no file: empty, or an existing folder.
void CheckOutput(const std::string& path, const Texts& texts) {
  if (path.empty()) throw UsageError(MissingValueMessage(texts, "--output"));
  std::error_code error;
  if (std::filesystem::is_directory(
          std::filesystem::path(reinterpret_cast<const char8_t*>(path.c_str())), error)) {
    throw UsageError(Fill(texts.output_is_folder, {QuotedPath(path)}));
  }
}

// Every option value read, so that a bad one is refused before anything is shown.
Values ReadValues(const Request& request, const Texts& texts) {
  if (request.lang && !TextsForCode(*request.lang)) {
    throw UsageError(NotAChoiceMessage(texts, "--lang", *request.lang, LanguageCodes(", ")));
  }
  Values values;
  values.color = ChosenOrRefused(kColorChoices, request.color, "--color", texts);
  values.format = ChosenOrRefused(kFormats, request.format, "--format", texts);
  values.calendar = ChosenOrRefused(kCalendars, request.calendar, "--calendar", texts);
  values.names = Names(request.names, texts);
  if (request.days) values.day_count = DayCount(*request.days, texts);
  values.events = Events(request.events, texts);
  values.answers = Answers(request.answers, texts);
  if (request.output) CheckOutput(*request.output, texts);
  return values;
}

int Run(const Request& request, const Environment& environment, const Texts& texts,
        std::ostream& out, std::ostream& err) {
  if (const std::optional<std::string> problem = CombinationProblem(request, texts)) {
    return BadUsage(err, *problem);
  }
  try {
    const Values values = ReadValues(request, texts);
    calendar::Date today;
    calendar::RefreshCurrentDate(today);
    return Show({request, texts, today, values, environment,
                 StyleForStandardOutput(values.color, environment), out, err});
  } catch (const UsageError& error) {
    return BadUsage(err, error.what());
  }
}

// Parses the arguments into `request`: nothing when the command is to run, else the exit
// status after --help, --version or a parse error.
std::optional<int> Parse(const std::vector<std::string>& arguments, const Environment& environment,
                         const Texts& texts, Request& request, std::ostream& out,
                         std::ostream& err) {
  CLI::App app("", "kelotarhu");
  TranslateHelp(app, texts, ScreenWidth(environment));
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
  const std::optional<FileFailure> failure = ReplaceFileContents(path, bytes);
  if (!failure) return kExitSuccess;
  const std::string reason =
      failure->error_number ? SystemErrorText(texts, failure->error_number) : failure->system_words;
  ReportError(err, FileWriteFailureMessage(texts, path, reason));
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

const Texts& ChosenTexts(const std::vector<std::string>& arguments,
                         const Environment& environment) {
  const std::optional<std::string_view> code = LanguageArgument(arguments);
  const Texts* texts = code ? TextsForCode(*code) : nullptr;
  return texts ? *texts : TextsOfEnvironment(environment);
}

int RunCommandLine(const std::vector<std::string>& arguments, const Environment& environment,
                   const Texts& texts, std::ostream& out, std::ostream& err) {
  Request request;
  std::optional<int> status = Parse(arguments, environment, texts, request, out, err);
  if (!status && request.output) {
    std::ostringstream bytes;
    status = Run(request, environment, texts, bytes, err);
    if (status == kExitSuccess) status = WriteFile(*request.output, bytes.str(), texts, err);
  }
  if (!status) status = Run(request, environment, texts, out, err);
  if (status == kExitUsage) err << texts.usage_hint << '\n';
  return *status;
}

int StatusAfterOutput(int status, std::optional<int> write_error, const Texts& texts,
                      std::ostream& err) {
  if (!write_error) return status;
  ReportError(err, WriteFailureMessage(texts, SystemErrorText(texts, *write_error)));
  return kExitWriteFailure;
}

}  // namespace kelotarhu::cli
