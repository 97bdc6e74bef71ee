// How a rejected argument is quoted in a message: escapes for what is not printable
// UTF-8, and a cut at 60 characters that never splits a character.
#include <gtest/gtest.h>

#include "cli/text/utf8.h"

namespace kelotarhu::cli {
namespace {

struct QuotedCase {
  std::string argument;
  std::string quoted;
};

TEST(Quoted, EscapesWhatIsNotPrintableUtf8) {
  const QuotedCase kCases[] = {
      {"", "\"\""},
      {"6.12.2026", "\"6.12.2026\""},
      {"Z:\\no\\such.dll", "\"Z:\\no\\such.dll\""},  // backslashes as they are
      {"päivä", "\"päivä\""},
      {"€ 🇫", "\"€ 🇫\""},
      {"a\tb\nc\rd\x1B\x7F", "\"a\\tb\\nc\\rd\\x1B\\x7F\""},
      {std::string("a\0b", 3), "\"a\\x00b\""},
      {"\xFF\xFE", "\"\\xFF\\xFE\""},
      {"\xC3", "\"\\xC3\""},                             // a sequence cut short
      {"\xC0\xAF", "\"\\xC0\\xAF\""},                    // overlong "/"
      {"\xE0\x80\xAF", "\"\\xE0\\x80\\xAF\""},           // overlong "/"
      {"\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},           // a surrogate
      {"\xF4\x90\x80\x80", "\"\\xF4\\x90\\x80\\x80\""},  // above U+10FFFF
      {"\xC3\xA4\x80", "\"\xC3\xA4\\x80\""},             // a stray continuation byte
  };
  for (const QuotedCase& c : kCases) EXPECT_EQ(Quoted(c.argument), c.quoted) << c.argument;
}

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

TEST(Quoted, CutsAtSixtyCharactersWithoutSplittingOne) {
  const std::string a_umlaut = "ä";
  const QuotedCase kCases[] = {
      {Repeated("x", 60), '"' + Repeated("x", 60) + '"'},
      {Repeated("x", 61), '"' + Repeated("x", 57) + "...\""},
      {Repeated("x", 1 << 20), '"' + Repeated("x", 57) + "...\""},
      {Repeated(a_umlaut, 60), '"' + Repeated(a_umlaut, 60) + '"'},
      {Repeated(a_umlaut, 61), '"' + Repeated(a_umlaut, 57) + "...\""},
      // An escape is as wide as it is shown: 14 of 4 characters and 4 letters fill 60.
      {Repeated("\x01", 14) + "abcd", '"' + Repeated("\\x01", 14) + "abcd\""},
      {Repeated("\x01", 16), '"' + Repeated("\\x01", 14) + "...\""},
  };
  for (const QuotedCase& c : kCases) EXPECT_EQ(Quoted(c.argument), c.quoted) << c.argument;
}

}  // namespace
}  // namespace kelotarhu::cli
