#include "cli/messages.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "cli/calendar_day.h"
#include "cli/language.h"

namespace kelotarhu::cli {
namespace {

constexpr std::string_view kCut = "...";

// Why a date that was read as numbers does not exist.
std::string DateProblemReason(const Texts& texts, const DateProblem& problem) {
  switch (problem.kind) {
    case DateProblem::kUnreadable:
      break;
    case DateProblem::kYearOutOfRange:
      return std::string(texts.year_out_of_range);
    case DateProblem::kNoSuchMonth:
      return Fill(texts.no_such_month, {std::to_string(problem.month)});
    case DateProblem::kNoSuchDay: {
      const int days = calendar::MonthLength(
          {static_cast<std::uint8_t>(problem.month), static_cast<std::uint16_t>(problem.year)});
      return Fill(texts.no_such_day, {texts.months[static_cast<std::size_t>(problem.month - 1)],
                                      YearText(problem.year), std::to_string(days)});
    }
    case DateProblem::kNotLeapYear:
      return Fill(texts.not_leap_year, {YearText(problem.year)});
    case DateProblem::kBeyondCalendar:
      return std::string(texts.beyond_calendar);
    case DateProblem::kShortYear:
      break;
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

std::string Quoted(std::string_view argument, std::size_t longest) {
  std::string shown;
  std::size_t width = 0;
  std::size_t size_before_cut = 0;  // the longest beginning that leaves room for kCut
  while (!argument.empty()) {
    const auto [character, bytes] = NextShown(argument);
    argument.remove_prefix(bytes);
    width += ShownWidth(character);
    if (width > longest) {
      shown.resize(size_before_cut);
      return '"' + shown + std::string(kCut) + '"';
    }
    shown += character;
    if (width + kCut.size() <= longest) size_before_cut = shown.size();
  }
  return '"' + shown + '"';
}

std::string QuotedPath(std::string_view path) { return Quoted(path, kQuotedPathLength); }

std::string UnknownOptionMessage(const Texts& texts, std::string_view option) {
  return Fill(texts.unknown_option, {Quoted(option)});
}

std::string UnexpectedArgumentMessage(const Texts& texts, std::string_view argument) {
  return Fill(texts.unexpected_argument, {Quoted(argument)});
}

std::string MissingValueMessage(const Texts& texts, std::string_view option) {
  return Fill(texts.value_missing, {option});
}

std::string UnwantedValueMessage(const Texts& texts, std::string_view option) {
  return Fill(texts.value_unwanted, {option});
}

std::string ConflictMessage(const Texts& texts, std::string_view option, std::string_view other) {
  return Fill(texts.conflict, {option, other});
}

std::string NeedsMessage(const Texts& texts, std::string_view option, std::string_view needed) {
  return Fill(texts.works_only_with, {option, needed});
}

std::string NotAChoiceMessage(const Texts& texts, std::string_view option, std::string_view value,
                              std::string_view choices) {
  return Fill(texts.not_a_choice, {option, Quoted(value), choices});
}

std::string BadValueMessage(const Texts& texts, std::string_view name, std::string_view value,
                            std::string_view what, std::string_view forms) {
  return Fill(texts.bad_argument, {name, Quoted(value), what, forms});
}

std::string WriteFailureMessage(const Texts& texts, std::string_view reason) {
  return Fill(texts.write_failure, {reason});
}

std::string SystemErrorText(const Texts& texts, int error) {
  switch (error) {
    case ENOENT:
      return std::string(texts.no_such_file_or_folder);
    case EACCES:
      return std::string(texts.permission_denied);
    case ENOSPC:
      return std::string(texts.no_space_left);
    case EROFS:
      return std::string(texts.read_only_file_system);
    case EFBIG:
      return std::string(texts.file_too_large);
    case EISDIR:
      return std::string(texts.is_a_folder);
    default:
      return std::generic_category().message(error);
  }
}

std::string FileWriteFailureMessage(const Texts& texts, std::string_view path,
                                    std::string_view reason) {
  return Fill(texts.file_write_failure, {QuotedPath(path), reason});
}

std::string DateProblemMessage(const Texts& texts, std::string_view name, std::string_view value,
                               std::string_view what, std::string_view forms,
                               const DateProblem& problem) {
  if (problem.kind == DateProblem::kUnreadable) {
    return BadValueMessage(texts, name, value, what, forms);
  }
  // Only digits and separators: shown as they are, beside the same with the year in full.
  if (problem.kind == DateProblem::kShortYear) {
    return Fill(texts.short_year, {value, problem.written_in_full});
  }
  return Fill(texts.date_problem, {name, Quoted(value), what, DateProblemReason(texts, problem)});
}

std::string UnknownNameMessage(const Texts& texts, std::string_view name) {
  return Fill(texts.unknown_name, {Quoted(name)});
}

std::string CloseNamesHint(const Texts& texts, const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined.append(joined.empty() ? "" : ", ").append(name);
  return Fill(texts.close_names, {joined});
}

std::string NoNextDayMessage(const Texts& texts, std::string_view kind,
                             std::string_view first_date) {
  return Fill(texts.no_next_day, {kind, first_date});
}

std::string CommandLineMessage(const Texts& texts, std::string_view problem) {
  return Fill(texts.bad_command_line, {Quoted(problem)});
}

void ReportError(std::ostream& err, std::string_view message) {
  // Escaped, so that a line break in a system's message or a file name cannot split it.
  std::string line;
  while (!message.empty()) {
    const auto [character, bytes] = NextShown(message);
    message.remove_prefix(bytes);
    line += character;
  }
  err << "kelotarhu: " << line << '\n';
}

}  // namespace kelotarhu::cli
