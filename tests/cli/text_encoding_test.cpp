// Windows-1252 and UTF-8, checked against the code chart of Windows-1252.
#include "cli/text_encoding.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kelotarhu::cli
