#include "cli/show/style.h"

namespace kelotarhu::cli {
namespace {

// Plain red and reverse video: readable on dark and light backgrounds alike.
constexpr std::string_view kRed = "\x1b[31m";
constexpr std::string_view kReverse = "\x1b[7m";
constexpr std::string_view kRedReverse = "\x1b[7;31m";
constexpr std::string_view kReset = "\x1b[0m";

std::string Painted(std::string_view colour, std::string_view text) {
  return std::string(colour).append(text).append(kReset);
}

}  // namespace

std::string Style::Red(std::string_view text) const {
  return color_ ? Painted(kRed, text) : std::string(text);
}

std::string Style::Today(std::string_view text, bool red_day) const {
  if (!color_ || !highlight_today_) return red_day ? Red(text) : std::string(text);
  return Painted(red_day ? kRedReverse : kReverse, text);
}

std::string Style::RedDayMark(bool red_day) const { return red_day ? Red(kRedDayMark) : " "; }

}  // namespace kelotarhu::cli
