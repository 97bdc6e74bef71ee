#include "cli/command/command_line.h"

#include <charconv>
#include <ctime>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

#include "calendar/today.h"
#include "cli/command/date_argument.h"
#include "cli/command/day_output.h"
#include "cli/command/option_values.h"
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

namespace kelotarhu::cli {
namespace {

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
  std::optional<int> status = ParseCommandLine(arguments, environment, texts, request, out, err);
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
