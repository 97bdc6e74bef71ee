// How red days and flag days stand out: colours on a terminal, marks in plain text.
#pragma once

#include <string>
#include <string_view>

namespace kelotarhu::cli {

enum class ColorChoice { kAuto, kAlways, kNever };

// Whether output to standard output gets colours: `auto` asks the console.
bool UseColor(ColorChoice choice);

class Style {
 public:
  explicit Style(bool color) : color_(color) {}

  bool color() const { return color_; }
  // A red day's text: red on a terminal, as it stands otherwise.
  std::string Red(std::string_view text) const;
  // The mark after a flag day (blue on a terminal).
  std::string FlagMark() const;

 private:
  bool color_;
};

}  // namespace kelotarhu::cli
