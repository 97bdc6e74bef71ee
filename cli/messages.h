// Every message the tool writes to standard error, worded in one place. Each is one line
// after "kelotarhu: "; a bad usage adds the hint line.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace kelotarhu::cli {

// The line after every bad-usage message.
inline constexpr std::string_view kUsageHint = "Try 'kelotarhu --help'.";

// An argument as the user typed it, in double quotes, at most kQuotedLength characters
// between them: control characters and bytes that are not UTF-8 escaped (\n, \x1B), and
// a longer argument cut, ending in "...".
inline constexpr std::size_t kQuotedLength = 60;
std::string Quoted(std::string_view argument);

// The wording of each message; names are option names (--month) or DATE, values are
// what the user typed.
std::string UnknownOptionMessage(std::string_view option);
std::string UnexpectedArgumentMessage(std::string_view argument);
std::string MissingValueMessage(std::string_view option);
std::string UnwantedValueMessage(std::string_view option);
std::string ConflictMessage(std::string_view option, std::string_view other);
std::string NeedsMessage(std::string_view option, std::string_view needed);
std::string NotAChoiceMessage(std::string_view option, std::string_view value,
                              std::string_view choices);
std::string BadValueMessage(std::string_view name, std::string_view value, std::string_view what,
                            std::string_view forms);
std::string WriteFailureMessage(std::string_view reason);
// Any other fault of the command line, as the option parser words it.
std::string CommandLineMessage(std::string_view problem);

// Writes "kelotarhu: <message>" as one line: control characters and bytes that are not
// UTF-8 escaped as in Quoted, nothing cut.
void ReportError(std::ostream& err, std::string_view message);

}  // namespace kelotarhu::cli
