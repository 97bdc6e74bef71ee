// The calendar and the plug-in speak Windows-1252; a terminal, CSV and JSON want UTF-8.
// The one conversion lives beside the calendar's texts.
#pragma once

#include "calendar/windows_1252.h"

namespace kelotarhu::cli {

// Every byte has a character: the five bytes Windows-1252 leaves undefined become the
// C1 control characters of the same number, as Windows itself converts them.
using calendar::Utf8FromWindows1252;

// Nothing when the text is not valid UTF-8 or holds a character Windows-1252 lacks.
using calendar::Windows1252FromUtf8;

// A UTF-8 text in Windows-1252 capitals, as names and words are compared whatever
// their case ("åke" and "ÅKE" alike); nothing when Windows1252FromUtf8 gives nothing.
std::optional<std::string> FoldCase(std::string_view text);

}  // namespace kelotarhu::cli
