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
#include "cli/command/options.h"
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

// What the user typed for each option of the table.
class Request {
 public:
  bool Has(OptionId id) const { return At(id).present; }
  // The last value of an option given; "" for one given without a value.
  std::optional<std::string> Value(OptionId id) const {
    if (!Has(id)) return std::nullopt;
    return At(id).values.empty() ? std::string() : At(id).values.back();
  }
  const std::vector<std::string>& Values(OptionId id) const { return At(id).values; }

  // An option given that goes with none of those given beside it: at most one of those
  // that show something may count.
  bool Counts(const OptionSpec& option) const {
    return Has(option.id) && std::ranges::none_of(option.goes_with, [this](std::string_view name) {
             return Has(OptionNamed(name)->id);
           });
  }

  // Where the parser puts an option's values, and the option it counts.
  std::vector<std::string>& Storage(OptionId id) { return given_[Index(id)].values; }
  void Bind(OptionId id, const CLI::Option* option) { options_[Index(id)] = option; }
  void Parsed() {
    for (std::size_t i = 0; i < kOptionCount; ++i) {
      given_[i].present = options_[i] != nullptr && options_[i]->count() > 0;
    }
  }

 private:
  struct Given {
    bool present = false;
    std::vector<std::string> values;
  };
  static std::size_t Index(OptionId id) { return static_cast<std::size_t>(id); }
  const Given& At(OptionId id) const { return given_[Index(id)]; }

  std::array<Given, kOptionCount> given_;
  std::array<const CLI::Option*, kOptionCount> options_{};
};

// The value of an option that names values, as the enum its choices are in the order
// of; its default when not given.
template <typename Enum>
std::optional<Enum> Chosen(const Request& request, OptionId id) {
  const std::optional<std::string> value = request.Value(id);
  if (!value) return Enum{};
  const std::optional<std::size_t> index = ChoiceIndex(Option(id), *value);
  if (!index) return std::nullopt;
  return static_cast<Enum>(*index);
}

// "-n,--name", as the parser takes names; the date by its name in the language.
std::string ParserNames(const OptionSpec& option, const Texts& texts) {
  if (option.name.empty()) return std::string(texts.date_name);
  if (option.short_name.empty()) return std::string(option.name);
  return std::string(option.short_name).append(",").append(option.name);
}

// The option's value in --help: its choices, else the name of its value.
void NameValue(CLI::Option& parsed, const OptionSpec& option, const Texts& texts) {
  if (option.choices) {
    parsed.option_text(ChoiceNames(option, option.value == ValueKind::kList ? "," : "|"));
  } else if (option.value_name) {
    parsed.type_name(std::string(texts.*option.value_name));
  } else {
    parsed.type_name(std::string(option.fixed_value_name));
  }
}

// How many values the option takes each time it is given.
void ExpectValues(CLI::Option& parsed, const OptionSpec& option) {
  // A single-valued option given twice takes the last value, as Unix tools do.
  constexpr auto kLastWins = CLI::MultiOptionPolicy::TakeLast;
  switch (option.value) {
    case ValueKind::kNone:
    case ValueKind::kSeveral:
      return;
    case ValueKind::kRequired:
      // One value, not the arguments after it.
      parsed.allow_extra_args(false);
      if (!option.repeatable) parsed.expected(1)->multi_option_policy(kLastWins);
      return;
    case ValueKind::kOptional:
      parsed.allow_extra_args(false)->expected(0, 1)->multi_option_policy(kLastWins);
      return;
    case ValueKind::kList:
      parsed.delimiter(',');
      return;
  }
}

