// --answer FUNCTION=ANSWER[,ANSWER...]: the user's answers to a display function's
// questions, in order; "\," stands for a comma inside an answer.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

struct AnswerArgument {
  std::string function;
  std::vector<std::string> answers;  // UTF-8, as typed
};

// Nothing when there is no "=" or no function name before it.
std::optional<AnswerArgument> ParseAnswerArgument(std::string_view text);

}  // namespace kelotarhu::cli
