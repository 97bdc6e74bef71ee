#include "cli/command/help_layout.h"

#include <algorithm>
#include <optional>

#include "cli/text/language.h"

namespace kelotarhu::cli {
namespace {

// Option names are indented so, and their descriptions stand this far from the widest
// name, unless a name is wider than kWidestName: such a name's description starts on
// the next line.
constexpr std::size_t kNameIndent = 2;
constexpr std::size_t kNameGap = 2;
constexpr std::size_t kWidestName = 28;

// Where a continuation of `line` starts: after the gap of an example line; a little
// further in than an indented line without one (a long command); else at the margin.
std::size_t HangingIndent(std::string_view line) {
  constexpr std::size_t kContinuationIndent = 2;
  const std::size_t indent = LeadingBlanks(line);
  if (indent == 0) return 0;
  const std::size_t gap = line.find("  ", indent);
  if (gap == std::string_view::npos) return indent + kContinuationIndent;
  const std::size_t text = line.find_first_not_of(' ', gap);
  return text == std::string_view::npos ? indent : Columns(line.substr(0, text));
}

// `lines` after `first` as the first line's start and `indent` blanks before the others.
std::string Indented(std::string first, const std::vector<std::string>& lines, std::size_t indent) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text.append(i == 0 ? first : std::string(indent, ' ')).append(lines[i]).append("\n");
  }
  if (lines.empty()) text.append(first).append("\n");
  return text;
}

// The columns left for words after `indent` blanks: a few at least.
std::size_t RoomAfter(std::size_t indent, std::size_t width) {
  return width > indent + kNameGap ? width - indent : kNameGap;
}

}  // namespace

std::size_t HelpWidth(std::size_t screen_width) {
  return std::clamp(screen_width, kNarrowestHelp, kWidestHelp);
}

std::string WrappedText(std::string_view text, std::size_t width) {
  std::string wrapped;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t indent = LeadingBlanks(line);
    const std::size_t hang = HangingIndent(line);
    const std::string_view words = line.substr(indent);
    // The first line as wide as the screen allows, the words after it under the hanging
    // indent.
    std::vector<std::string> lines = WrappedWords(words, RoomAfter(indent, width));
    if (lines.size() > 1) {
      const std::vector<std::string> rest =
          WrappedWords(words.substr(lines.front().size()), RoomAfter(hang, width));
      lines.resize(1);
      lines.insert(lines.end(), rest.begin(), rest.end());
    }
    wrapped += Indented(std::string(indent, ' '), lines, hang);
  }
  return wrapped;
}

std::string HelpLayout::make_help(const CLI::App* app, std::string name,
                                  CLI::AppFormatMode mode) const {
  std::string help = make_usage(app, name) + '\n';
  help += WrappedText(app->get_description(), width_);  // each group starts with a blank line
  help += make_positionals(app) + make_groups(app, mode);
  return help + '\n' + WrappedText(app->get_footer(), width_);
}

std::string HelpLayout::make_option(const CLI::Option* option, bool is_positional) const {
  const std::string name = std::string(kNameIndent, ' ') + make_option_name(option, is_positional) +
                           make_option_opts(option);
  const std::size_t column = kNameIndent + kWidestName + kNameGap;
  const std::vector<std::string> lines =
      WrappedWords(make_option_desc(option), RoomAfter(column, width_));
  if (Columns(name) + kNameGap > column) {
    return name + '\n' + Indented(std::string(column, ' '), lines, column);
  }
  return Indented(PadRight(name, column), lines, column);
}

}  // namespace kelotarhu::cli
