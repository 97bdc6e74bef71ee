#include "cli/text_encoding.h"

#include "platform/upper_case_1252.h"

namespace kelotarhu::cli {

std::optional<std::string> FoldCase(std::string_view text) {
  std::optional<std::string> folded = Windows1252FromUtf8(text);
  if (!folded) return std::nullopt;
  for (char& c : *folded) {
    c = static_cast<char>(platform::UpperCase1252(static_cast<unsigned char>(c)));
  }
  return folded;
}

}  // namespace kelotarhu::cli
