// The native upper-casing against the C library's Unicode case mapping of each
// Windows-1252 byte.
#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>
#include <optional>
#include <string>

#include "calendar/windows_1252.h"
#include "platform/platform.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::calendar::CodePointOfWindows1252;
using kelotarhu::calendar::Windows1252OfCodePoint;

TEST(UpperCase, EveryByteMapsLikeTheUnicodeCapital) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  for (int byte = 0; byte < 256; ++byte) {
    const char32_t character = CodePointOfWindows1252(static_cast<unsigned char>(byte));
    const std::optional<unsigned char> capital = Windows1252OfCodePoint(
        static_cast<char32_t>(std::towupper(static_cast<wint_t>(character))));
    // Bytes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D: C1 controls, which have
    // no capital) and letters whose capital the code page lacks (ß, µ) stay as they are.
    const int expected = capital ? *capital : byte;
    std::string text(1, static_cast<char>(byte));
    kelotarhu::platform::UpperCaseInPlace(text.data(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(text[0]), expected) << "byte " << byte;
  }
}

TEST(UpperCase, WholeTextsKeepTheirLength) {
  std::string text = "käyttö åäö ok"_cp1252;
  kelotarhu::platform::UpperCaseInPlace(text.data(), text.size());
  EXPECT_EQ(text, "KÄYTTÖ ÅÄÖ OK"_cp1252);
}

}  // namespace
