#include "cli/language.h"

#include <array>
#include <cstdlib>

#include "cli/console.h"

namespace kelotarhu::cli {
namespace {

constexpr std::array<const Texts*, 3> kLanguages = {&kFinnishTexts, &kSwedishTexts, &kEnglishTexts};

// "fi_FI.UTF-8@euro" -> "fi".
std::string_view LanguageCodeOfLocale(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

std::string EnvironmentValue(const char* variable) {
  const char* value = std::getenv(variable);
  return value ? value : "";
}

// The locale for messages, as the C library picks it.
std::string LocaleOfEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::string locale = EnvironmentValue(variable);
    if (!locale.empty()) return locale;
  }
  return std::string(UserInterfaceLanguage());
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

}  // namespace

std::span<const Texts* const> Languages() { return kLanguages; }

const Texts* TextsForCode(std::string_view code) {
  for (const Texts* texts : kLanguages) {
    if (texts->code == code) return texts;
  }
  return nullptr;
}

const Texts& TextsForLocale(std::string_view locale) {
  const Texts* texts = TextsForCode(LanguageCodeOfLocale(locale));
  return texts ? *texts : kEnglishTexts;
}

const Texts& TextsOfEnvironment() {
  const std::string locale = LocaleOfEnvironment();
  if (!IsPlainLocale(locale)) {
    if (const Texts* texts = FirstSpokenLanguage(EnvironmentValue("LANGUAGE"))) return *texts;
  }
  return TextsForLocale(locale);
}

std::string ForCount(const CountedText& text, std::size_t count) {
  return Fill(count == 1 ? text.one : text.many, {std::to_string(count)});
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string filled;
  const std::string_view* value = values.begin();
  for (std::size_t at = pattern.find("{}"); at != std::string_view::npos && value != values.end();
       at = pattern.find("{}")) {
    filled.append(pattern.substr(0, at)).append(*value++);
    pattern.remove_prefix(at + 2);
  }
  return filled.append(pattern);
}

std::string Capitalised(std::string_view text) {
  std::string capitalised(text);
  if (capitalised.empty()) return capitalised;
  const auto first = static_cast<unsigned char>(capitalised[0]);
  if (first >= 'a' && first <= 'z') {
    capitalised[0] = static_cast<char>(first - 'a' + 'A');
  } else if (first == 0xC3 && capitalised.size() > 1) {
    // U+00E0 to U+00FE (à to þ, without ÷) lie 0x20 above their capitals.
    const auto second = static_cast<unsigned char>(capitalised[1]);
    if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
      capitalised[1] = static_cast<char>(second - 0x20);
    }
  }
  return capitalised;
}

std::size_t Columns(std::string_view text) {
  std::size_t columns = 0;
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return columns;
}

std::string PadLeft(std::string_view text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return std::string(columns < width ? width - columns : 0, ' ').append(text);
}

std::string PadRight(std::string_view text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return std::string(text).append(columns < width ? width - columns : 0, ' ');
}

}  // namespace kelotarhu::cli
