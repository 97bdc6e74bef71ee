#include "cli/text/utf8.h"

#include <algorithm>
#include <cstdio>

#include "calendar/windows_1252.h"

namespace kelotarhu::cli {
namespace {

constexpr std::string_view kCut = "...";

// The length of the UTF-8 sequence that `lead` starts, or 0 when no sequence starts so.
constexpr std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

std::string Escaped(unsigned char byte) {
  if (byte == '\n') return "\\n";
  if (byte == '\r') return "\\r";
  if (byte == '\t') return "\\t";
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02X", unsigned{byte});
  return escape;
}

// The next character of `text` as it is shown (the character itself or an escape),
// and how many bytes of `text` it stands for.
std::pair<std::string, std::size_t> NextShown(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (IsControlCharacter(text[0])) return {Escaped(lead), 1};
  const std::size_t length = CharacterLength(text);
  if (length == 0) return {Escaped(lead), 1};
  return {std::string(text.substr(0, length)), length};
}

// Characters on screen: an escape is as wide as its text, a UTF-8 character is one.
std::size_t ShownWidth(const std::string& shown) {
  return shown.size() == 1 || shown[0] == '\\' ? shown.size() : 1;
}

// The capital of a Windows-1252 letter's code point; any other stays.
char32_t UpperCaseOf(char32_t code_point) {
  const auto byte = calendar::Windows1252OfCodePoint(code_point);
  if (!byte) return code_point;
  const unsigned char c = *byte;
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return code_point - 0x20;
  switch (code_point) {
    case U'š':
      return U'Š';
    case U'œ':
      return U'Œ';
    case U'ž':
      return U'Ž';
    case U'ÿ':
      return U'Ÿ';
    default:
      return code_point;
  }
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    AppendUtf8(out, calendar::CodePointOfWindows1252(static_cast<unsigned char>(c)));
  }
  return out;
}

std::optional<std::string> Windows1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::optional<char32_t> code_point = NextCharacter(text);
    if (!code_point) return std::nullopt;
    const std::optional<unsigned char> byte = calendar::Windows1252OfCodePoint(*code_point);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::size_t CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || text.size() < length) return 0;
  if (!std::all_of(text.begin() + 1, text.begin() + length, IsContinuationByte)) return 0;
  const auto second = length > 1 ? static_cast<unsigned char>(text[1]) : 0;
  if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
  if (lead == 0xED && second > 0x9F) return 0;  // a surrogate
  if (lead == 0xF0 && second < 0x90) return 0;  // overlong
  if (lead == 0xF4 && second > 0x8F) return 0;  // above U+10FFFF
  return length;
}

std::optional<char32_t> NextCharacter(std::string_view& text) {
  const std::size_t length = CharacterLength(text);
  if (length == 0) return std::nullopt;
  constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t code_point = static_cast<unsigned char>(text[0]) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i) {
    code_point = (code_point << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
  }
  text.remove_prefix(length);
  return code_point;
}

std::size_t IncompleteTail(std::string_view text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const char byte = text[text.size() - back];
    if (IsContinuationByte(byte)) continue;  // look further back for the lead
    const std::size_t length = SequenceLength(static_cast<unsigned char>(byte));
    return length > back ? back : 0;
  }
  return 0;
}

std::string UpperCase(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  while (!text.empty()) {
    if (const std::optional<char32_t> character = NextCharacter(text)) {
      AppendUtf8(upper, UpperCaseOf(*character));
    } else {
      upper += text.front();  // a byte that is not UTF-8 stays as it is
      text.remove_prefix(1);
    }
  }
  return upper;
}

std::string Capitalised(std::string_view text) {
  const std::size_t first = CharacterLength(text);
  if (first == 0) return std::string(text);
  return UpperCase(text.substr(0, first)).append(text.substr(first));
}

std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::string PadLeft(std::string_view text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return std::string(columns < width ? width - columns : 0, ' ').append(text);
}

std::string PadRight(std::string_view text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return std::string(text).append(columns < width ? width - columns : 0, ' ');
}

std::size_t LeadingBlanks(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

std::vector<std::string> WrappedWords(std::string_view text, std::size_t width) {
  std::vector<std::string> lines;
  std::string line;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' ', text.find_first_not_of(' ')), text.size());
    const std::string_view word = text.substr(0, end);  // with the blanks before it
    text.remove_prefix(end);
    if (!line.empty() && Columns(line) + Columns(word) > width) {
      lines.push_back(line);
      line.clear();
    }
    line.append(line.empty() ? word.substr(LeadingBlanks(word)) : word);
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    parts.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + separator.size());
  }
  return parts;
}

std::string Shown(std::string_view text) {
  std::string shown;
  while (!text.empty()) {
    const auto [character, bytes] = NextShown(text);
    text.remove_prefix(bytes);
    shown += character;
  }
  return shown;
}

std::string Quoted(std::string_view text, std::size_t longest) {
  std::string shown;
  std::size_t width = 0;
  std::size_t size_before_cut = 0;  // the longest beginning that leaves room for kCut
  while (!text.empty()) {
    const auto [character, bytes] = NextShown(text);
    text.remove_prefix(bytes);
    width += ShownWidth(character);
    if (width > longest) {
      shown.resize(size_before_cut);
      return '"' + shown + std::string(kCut) + '"';
    }
    shown += character;
    if (width + kCut.size() <= longest) size_before_cut = shown.size();
  }
  return '"' + shown + '"';
}

}  // namespace kelotarhu::cli
