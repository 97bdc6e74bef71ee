// The messages the tool's rooms share, put together from the wording in the language's
// texts; a room words its own where only it has the facts (a date's problem, a plug-in's
// fault). Each is one line after "kelotarhu: "; a bad usage adds the hint line
// (Texts::usage_hint).
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/text/texts.h"
#include "cli/text/utf8.h"

namespace kelotarhu::cli {

// A file's path, quoted so: cut only beyond the longest path Windows takes without its
// long-path prefix, since the end of a path tells which file it is.
inline constexpr std::size_t kQuotedPathLength = 260;
std::string QuotedPath(std::string_view path);

// The wording of each message in the language of `texts`; names are option names
// (--month) or the date argument's name, values are what the user typed.
std::string UnknownOptionMessage(const Texts& texts, std::string_view option);
std::string UnexpectedArgumentMessage(const Texts& texts, std::string_view argument);
std::string MissingValueMessage(const Texts& texts, std::string_view option);
std::string UnwantedValueMessage(const Texts& texts, std::string_view option);
std::string ConflictMessage(const Texts& texts, std::string_view option, std::string_view other);
std::string NeedsMessage(const Texts& texts, std::string_view option, std::string_view needed);
std::string NotAChoiceMessage(const Texts& texts, std::string_view option, std::string_view value,
                              std::string_view choices);
std::string BadValueMessage(const Texts& texts, std::string_view name, std::string_view value,
                            std::string_view what, std::string_view forms);
std::string WriteFailureMessage(const Texts& texts, std::string_view reason);

// Why the system refused a file operation (an errno value), in the language of `texts`
// for the common reasons, else as the system words it.
std::string SystemErrorText(const Texts& texts, int error);
std::string FileWriteFailureMessage(const Texts& texts, std::string_view path,
                                    std::string_view reason);

// A name that neither name-day list holds, and the line of close names after it.
std::string UnknownNameMessage(const Texts& texts, std::string_view name);
std::string CloseNamesHint(const Texts& texts, const std::vector<std::string>& names);

// No day of the kind (a --next value) from the date on.
std::string NoNextDayMessage(const Texts& texts, std::string_view kind,
                             std::string_view first_date);

// Any other fault of the command line, as the option parser words it.
std::string CommandLineMessage(const Texts& texts, std::string_view problem);

// Writes "kelotarhu: <message>" as one line: control characters and bytes that are not
// UTF-8 escaped as in Quoted, nothing cut.
void ReportError(std::ostream& err, std::string_view message);

}  // namespace kelotarhu::cli
