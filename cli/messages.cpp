#include "cli/messages.h"

#include <array>
#include <cstdio>

namespace kelotarhu::cli {
namespace {

constexpr std::string_view kCut = "...";

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Why a date that was read as numbers does not exist.
std::string DateProblemReason(const DateProblem& problem) {
  switch (problem.kind) {
    case DateProblem::kUnreadable:
      break;
    case DateProblem::kYearOutOfRange:
      return "the calendar holds the years 1 to 9999";
    case DateProblem::kNoSuchMonth:
      return "there is no month " + std::to_string(problem.month);
    case DateProblem::kNoSuchDay:
      return std::string(kMonthNames[static_cast<std::size_t>(problem.month - 1)]) + ' ' +
             std::to_string(problem.year) + " has " +
             std::to_string(calendar::MonthLength({static_cast<std::uint8_t>(problem.month),
                                                   static_cast<std::uint16_t>(problem.year)})) +
             " days";
    case DateProblem::kNotLeapYear:
      return std::to_string(problem.year) + " is not a leap year";
    case DateProblem::kBeyondCalendar:
      return "the calendar goes from 1.1.1 to 31.12.9999";
  }
  return {};
}

// The length of the UTF-8 sequence that `lead` starts, or 0 when no sequence starts so.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Whether text[0, length) is one well-formed UTF-8 character (no overlong form, no
// surrogate, nothing above U+10FFFF).
bool IsCharacter(std::string_view text, std::size_t length) {
  if (length == 0 || text.size() < length) return false;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return false;
  }
  const auto lead = static_cast<unsigned char>(text[0]);
  const auto second = length > 1 ? static_cast<unsigned char>(text[1]) : 0;
  if (lead == 0xE0 && second < 0xA0) return false;  // overlong
  if (lead == 0xED && second > 0x9F) return false;  // a surrogate
  if (lead == 0xF0 && second < 0x90) return false;  // overlong
  if (lead == 0xF4 && second > 0x8F) return false;  // above U+10FFFF
  return true;
}

std::string Escaped(unsigned char byte) {
  if (byte == '\n') return "\\n";
  if (byte == '\t') return "\\t";
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02X", unsigned{byte});
  return escape;
}

// The next character of `text` as it is shown (the character itself or an escape),
// and how many bytes of `text` it stands for.
std::pair<std::string, std::size_t> NextShown(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x20 || lead == 0x7F) return {Escaped(lead), 1};
  const std::size_t length = SequenceLength(lead);
  if (!IsCharacter(text, length)) return {Escaped(lead), 1};
  return {std::string(text.substr(0, length)), length};
}

// Characters on screen: an escape is as wide as its text, a UTF-8 character is one.
std::size_t ShownWidth(const std::string& shown) {
  return shown.size() == 1 || shown[0] == '\\' ? shown.size() : 1;
}

}  // namespace

std::string Quoted(std::string_view argument) {
  std::string shown;
  std::size_t width = 0;
  std::size_t size_before_cut = 0;  // the longest beginning that leaves room for kCut
  while (!argument.empty()) {
    const auto [character, bytes] = NextShown(argument);
    argument.remove_prefix(bytes);
    width += ShownWidth(character);
    if (width > kQuotedLength) {
      shown.resize(size_before_cut);
      return '"' + shown + std::string(kCut) + '"';
    }
    shown += character;
    if (width + kCut.size() <= kQuotedLength) size_before_cut = shown.size();
  }
  return '"' + shown + '"';
}

std::string UnknownOptionMessage(std::string_view option) {
  return "unknown option " + Quoted(option);
}

std::string UnexpectedArgumentMessage(std::string_view argument) {
  return "unexpected argument " + Quoted(argument) + " (one date at most)";
}

std::string MissingValueMessage(std::string_view option) {
  return std::string(option) + " needs a value";
}

std::string UnwantedValueMessage(std::string_view option) {
  return std::string(option) + " takes no value";
}

std::string ConflictMessage(std::string_view option, std::string_view other) {
  return std::string(option) + " and " + std::string(other) + " cannot be used together";
}

std::string NeedsMessage(std::string_view option, std::string_view needed) {
  return std::string(option) + " works only with " + std::string(needed);
}

std::string NotAChoiceMessage(std::string_view option, std::string_view value,
                              std::string_view choices) {
  return std::string(option) + ' ' + Quoted(value) + " is not one of " + std::string(choices);
}

std::string BadValueMessage(std::string_view name, std::string_view value, std::string_view what,
                            std::string_view forms) {
  return std::string(name) + ' ' + Quoted(value) + " is not " + std::string(what) +
         "; write it as " + std::string(forms);
}

std::string WriteFailureMessage(std::string_view reason) {
  return "cannot write the output: " + std::string(reason);
}

std::string FileWriteFailureMessage(std::string_view path, std::string_view reason) {
  return "cannot write " + Quoted(path) + ": " + std::string(reason);
}

std::string DateProblemMessage(std::string_view name, std::string_view value, std::string_view what,
                               std::string_view forms, const DateProblem& problem) {
  if (problem.kind == DateProblem::kUnreadable) return BadValueMessage(name, value, what, forms);
  return std::string(name) + ' ' + Quoted(value) + " is not " + std::string(what) + ": " +
         DateProblemReason(problem);
}

std::string UnknownNameMessage(std::string_view name) {
  return "neither the Finnish nor the Swedish list holds the name " + Quoted(name);
}

std::string CloseNamesHint(const std::vector<std::string>& names) {
  std::string hint = "Close names: ";
  for (std::size_t i = 0; i < names.size(); ++i) hint.append(i ? ", " : "").append(names[i]);
  return hint + '.';
}

std::string NoNextDayMessage(std::string_view kind, std::string_view first_date) {
  return "no day of the kind \"" + std::string(kind) + "\" from " + std::string(first_date) +
         " to the end of the calendar, 31.12.9999";
}

std::string CommandLineMessage(std::string_view problem) {
  return "cannot read the command line: " + Quoted(problem);
}

void ReportError(std::ostream& err, std::string_view message) {
  err << "kelotarhu: " << message << '\n';
}

}  // namespace kelotarhu::cli
