#include "cli/command/command_request.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/command/help_layout.h"
#include "cli/io/exit_codes.h"
#include "cli/text/messages.h"
#include "kelotarhu_version.h"

namespace kelotarhu::cli {
namespace {

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

}  // namespace

int BadUsage(std::ostream& err, std::string_view message) {
  ReportError(err, message);
  return kExitUsage;
}

void Request::Parsed() {
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    given_[i].present = options_[i] != nullptr && options_[i]->count() > 0;
  }
}

std::optional<int> ParseCommandLine(const std::vector<std::string>& arguments,
                                    const Environment& environment, const Texts& texts,
                                    Request& request, std::ostream& out, std::ostream& err) {
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

}  // namespace kelotarhu::cli
