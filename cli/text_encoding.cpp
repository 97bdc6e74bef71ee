#include "cli/text_encoding.h"

#include <array>
#include <cstdint>

#include "platform/upper_case_1252.h"

namespace kelotarhu::cli {
namespace {

// Code points of the bytes 0x80-0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80u];
  return byte;
}

std::optional<unsigned char> ByteOfCodePoint(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<unsigned char>(code_point);
  }
  for (unsigned index = 0; index < kHighControlRange.size(); ++index) {
    if (kHighControlRange[index] == code_point) return static_cast<unsigned char>(0x80 + index);
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

// Decodes one character at `pos` and advances past it; nothing for a malformed or
// overlong sequence. Windows-1252 holds nothing beyond three UTF-8 bytes.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const int continuation_bytes = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : -1;
  if (continuation_bytes < 0 || pos + static_cast<std::size_t>(continuation_bytes) > text.size()) {
    return std::nullopt;
  }
  char32_t code_point = lead & (continuation_bytes == 1 ? 0x1F : 0x0F);
  for (int i = 0; i < continuation_bytes; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos++]);
    if ((byte & 0xC0) != 0x80) return std::nullopt;
    code_point = (code_point << 6) | (byte & 0x3F);
  }
  const char32_t shortest = continuation_bytes == 1 ? 0x80 : 0x800;
  if (code_point < shortest) return std::nullopt;
  return code_point;
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Windows1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::optional<char32_t> code_point = NextCodePoint(text, pos);
    if (!code_point) return std::nullopt;
    const std::optional<unsigned char> byte = ByteOfCodePoint(*code_point);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::optional<std::string> FoldCase(std::string_view text) {
  std::optional<std::string> folded = Windows1252FromUtf8(text);
  if (!folded) return std::nullopt;
  for (char& c : *folded) {
    c = static_cast<char>(platform::UpperCase1252(static_cast<unsigned char>(c)));
  }
  return folded;
}

}  // namespace kelotarhu::cli
