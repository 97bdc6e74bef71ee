// Every message the tool writes to standard error, worded in one place. Each is one line
// after "kelotarhu: "; a bad usage adds the hint line.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/date_argument.h"

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
std::string FileWriteFailureMessage(std::string_view path, std::string_view reason);

// A date, month or year that does not exist, and why: "DATE "29.2.2027" is not a date:
// 2027 is not a leap year"; `forms` when the text is none of them.
std::string DateProblemMessage(std::string_view name, std::string_view value, std::string_view what,
                               std::string_view forms, const DateProblem& problem);
inline constexpr std::string_view kSourceDateEpochForm =
    "seconds since 1970-01-01 00:00 UTC, up to 253402300799 (the end of 9999)";

// A name that neither name-day list holds, and the line of close names after it.
std::string UnknownNameMessage(std::string_view name);
std::string CloseNamesHint(const std::vector<std::string>& names);

// No day of the kind (a --next value) from the date on.
std::string NoNextDayMessage(std::string_view kind, std::string_view first_date);
// Any other fault of the command line, as the option parser words it.
std::string CommandLineMessage(std::string_view problem);

// Writes "kelotarhu: <message>" as one line.
void ReportError(std::ostream& err, std::string_view message);

}  // namespace kelotarhu::cli
