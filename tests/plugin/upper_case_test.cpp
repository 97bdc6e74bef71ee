// The native upper-casing against the C library's Unicode case mapping of each
// Windows-1252 byte.
#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>
#include <string>

#include "platform/platform.h"

namespace {

// Windows-1252 bytes 0x80-0x9F in Unicode (0 where the code page has no character).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Decode1252(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

// The byte whose character is `c`, or -1 when the code page lacks it.
int Encode1252(char32_t c) {
  for (int byte = 0; byte < 256; ++byte) {
    if (Decode1252(static_cast<unsigned char>(byte)) == c) return byte;
  }
  return -1;
}

TEST(UpperCase, EveryByteMapsLikeTheUnicodeCapital) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  for (int byte = 0; byte < 256; ++byte) {
    const char32_t character = Decode1252(static_cast<unsigned char>(byte));
    const int capital =
        Encode1252(static_cast<char32_t>(std::towupper(static_cast<wint_t>(character))));
    // Bytes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) and letters whose capital
    // the code page lacks (ß, µ) stay as they are.
    const int expected = character == 0 || capital < 0 ? byte : capital;
    std::string text(1, static_cast<char>(byte));
    kelotarhu::platform::UpperCaseInPlace(text.data(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(text[0]), expected) << "byte " << byte;
  }
}

TEST(UpperCase, WholeTextsKeepTheirLength) {
  std::string text = "k\xE4ytt\xF6 \xE5\xE4\xF6 ok";
  kelotarhu::platform::UpperCaseInPlace(text.data(), text.size());
  EXPECT_EQ(text, "K\xC4YTT\xD6 \xC5\xC4\xD6 OK");
}

}  // namespace
