// A reference host: loads a plug-in and drives it through its whole life cycle the way
// a host application does, printing what such a host would show.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/host/answer_argument.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

struct HostRequest {
  std::string plugin_path;              // UTF-8
  std::vector<AnswerArgument> answers;  // overrides of the default answers
};

// What is wrong with answers given for the plug-in's display functions, seen before any
// plug-in is loaded: an answer for a function this host does not call, more answers
// than the function takes, or a character that Windows-1252 lacks; nothing when they fit.
std::optional<std::string> AnswersProblem(const std::vector<AnswerArgument>& answers,
                                          const Texts& texts);

// The display functions this host calls, by name: "GetNameDay", "GetHoliday", "GetFlag".
std::vector<std::string_view> DisplayCallNames();

// Returns the exit status: 0, 1 when the plug-in cannot be used or breaks the host
// contract (a null or over-long text, a malformed function list or descriptor, a failed
// start), 2 when an answer does not fit the plug-in's questions. Messages go to `err`,
// one line each, in the language of `texts`. A crash in the plug-in ends the process
// with status 1 after its message; everything printed before the call is out by then.
int RunReferenceHost(const HostRequest& request, const Texts& texts, std::ostream& out,
                     std::ostream& err);

}  // namespace kelotarhu::cli
