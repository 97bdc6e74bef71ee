#include "cli/text/messages.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "cli/text/language.h"

namespace kelotarhu::cli {
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
  err << "kelotarhu: " << Shown(message) << '\n';
}

}  // namespace kelotarhu::cli
