#include "cli/style.h"

#include <cstdlib>

#include "cli/console.h"

namespace kelotarhu::cli {
namespace {

constexpr std::string_view kRed = "\x1b[31m";
constexpr std::string_view kBlue = "\x1b[34m";
constexpr std::string_view kReset = "\x1b[0m";
constexpr std::string_view kFlagMark = "+";

std::string Painted(std::string_view colour, std::string_view text) {
  return std::string(colour).append(text).append(kReset);
}

// https://no-color.org: any non-empty NO_COLOR turns colours off unless asked for.
bool ColorUnwanted() {
  const char* no_color = std::getenv("NO_COLOR");
  const char* term = std::getenv("TERM");
  return (no_color && *no_color) || (term && std::string_view(term) == "dumb");
}

}  // namespace

bool UseColor(ColorChoice choice) {
  switch (choice) {
    case ColorChoice::kAlways:
      return true;
    case ColorChoice::kNever:
      return false;
    case ColorChoice::kAuto:
      break;
  }
  return !ColorUnwanted() && StandardOutputTakesColor();
}

std::string Style::Red(std::string_view text) const {
  return color_ ? Painted(kRed, text) : std::string(text);
}

std::string Style::FlagMark() const {
  return color_ ? Painted(kBlue, kFlagMark) : std::string(kFlagMark);
}

}  // namespace kelotarhu::cli
