// Which language the tool speaks, and the small helpers that put its texts together.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "cli/texts.h"

namespace kelotarhu::cli {

// Every language of the tool, Finnish first.
std::span<const Texts* const> Languages();

// The language whose code (the value of --lang) this is, or nothing.
const Texts* TextsForCode(std::string_view code);

// The language of a locale name as in LANG: "fi_FI.UTF-8" and "fi" give Finnish, "sv_FI"
// Swedish; any other language, "C" and "POSIX" give English.
const Texts& TextsForLocale(std::string_view locale);

// The language the environment asks for, as gettext reads it: the locale is the first
// set and non-empty of LC_ALL, LC_MESSAGES and LANG (without any of them, the language of
// the system's user interface on Windows); unless that locale is C or POSIX, the first
// language of the colon-separated LANGUAGE list that the tool speaks wins over it. Else
// the locale's language, or English.
const Texts& TextsOfEnvironment();

// `pattern` with each "{}" replaced by the next of `values`.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// The number with its noun in the form for that count: "1 question", "2 questions".
std::string ForCount(const CountedText& text, std::size_t count);

// The text with its first letter in upper case, as at the start of a line (UTF-8; the
// letters of Finnish, Swedish and English).
std::string Capitalised(std::string_view text);

// How many terminal columns a UTF-8 text takes: one per character (the tool's texts hold
// no wide or combining characters).
std::size_t Columns(std::string_view text);

// The text with blanks before (PadLeft) or after it (PadRight) to fill `width` columns.
std::string PadLeft(std::string_view text, std::size_t width);
std::string PadRight(std::string_view text, std::size_t width);

}  // namespace kelotarhu::cli
