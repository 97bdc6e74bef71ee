// Windows-1252, the code page of the plug-in's texts, and its one mapping to and from
// Unicode. Fixed texts are written in UTF-8 as people read them and converted at
// compile time: "Uudenvuodenpäivä"_cp1252. A character the code page lacks, or a
// malformed UTF-8 sequence, stops the build with a message that names it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kelotarhu::calendar {

// Code points of the bytes 0x80-0x9F; every other byte equals its Latin-1 code point.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand
// for the C1 controls of the same number, as Windows itself converts them.
inline constexpr std::array<char32_t, 32> kCodePointsOfHighRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte has a code point.
constexpr char32_t CodePointOfWindows1252(unsigned char byte) noexcept {
  if (byte >= 0x80 && byte < 0xA0) return kCodePointsOfHighRow[byte - 0x80u];
  return byte;
}

// Nothing for the code points the code page lacks.
constexpr std::optional<unsigned char> Windows1252OfCodePoint(char32_t code_point) noexcept {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<unsigned char>(code_point);
  }
  for (unsigned index = 0; index < kCodePointsOfHighRow.size(); ++index) {
    if (kCodePointsOfHighRow[index] == code_point) {
      return static_cast<unsigned char>(0x80 + index);
    }
  }
  return std::nullopt;
}

// Decodes the UTF-8 character at `pos` and advances past it; nothing for a malformed,
// cut-short or overlong sequence. Windows-1252 holds nothing beyond three UTF-8 bytes,
// so longer sequences count as malformed too. Requires pos < text.size().
constexpr std::optional<char32_t> NextUtf8CodePoint(std::string_view text,
                                                    std::size_t& pos) noexcept {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const int continuation_bytes = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : -1;
  if (continuation_bytes < 0 || pos + static_cast<std::size_t>(continuation_bytes) > text.size()) {
    return std::nullopt;
  }
  char32_t code_point = lead & (continuation_bytes == 1 ? 0x1Fu : 0x0Fu);
  for (int i = 0; i < continuation_bytes; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos++]);
    if ((byte & 0xC0) != 0x80) return std::nullopt;
    code_point = (code_point << 6) | (byte & 0x3Fu);
  }
  const char32_t shortest = continuation_bytes == 1 ? 0x80 : 0x800;
  if (code_point < shortest) return std::nullopt;
  return code_point;
}

namespace windows_1252_detail {

// A UTF-8 string literal as a template argument.
template <std::size_t N>
struct Utf8Literal {
  // NOLINTNEXTLINE(google-explicit-constructor): built from the literal itself.
  consteval Utf8Literal(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) chars[i] = text[i];
  }
  constexpr std::string_view view() const { return {chars, N - 1}; }
  char chars[N];
};

// The first character of `text` that Windows-1252 lacks, U+FFFD for malformed UTF-8,
// or 0 when the whole text converts.
consteval char32_t FirstUnconvertible(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::optional<char32_t> code_point = NextUtf8CodePoint(text, pos);
    if (!code_point) return U'\uFFFD';
    if (!Windows1252OfCodePoint(*code_point)) return *code_point;
  }
  return 0;
}

consteval std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) NextUtf8CodePoint(text, pos);
  return count;
}

// Instantiated only for a character that does not convert: the compiler's message
// names it as the template argument: for ō, CharacterNotInWindows1252<333> (GCC gives
// the code point in decimal) or CharacterNotInWindows1252<U'\u014d'> (clang).
template <char32_t kCharacter>
struct CharacterNotInWindows1252 {
  static_assert(kCharacter == 0,
                "Windows-1252 lacks the character of CharacterNotInWindows1252<...> "
                "above (U+FFFD, 65533: the text is not valid UTF-8)");
  static constexpr bool kConverts = true;
};
template <>
struct CharacterNotInWindows1252<0> {
  static constexpr bool kConverts = true;
};

// The converted bytes of a text of `size` characters, zero-terminated.
template <std::size_t size>
struct Converted {
  consteval explicit Converted(std::string_view utf8) {
    std::size_t out = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
      bytes[out++] = static_cast<char>(*Windows1252OfCodePoint(*NextUtf8CodePoint(utf8, pos)));
    }
  }
  char bytes[size + 1] = {};
};

template <Utf8Literal kText>
consteval Converted<CharacterCount(kText.view())> Convert() {
  static_assert(CharacterNotInWindows1252<FirstUnconvertible(kText.view())>::kConverts);
  return Converted<CharacterCount(kText.view())>{kText.view()};
}

template <Utf8Literal kText>
inline constexpr auto kConverted = Convert<kText>();

}  // namespace windows_1252_detail

inline namespace literals {

// The Windows-1252 bytes of a UTF-8 literal, as a zero-terminated array of static
// storage: it stands wherever the string literal itself could.
template <windows_1252_detail::Utf8Literal kText>
consteval const auto& operator""_cp1252() {
  return windows_1252_detail::kConverted<kText>.bytes;
}

}  // namespace literals

static_assert(std::string_view{"Uudenvuodenpäivä"_cp1252} == "Uudenvuodenp\xE4iv\xE4");
static_assert(sizeof("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_cp1252) == 27 + 1);
static_assert("Åke"_cp1252[0] == '\xC5' && "Åke"_cp1252[3] == '\0');

}  // namespace kelotarhu::calendar
