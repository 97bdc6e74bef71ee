// The tool's one set of UTF-8 helpers: the conversion from and to the calendar's
// Windows-1252, the rules of UTF-8 sequences, case, columns on a terminal, lines of
// words, and control characters shown as escapes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

// Every byte has a character: the five bytes Windows-1252 leaves undefined become the
// C1 control characters of the same number, as Windows itself converts them.
std::string Utf8FromWindows1252(std::string_view text);

// Nothing when the text is not valid UTF-8 or holds a character Windows-1252 lacks.
std::optional<std::string> Windows1252FromUtf8(std::string_view text);

// The length of the well-formed UTF-8 character that `text` starts with (no overlong
// form, no surrogate, nothing above U+10FFFF); 0 when it starts with none.
std::size_t CharacterLength(std::string_view text);

// The character `text` starts with, taken off its front; nothing when it starts with no
// well-formed character (and then `text` stays).
std::optional<char32_t> NextCharacter(std::string_view& text);

// How many bytes at the end of `text` begin a UTF-8 character that is not complete yet.
std::size_t IncompleteTail(std::string_view text);

// Whether a byte continues a UTF-8 character rather than starting one.
constexpr bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The C0 controls and DEL, which Shown escapes.
constexpr bool IsControlCharacter(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value < 0x20 || value == 0x7F;
}

// The text in capitals, as names and words are compared whatever their case ("åke" and
// "ÅKE" alike): the letters of ASCII and Latin-1 and the other letters of Windows-1252
// (š, ž, œ, ÿ); ß, µ and every other character stay.
std::string UpperCase(std::string_view text);

// The text with its first letter in upper case, as at the start of a line.
std::string Capitalised(std::string_view text);

// How many terminal columns a text takes: one per character (the tool's texts hold no
// wide or combining characters).
std::size_t Columns(std::string_view text);

// The text with blanks before (PadLeft) or after it (PadRight) to fill `width` columns.
std::string PadLeft(std::string_view text, std::size_t width);
std::string PadRight(std::string_view text, std::size_t width);

// The blanks a line starts with.
std::size_t LeadingBlanks(std::string_view line);

// The words of `text` in lines of at most `width` columns; a word wider than that stands
// on a line of its own. Blanks between words are kept as they are within a line.
std::vector<std::string> WrappedWords(std::string_view text, std::size_t width);

// The parts of `text` between the separators; nothing for the empty text.
std::vector<std::string> SplitAt(std::string_view text, std::string_view separator);

// The text as it can be shown on one line: its characters as they are, control
// characters and bytes that are not UTF-8 as escapes (\n, \r, \t, \x1B), so that a line
// break, a trailing blank or a stray byte can be seen.
std::string Shown(std::string_view text);

// The text shown so, in double quotes, at most `longest` characters between them: a
// longer text is cut and ends in "...". As messages quote what the user typed.
inline constexpr std::size_t kQuotedLength = 60;
std::string Quoted(std::string_view text, std::size_t longest = kQuotedLength);

}  // namespace kelotarhu::cli
