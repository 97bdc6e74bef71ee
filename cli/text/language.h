// The languages the tool speaks, and the helpers that fill their texts in.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "cli/text/texts.h"
#include "cli/text/utf8.h"

namespace kelotarhu::cli {

// Every language of the tool, Finnish first.
std::span<const Texts* const> Languages();

// The language whose code (the value of --lang) this is, or nothing.
const Texts* TextsForCode(std::string_view code);

// `pattern` with each "{}" replaced by the next of `values`.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// The number with its noun in the form for that count: "1 question", "2 questions".
std::string ForCount(const CountedText& text, std::size_t count);

}  // namespace kelotarhu::cli
