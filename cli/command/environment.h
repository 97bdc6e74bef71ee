// The environment variables the tool heeds, read once when it starts, and what follows
// from them: the language, whether colours are welcome, the width of the screen.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/show/style.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

struct Environment {
  // The locale for messages, as the C library picks it: the first set and non-empty of
  // LC_ALL, LC_MESSAGES and LANG; without any, the language of the system's user
  // interface on Windows.
  std::string locale;
  std::string language_list;           // LANGUAGE: "sv_FI:fi:en"
  bool colour_unwanted = false;        // a non-empty NO_COLOR (https://no-color.org) or TERM=dumb
  std::optional<std::size_t> columns;  // COLUMNS, when it holds a number
  std::optional<std::string> source_date_epoch;  // SOURCE_DATE_EPOCH, as it stands
};

// The process's environment.
Environment ReadEnvironment();

// The language of a locale name as in LANG: "fi_FI.UTF-8" and "fi" give Finnish, "sv_FI"
// Swedish; any other language, "C" and "POSIX" give English.
const Texts& TextsForLocale(std::string_view locale);

// The language the environment asks for, as gettext reads it: unless the locale is C or
// POSIX, the first language of the LANGUAGE list that the tool speaks wins over it. Else
// the locale's language, or English.
const Texts& TextsOfEnvironment(const Environment& environment);

// The width of the screen text is read on: COLUMNS when it holds a number, else the
// width of the terminal standard output goes to, else 80.
inline constexpr std::size_t kWidthOffTerminal = 80;
std::size_t ScreenWidth(const Environment& environment);

// The style for standard output: `auto` colours a terminal that the environment does
// not ask otherwise of; no choice brings escapes to a console that would show them as
// text.
Style StyleForStandardOutput(ColorChoice choice, const Environment& environment);

}  // namespace kelotarhu::cli
