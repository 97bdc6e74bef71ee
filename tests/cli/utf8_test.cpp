// The UTF-8 helpers: Windows-1252 against its code chart, upper case against the
// plug-in's own table, the rules of well-formed sequences.
#include "cli/text/utf8.h"

#include <gtest/gtest.h>

#include "platform/upper_case_1252.h"

namespace kelotarhu::cli {
namespace {

struct Mapping {
  const char* windows_1252;
  const char* utf8;
};

// Every range of the chart: ASCII, the 0x80-0x9F block with its typographic letters and
// its five unassigned bytes (kept as the C1 controls of the same number), Latin-1.
constexpr Mapping kChart[] = {
    {"A", "A"},         {"\x7F", "\x7F"},
    {"\x80", "€"},                      // euro sign
    {"\x81", "\u0081"}, {"\x84", "„"},  // double low-9 quotation mark
    {"\x8A", "Š"},                      // S with caron
    {"\x8D", "\u008D"}, {"\x8F", "\u008F"},
    {"\x90", "\u0090"}, {"\x96", "–"},  // en dash
    {"\x99", "™"},                      // trade mark sign
    {"\x9D", "\u009D"}, {"\x9F", "Ÿ"},  // Y with diaeresis
    {"\xA0", "\u00A0"}, {"\xC4", "Ä"},  // A with diaeresis
    {"\xE4", "ä"},      {"\xF6", "ö"},
    {"\xFF", "ÿ"},      {"P\xE4\xE4si\xE4isp\xE4iv\xE4", "Pääsiäispäivä"},
};

TEST(TextEncoding, FollowsTheWindows1252Chart) {
  for (const Mapping& mapping : kChart) {
    SCOPED_TRACE(mapping.utf8);
    EXPECT_EQ(Utf8FromWindows1252(mapping.windows_1252), mapping.utf8);
    EXPECT_EQ(Windows1252FromUtf8(mapping.utf8), mapping.windows_1252);
  }
}

TEST(TextEncoding, EveryByteComesBackUnchanged) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    EXPECT_EQ(Windows1252FromUtf8(Utf8FromWindows1252(text)), text) << byte;
  }
}

TEST(TextEncoding, RefusesWhatWindows1252CannotHold) {
  for (const char* utf8 : {
           "\xE2\x80\x8B",      // zero width space: no such character
           "\xF0\x9F\x87\xAB",  // beyond the basic plane
           "\xC3",              // cut short
           "\xC3\x28",          // no continuation byte
           "\xC1\xA4",          // overlong form of "d"
           "\xE0\x81\xA4",      // overlong in three bytes
           "\xA4",              // a lone continuation byte
       }) {
    EXPECT_EQ(Windows1252FromUtf8(utf8), std::nullopt) << utf8;
  }
}

// The tool compares words and names in UTF-8; the plug-in upper-cases Windows-1252 as
// Windows does. Both must agree on every character the calendar can hold.
TEST(Utf8, UpperCaseAgreesWithTheWindows1252Table) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    const std::string upper(
        1, static_cast<char>(platform::UpperCase1252(static_cast<unsigned char>(byte))));
    EXPECT_EQ(UpperCase(Utf8FromWindows1252(text)), Utf8FromWindows1252(upper)) << byte;
  }
}

TEST(Utf8, UpperCaseKeepsOtherCharactersAndStrayBytes) {
  const std::pair<std::string, std::string> kCases[] = {
      {"i morgon", "I MORGON"},
      {"tänään", "TÄNÄÄN"},
      {"ĉarl", "ĉARL"},
      {"ß µ", "ß µ"},
      {"\xFF"
       "a\xC3",
       "\xFF"
       "A\xC3"},
      {"🇫i", "🇫I"},
  };
  for (const auto& [text, upper] : kCases) EXPECT_EQ(UpperCase(text), upper) << text;
  EXPECT_EQ(Capitalised("ärrä"), "Ärrä");
  EXPECT_EQ(Capitalised(""), "");
}

TEST(Utf8, TakesWholeCharactersOnly) {
  struct Case {
    std::string text;
    std::optional<char32_t> first;
    std::size_t incomplete_tail;
  };
  const Case kCases[] = {
      {"a", U'a', 0},          {"ä", U'ä', 0},          {"€", U'€', 0},
      {"🇫", U'🇫', 0},          {"\xC3", {}, 1},         {"a\xE2\x82", U'a', 2},
      {"\xF0\x9F\x87", {}, 3}, {"\xED\xA0\x80", {}, 0}, {"\x80", {}, 0},
  };
  for (const Case& c : kCases) {
    std::string_view text = c.text;
    EXPECT_EQ(NextCharacter(text), c.first) << c.text;
    EXPECT_EQ(IncompleteTail(c.text), c.incomplete_tail) << c.text;
  }
}

}  // namespace
}  // namespace kelotarhu::cli
