// How red days, flag days and today stand out: marks that read the same with and
// without colour, and colours on a terminal that shows them.
#pragma once

#include <string>
#include <string_view>

namespace kelotarhu::cli {

enum class ColorChoice { kAuto, kAlways, kNever };

// One column each, so that a day with one mark lines up with a day with both.
inline constexpr std::string_view kRedDayMark = "*";
inline constexpr std::string_view kFlagDayMark = "+";
// The almanac's customary flag day; its official one has kFlagDayMark.
inline constexpr std::string_view kCustomaryFlagDayMark = "~";
static_assert(kCustomaryFlagDayMark.size() == kFlagDayMark.size());

class Style {
 public:
  Style(bool color, bool highlight_today) : color_(color), highlight_today_(highlight_today) {}

  bool color() const { return color_; }
  // Today stands out only on a terminal, where a person looks at the month.
  bool highlight_today() const { return highlight_today_; }

  // A red day's text: red where colours show, as it stands otherwise.
  std::string Red(std::string_view text) const;
  // Today's date in reverse video, red on a red day.
  std::string Today(std::string_view text, bool red_day) const;
  // The red mark of a day, or a blank of the same width.
  std::string RedDayMark(bool red_day) const;

 private:
  bool color_;
  bool highlight_today_;
};

}  // namespace kelotarhu::cli
