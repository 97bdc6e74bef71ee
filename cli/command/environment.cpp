#include "cli/command/environment.h"

#include <charconv>
#include <cstdlib>

#include "cli/io/console.h"
#include "cli/text/language.h"

namespace kelotarhu::cli {
namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string LocaleOfEnvironment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::string locale = Variable(name).value_or("");
    if (!locale.empty()) return locale;
  }
  return UserInterfaceLanguage();
}

std::optional<std::size_t> ColumnsVariable() {
  const std::optional<std::string> text = Variable("COLUMNS");
  if (!text) return std::nullopt;
  std::size_t columns = 0;
  const auto [last, error] = std::from_chars(text->data(), text->data() + text->size(), columns);
  if (text->empty() || error != std::errc{} || last != text->data() + text->size() ||
      columns == 0) {
    return std::nullopt;
  }
  return columns;
}

// "fi_FI.UTF-8@euro" -> "fi".
std::string_view LanguageCodeOfLocale(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

// "C", "POSIX" and their variants ("C.UTF-8"), in which gettext leaves LANGUAGE unread;
// no locale at all is C.
bool IsPlainLocale(std::string_view locale) {
  if (locale.empty()) return true;
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  return name == "C" || name == "POSIX";
}

// The first entry of a LANGUAGE list ("sv_FI:fi:en") whose language the tool speaks.
const Texts* FirstSpokenLanguage(std::string_view list) {
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    const std::string_view entry = list.substr(0, colon);
    if (!entry.empty()) {
      if (const Texts* texts = TextsForCode(LanguageCodeOfLocale(entry))) return texts;
    }
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return nullptr;
}

bool WantsColor(ColorChoice choice, OutputKind output, const Environment& environment) {
  switch (choice) {
    case ColorChoice::kAlways:
      return output != OutputKind::kConsoleWithoutEscapes;
    case ColorChoice::kNever:
      return false;
    case ColorChoice::kAuto:
      break;
  }
  return output == OutputKind::kTerminal && !environment.colour_unwanted;
}

}  // namespace

Environment ReadEnvironment() {
  const std::string no_color = Variable("NO_COLOR").value_or("");
  return {LocaleOfEnvironment(), Variable("LANGUAGE").value_or(""),
          !no_color.empty() || Variable("TERM") == "dumb", ColumnsVariable(),
          Variable("SOURCE_DATE_EPOCH")};
}

const Texts& TextsForLocale(std::string_view locale) {
  const Texts* texts = TextsForCode(LanguageCodeOfLocale(locale));
  return texts ? *texts : kEnglishTexts;
}

const Texts& TextsOfEnvironment(const Environment& environment) {
  if (!IsPlainLocale(environment.locale)) {
    if (const Texts* texts = FirstSpokenLanguage(environment.language_list)) return *texts;
  }
  return TextsForLocale(environment.locale);
}

std::size_t ScreenWidth(const Environment& environment) {
  return environment.columns.value_or(TerminalColumns().value_or(kWidthOffTerminal));
}

Style StyleForStandardOutput(ColorChoice choice, const Environment& environment) {
  const OutputKind output = StandardOutputKind();
  const bool color = WantsColor(choice, output, environment);
  return Style(color, color && output == OutputKind::kTerminal);
}

}  // namespace kelotarhu::cli
