#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <map>
#include <optional>

#include "calendar/today.h"
#include "cli/calendar_day.h"
#include "cli/date_argument.h"
#include "cli/day_report.h"
#include "cli/exit_codes.h"
#include "cli/language.h"
#include "cli/month_grid.h"
#include "cli/reference_host.h"
#include "cli/style.h"
#include "cli/year_export.h"

namespace kelotarhu::cli {
namespace {

// What the user asked for, as typed.
struct Request {
  std::optional<std::string> date;
  std::optional<std::string> month;
  std::optional<std::string> year;
  std::string format = "text";  // a key of kYearFormats
  std::string color = "auto";   // a key of kColorChoices
  std::optional<std::string> lang;
  std::optional<std::string> plugin;
  std::vector<std::string> answers;
};

const std::map<std::string, YearFormat> kYearFormats = {
    {"text", YearFormat::kText}, {"csv", YearFormat::kCsv}, {"json", YearFormat::kJson}};
const std::map<std::string, ColorChoice> kColorChoices = {
    {"auto", ColorChoice::kAuto}, {"always", ColorChoice::kAlways}, {"never", ColorChoice::kNever}};

std::vector<std::string> LanguageCodes() {
  std::vector<std::string> codes;
  for (const Texts* texts : Languages()) codes.emplace_back(texts->code);
  return codes;
}

void DefineOptions(CLI::App& app, Request& request, const Texts& texts) {
  app.option_defaults()->group(std::string(texts.options_label));
  app.set_help_flag("-h,--help", std::string(texts.help_help));
  app.set_version_flag("--version", "kelotarhu " KELOTARHU_VERSION,
                       std::string(texts.version_help));
  CLI::Option* date =
      app.add_option(std::string(texts.date_name), request.date, std::string(texts.date_help))
          ->type_name("");
  CLI::Option* month = app.add_option("--month", request.month, std::string(texts.month_help))
                           ->type_name(std::string(texts.month_type));
  CLI::Option* year = app.add_option("--year", request.year, std::string(texts.year_help))
                          ->type_name(std::string(texts.year_type));
  app.add_option("--format", request.format, std::string(texts.format_help))
      ->check(CLI::IsMember(kYearFormats))
      ->option_text("text|csv|json")
      ->needs(year);
  app.add_option("--color", request.color, std::string(texts.color_help))
      ->check(CLI::IsMember(kColorChoices))
      ->option_text("auto|always|never");
  // Read before the parser runs (ChosenTexts); declared here for --help and checking.
  std::vector<std::string> codes = LanguageCodes();
  std::string code_list;
  for (const std::string& code : codes) code_list += (code_list.empty() ? "" : "|") + code;
  app.add_option("--lang", request.lang, std::string(texts.lang_help))
      ->check(CLI::IsMember(std::move(codes)))
      ->option_text(code_list);
  CLI::Option* plugin = app.add_option("--plugin", request.plugin, std::string(texts.plugin_help))
                            ->type_name(std::string(texts.plugin_type));
  app.add_option("--answer", request.answers, std::string(texts.answer_help))
      ->type_name(std::string(texts.answer_type))
      ->allow_extra_args(false)
      ->needs(plugin);
  date->excludes(month)->excludes(year)->excludes(plugin);
  month->excludes(year)->excludes(plugin);
  year->excludes(plugin);
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

// The parser's message in the language: its errors name the options in fixed English
// sentences ("--month excludes --year"), taken apart here.
std::string ParseErrorText(const CLI::Error& error, const Texts& texts) {
  const std::string_view what = error.what();
  const auto split = [what](std::string_view separator) {
    const std::size_t at = what.find(separator);
    return at == std::string_view::npos
               ? std::optional<std::pair<std::string_view, std::string_view>>()
               : std::pair(what.substr(0, at), what.substr(at + separator.size()));
  };
  if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
    if (const auto parts = split(": ")) return Fill(texts.unexpected_argument, {parts->second});
  } else if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
    if (const auto parts = split(" excludes ")) {
      return Fill(texts.excludes, {parts->first, parts->second});
    }
  } else if (dynamic_cast<const CLI::RequiresError*>(&error)) {
    if (const auto parts = split(" requires ")) {
      return Fill(texts.requires_option, {parts->first, parts->second});
    }
  } else if (dynamic_cast<const CLI::ValidationError*>(&error)) {
    // "--format: xml not in {csv,json,text}"
    constexpr std::string_view kNotIn = " not in ";
    const auto option = split(": ");
    const std::size_t choices = what.find(kNotIn);
    if (option && choices != std::string_view::npos && choices > option->first.size()) {
      const std::string_view value = what.substr(0, choices).substr(option->first.size() + 2);
      return Fill(texts.not_a_choice, {option->first, value, what.substr(choices + kNotIn.size())});
    }
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    // "--month: 1 required YYYY-MM missing", "--month: At Most 1 required but received 2"
    if (const auto parts = split(": ")) {
      const bool too_many =
          parts->second.starts_with("At Most") || parts->second.starts_with("At most");
      return Fill(too_many ? texts.one_value_only : texts.value_missing, {parts->first});
    }
  }
  return Fill(texts.bad_command_line, {what});
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

const Texts& ChosenTexts(const std::vector<std::string>& arguments) {
  const std::optional<std::string_view> code = LanguageArgument(arguments);
  const Texts* texts = code ? TextsForCode(*code) : nullptr;
  return texts ? *texts : TextsOfEnvironment();
}

int BadArgument(std::ostream& err, const Texts& texts, std::string_view name,
                const std::string& value, std::string_view what, std::string_view forms) {
  err << "kelotarhu: " << Fill(texts.bad_argument, {name, value, what, forms}) << '\n';
  return kExitUsage;
}

calendar::Date Today() {
  calendar::Date today;
  calendar::RefreshCurrentDate(today);
  return today;
}

int ShowDay(const Request& request, const Texts& texts, std::ostream& out, std::ostream& err) {
  calendar::Date date;
  if (request.date) {
    const std::optional<calendar::Date> parsed = ParseDate(*request.date);
    if (!parsed) {
      return BadArgument(err, texts, texts.date_name, *request.date, texts.what_date,
                         texts.date_forms);
    }
    date = *parsed;
  } else {
    date = Today();
  }
  const CalendarYear year(date.year);
  WriteDayReport(out, year.Day(date.month, date.day), texts,
                 StyleForStandardOutput(kColorChoices.at(request.color)));
  return kExitSuccess;
}

int ShowMonth(const Request& request, const Texts& texts, std::ostream& out, std::ostream& err) {
  const std::optional<calendar::MonthOfYear> month = ParseMonth(*request.month);
  if (!month) {
    return BadArgument(err, texts, "--month", *request.month, texts.what_month, texts.month_forms);
  }
  WriteMonth(out, CalendarYear(month->year), month->month, Today(), texts,
             StyleForStandardOutput(kColorChoices.at(request.color)));
  return kExitSuccess;
}

int ShowYear(const Request& request, const Texts& texts, std::ostream& out, std::ostream& err) {
  const std::optional<std::uint16_t> year = ParseYear(*request.year);
  if (!year) {
    return BadArgument(err, texts, "--year", *request.year, texts.what_year, texts.year_forms);
  }
  WriteYear(out, CalendarYear(*year), kYearFormats.at(request.format), texts);
  return kExitSuccess;
}

int HostPlugin(const Request& request, const Texts& texts, std::ostream& out, std::ostream& err) {
  HostRequest host{*request.plugin, {}};
  for (const std::string& text : request.answers) {
    std::optional<AnswerArgument> answer = ParseAnswerArgument(text);
    if (!answer) {
      return BadArgument(err, texts, "--answer", text, texts.what_answer, texts.answer_forms);
    }
    host.answers.push_back(std::move(*answer));
  }
  return RunReferenceHost(host, out, err);
}

int Run(const Request& request, const Texts& texts, std::ostream& out, std::ostream& err) {
  if (request.plugin) return HostPlugin(request, texts, out, err);
  if (request.year) return ShowYear(request, texts, out, err);
  if (request.month) return ShowMonth(request, texts, out, err);
  return ShowDay(request, texts, out, err);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  const Texts& texts = ChosenTexts(arguments);
  CLI::App app("", "kelotarhu");
  TranslateHelp(app, texts);
  app.failure_message([&texts](const CLI::App* failed, const CLI::Error& error) {
    return "kelotarhu: " + ParseErrorText(error, texts) + '\n' + failed->help();
  });
  Request request;
  DefineOptions(app, request, texts);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    return app.exit(error, out, err) == 0 ? kExitSuccess : kExitUsage;
  }
  return Run(request, texts, out, err);
}

}  // namespace kelotarhu::cli
