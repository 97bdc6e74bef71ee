#include "cli/command/option_values.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "cli/host/reference_host.h"
#include "cli/text/language.h"
#include "cli/text/messages.h"

namespace kelotarhu::cli {
namespace {

// The most days --days lists.
constexpr int kMostDays = 10000;

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

}  // namespace

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

}  // namespace kelotarhu::cli
