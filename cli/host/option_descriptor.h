// The plug-in's option descriptors: "question=default|" per question, in order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

struct Question {
  std::string text;            // Windows-1252, as the plug-in wrote it
  std::string default_answer;  // every byte up to the "|", blanks included
};

// The questions of a descriptor; nothing when an entry lacks its "=" or the text does
// not end with "|". The empty descriptor asks no question.
std::optional<std::vector<Question>> ParseDescriptor(std::string_view descriptor);

}  // namespace kelotarhu::cli
