#include "cli/text/language.h"

#include <array>

namespace kelotarhu::cli {
namespace {

constexpr std::array<const Texts*, 3> kLanguages = {&kFinnishTexts, &kSwedishTexts, &kEnglishTexts};

}  // namespace

std::span<const Texts* const> Languages() { return kLanguages; }

const Texts* TextsForCode(std::string_view code) {
  for (const Texts* texts : kLanguages) {
    if (texts->code == code) return texts;
  }
  return nullptr;
}

std::string ForCount(const CountedText& text, std::size_t count) {
  return Fill(count == 1 ? text.one : text.many, {std::to_string(count)});
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string filled;
  const std::string_view* value = values.begin();
  for (std::size_t at = pattern.find("{}"); at != std::string_view::npos && value != values.end();
       at = pattern.find("{}")) {
    filled.append(pattern.substr(0, at)).append(*value++);
    pattern.remove_prefix(at + 2);
  }
  return filled.append(pattern);
}

}  // namespace kelotarhu::cli
