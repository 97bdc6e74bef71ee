// --help laid out for the screen it is read on: lines no wider than the terminal (80
// columns when not on one), columns aligned by what a terminal shows, so that å, ä and ö
// take one column each as any letter does.
#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

// Help wider than this reads badly however wide the terminal is; narrower than the
// narrowest leaves no room for the words.
inline constexpr std::size_t kWidestHelp = 100;
inline constexpr std::size_t kNarrowestHelp = 40;

// The width to lay help out in: the screen's, kept between the narrowest and the widest.
std::size_t HelpWidth(std::size_t screen_width);

// Each line of `text` wrapped to `width` columns. A continuation of a line at the margin
// starts at the margin; of an indented line, as far as the text after two blanks within
// it (an example and what it does), else a little further in than the line.
std::string WrappedText(std::string_view text, std::size_t width);

// CLI11's help in that layout: usage first, then the description, the arguments and
// options with their descriptions wrapped in a column of their own, and the footer.
class HelpLayout : public CLI::Formatter {
 public:
  explicit HelpLayout(std::size_t width) : width_(width) {}

  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override;
  std::string make_option(const CLI::Option* option, bool is_positional) const override;

 private:
  std::size_t width_;
};

}  // namespace kelotarhu::cli