void DefineOptions(CLI::App& app, Request& request, const Texts& texts) {
  const auto text = [](std::string_view view) { return std::string(view); };
  app.option_defaults()->group(text(texts.options_label));
  for (const OptionSpec& option : Options()) {
    const std::string names = ParserNames(option, texts);
    const std::string help = text(texts.*option.help);
    if (option.id == OptionId::kHelp) {
      app.set_help_flag(names, help);
    } else if (option.id == OptionId::kVersion) {
      app.set_version_flag(names, "kelotarhu " KELOTARHU_VERSION, help);
    } else {
      CLI::Option* parsed = app.add_option(names, request.Storage(option.id), help);
      NameValue(*parsed, option, texts);
      ExpectValues(*parsed, option);
      request.Bind(option.id, parsed);
    }
  }
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

// What is wrong with the combination of options, if anything: at most one that shows
// something (with a date only one that takes it), none beside one it excludes, and each
// with what it needs.
std::optional<std::string> CombinationProblem(const Request& request, const Texts& texts) {
  std::optional<std::string_view> first;
  if (request.Has(OptionId::kDate)) first = texts.date_name;
  for (const OptionSpec& option : Options()) {
    if (!option.shows || !request.Counts(option)) continue;
    if (first && !(*first == texts.date_name && option.takes_date)) {
      return ConflictMessage(texts, *first, option.name);
    }
    first = option.name;
  }
  for (const OptionSpec& option : Options()) {
    for (const std::string_view other : option.not_with) {
      if (request.Counts(option) && request.Counts(*OptionNamed(other))) {
        return ConflictMessage(texts, other, option.name);
      }
    }
  }
  for (const OptionSpec& option : Options()) {
    if (!option.needs || !request.Counts(option)) continue;
    const auto& [needed, value] = *option.needs;
    const std::optional<std::string> given = request.Value(OptionNamed(needed)->id);
    if (!given || (!value.empty() && *given != value)) {
      return NeedsMessage(
          texts, option.name,
          value.empty() ? std::string(needed) : std::string(needed) + ' ' + std::string(value));
    }
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
  const std::optional<std::string> date = context.request.Value(OptionId::kDate);
  if (!date) return context.today;
  return Accepted(context, ReadDate(*date, context.today), context.texts.date_name, *date,
                  context.texts.what_date, context.texts.date_forms);
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
  const std::string text = *context.request.Value(OptionId::kMonth);
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
  const std::string text = *context.request.Value(OptionId::kYear);
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
  if (!context.request.Has(OptionId::kName)) {
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
  const std::string next_name = *context.request.Value(OptionId::kNext);
  const std::optional<KindOfDay> kind = Chosen<KindOfDay>(context.request, OptionId::kNext);
  if (!kind) {
    return BadUsage(context.err, NotAChoiceMessage(context.texts, "--next", next_name,
                                                   ChoiceNames(Option(OptionId::kNext), ", ")));
  }
  if (context.request.Has(OptionId::kName) && *kind != KindOfDay::kNames) {
    return BadUsage(context.err, ConflictMessage(context.texts, "--name", "--next " + next_name));
  }
  if (*kind == KindOfDay::kHoliday && context.values.calendar != CalendarKind::kAlmanac) {
    return BadUsage(context.err,
                    NeedsMessage(context.texts, "--next " + next_name, "--calendar almanac"));
  }
  const std::optional<calendar::Date> first = FirstDate(context);
  if (!first) return kExitUsage;
  const auto wanted = NextDayTest(context, *kind);
  if (!wanted) return kExitNotFound;
  NoteYearsBeforeAlmanac(context, first->year);
  const std::optional<NextDay> next = FindNext(*first, context.values.calendar, *wanted);
  if (!next) {
    ReportError(context.err,
                NoNextDayMessage(context.texts, next_name, DateText(*first, context.texts)));
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
  return RunReferenceHost({*context.request.Value(OptionId::kPlugin), context.values.answers},
                          context.texts, context.out, context.err);
}

int Show(const Context& context) {
  const Request& request = context.request;
  if (request.Has(OptionId::kPlugin)) return HostPlugin(context);
  if (request.Has(OptionId::kNext)) return ShowNext(context);
  if (request.Has(OptionId::kName)) return ShowNameDays(context);
  if (request.Has(OptionId::kDays)) return ShowDays(context);
  if (request.Has(OptionId::kYear)) return ShowYear(context);
  if (request.Has(OptionId::kMonth)) return ShowMonth(context);
  return ShowDay(context);
}

// A bad option value, found before anything is shown.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The chosen value of an option that names values; refused when it names none.
template <typename Enum>
Enum ChosenOrRefused(const Request& request, OptionId id, const Texts& texts) {
  const std::optional<Enum> chosen = Chosen<Enum>(request, id);
  if (chosen) return *chosen;
  const OptionSpec& option = Option(id);
  throw UsageError(
      NotAChoiceMessage(texts, option.name, *request.Value(id), ChoiceNames(option, ", ")));
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

// The events of --events as the calendar's content, in the order of their names; without
// any, the feasts alone.
IcsContent Events(const std::vector<std::string>& names, const Texts& texts) {
  constexpr std::array kMembers = {&IcsContent::feasts, &IcsContent::flag_days,
                                   &IcsContent::finnish_names, &IcsContent::swedish_names};
  const OptionSpec& option = Option(OptionId::kEvents);
  IcsContent events;
  if (!names.empty()) events.feasts = false;
  for (const std::string& name : names) {
    const std::optional<std::size_t> index = ChoiceIndex(option, name);
    if (!index || *index >= kMembers.size()) {
      throw UsageError(NotAChoiceMessage(texts, option.name, name, ChoiceNames(option, ", ")));
    }
    events.*kMembers[*index] = true;
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
  ChosenOrRefused<std::size_t>(request, OptionId::kLang, texts);  // a language the tool speaks
  Values values;
  values.color = ChosenOrRefused<ColorChoice>(request, OptionId::kColor, texts);
  values.format = ChosenOrRefused<OutputFormat>(request, OptionId::kFormat, texts);
  values.calendar = ChosenOrRefused<CalendarKind>(request, OptionId::kCalendar, texts);
  values.names = Names(request.Values(OptionId::kName), texts);
  if (const auto days = request.Value(OptionId::kDays)) values.day_count = DayCount(*days, texts);
  values.events = Events(request.Values(OptionId::kEvents), texts);
  values.answers = Answers(request.Values(OptionId::kAnswer), texts);
  if (const auto output = request.Value(OptionId::kOutput)) CheckOutput(*output, texts);
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
  DefineOptions(app, request, texts);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::Success& done) {  // --help or --version
    return app.exit(done, out, err);
  } catch (const CLI::ParseError& error) {
    return BadUsage(err, ParseErrorMessage(app, error, texts));
  }
  request.Parsed();
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
    const std::string_view lang = Option(OptionId::kLang).name;
    if (argument == lang && i + 1 < arguments.size()) code = arguments[++i];
    if (argument.starts_with(lang) && argument.substr(lang.size()).starts_with('=')) {
      code = argument.substr(lang.size() + 1);
    }
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
  const std::optional<std::string> output = request.Value(OptionId::kOutput);
  if (!status && output) {
    std::ostringstream bytes;
    status = Run(request, environment, texts, bytes, err);
    if (status == kExitSuccess) status = WriteFile(*output, bytes.str(), texts, err);
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
