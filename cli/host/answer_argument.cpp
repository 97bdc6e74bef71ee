#include "cli/host/answer_argument.h"

namespace kelotarhu::cli {

std::optional<AnswerArgument> ParseAnswerArgument(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return std::nullopt;
  AnswerArgument argument{std::string(text.substr(0, equals)), {std::string()}};
  const std::string_view answers = text.substr(equals + 1);
  for (std::size_t i = 0; i < answers.size(); ++i) {
    if (answers[i] == '\\' && i + 1 < answers.size() && answers[i + 1] == ',') {
      argument.answers.back() += ',';
      ++i;
    } else if (answers[i] == ',') {
      argument.answers.emplace_back();
    } else {
      argument.answers.back() += answers[i];
    }
  }
  return argument;
}

}  // namespace kelotarhu::cli
