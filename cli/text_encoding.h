// The calendar and the plug-in speak Windows-1252; a terminal, CSV and JSON want UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelotarhu::cli {

// Every byte has a character: the five bytes Windows-1252 leaves undefined become the
// C1 control characters of the same number, as Windows itself converts them.
std::string Utf8FromWindows1252(std::string_view text);

// Nothing when the text is not valid UTF-8 or holds a character Windows-1252 lacks.
std::optional<std::string> Windows1252FromUtf8(std::string_view text);

// A UTF-8 text in Windows-1252 capitals, as names and words are compared whatever
// their case ("åke" and "ÅKE" alike); nothing when Windows1252FromUtf8 gives nothing.
std::optional<std::string> FoldCase(std::string_view text);

}  // namespace kelotarhu::cli
