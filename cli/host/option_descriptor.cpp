#include "cli/host/option_descriptor.h"

namespace kelotarhu::cli {

std::optional<std::vector<Question>> ParseDescriptor(std::string_view descriptor) {
  std::vector<Question> questions;
  while (!descriptor.empty()) {
    const std::size_t entry_end = descriptor.find('|');
    if (entry_end == std::string_view::npos) return std::nullopt;
    const std::string_view entry = descriptor.substr(0, entry_end);
    // Questions hold no "=", so the first one ends the question.
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    questions.push_back(
        {std::string(entry.substr(0, equals)), std::string(entry.substr(equals + 1))});
    descriptor.remove_prefix(entry_end + 1);
  }
  return questions;
}

}  // namespace kelotarhu::cli
