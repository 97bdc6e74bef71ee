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
    {"A", "A"},
    {"\x7F", "\x7F"},
    {"\x80", "\xE2\x82\xAC"},  // euro sign
    {"\x81", "\xC2\x81"},
    {"\x84", "\xE2\x80\x9E"},  // double low-9 quotation mark
    {"\x8A", "\xC5\xA0"},      // S with caron
    {"\x8D", "\xC2\x8D"},
    {"\x8F", "\xC2\x8F"},
    {"\x90", "\xC2\x90"},
    {"\x96", "\xE2\x80\x93"},  // en dash
    {"\x99", "\xE2\x84\xA2"},  // trade mark sign
    {"\x9D", "\xC2\x9D"},
    {"\x9F", "\xC5\xB8"},  // Y with diaeresis
    {"\xA0", "\xC2\xA0"},
    {"\xC4", "\xC3\x84"},  // A with diaeresis
    {"\xE4", "\xC3\xA4"},
    {"\xF6", "\xC3\xB6"},
    {"\xFF", "\xC3\xBF"},
    {"P\xE4\xE4si\xE4isp\xE4iv\xE4", "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4"},
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
