// The tool's options, each written once: its names, its value and the values it names,
// what it goes with and what it excludes, its help in every language and its entry in
// the manual page. The option parser, the checks of a command line, --help, the manual
// page's OPTIONS and the bash and zsh completions all come from this table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/text/texts.h"

namespace kelotarhu::cli {

// In the order of the table, which is the order of --help and the manual page.
enum class OptionId {
  kHelp,
  kVersion,
  kDate,  // the one argument that is no option
  kName,
  kMonth,
  kYear,
  kDays,
  kNext,
  kCalendar,
  kFormat,
  kEvents,
  kOutput,
  kColor,
  kLang,
  kPlugin,
  kAnswer,
};
inline constexpr std::size_t kOptionCount = 16;
static_assert(static_cast<std::size_t>(OptionId::kAnswer) + 1 == kOptionCount);

enum class ValueKind {
  kNone,      // a flag
  kRequired,  // one value each time
  kOptional,  // a value or none ("--month" alone: this month)
  kList,      // comma-separated values
  kSeveral,   // one or more values after the option
};

// What a shell offers as a value other than the option's choices, which it offers as
// they are.
enum class Completion { kNothing, kFile, kLibrary, kDisplayFunction };

// Another option, and the value it must have ("--format ics"), empty for any.
struct OptionValue {
  std::string_view option;
  std::string_view value;
};

struct OptionSpec {
  OptionId id = OptionId::kHelp;
  std::string_view name = {};        // "--month"; for the date, empty
  std::string_view short_name = {};  // "-n", or empty
  ValueKind value = ValueKind::kNone;
  bool repeatable = false;  // given again, it adds values; else the last one counts
  // The values it names, in the order of the enum that reads them; the first is the
  // default. Nothing for a free value.
  std::vector<std::string_view> (*choices)() = nullptr;
  Completion completion = Completion::kNothing;
  std::string_view Texts::*help = nullptr;
  std::string_view Texts::*value_name = nullptr;  // in --help, where there are no choices
  std::string_view fixed_value_name = {};         // the same, in every language
  // What to show: at most one of these goes on a command line, but those it goes with.
  bool shows = false;
  bool takes_date = false;  // with DATE as its first day
  std::vector<std::string_view> goes_with = {};
  std::vector<std::string_view> not_with = {};  // refused when both are given
  std::optional<OptionValue> needs = {};
  bool exits = false;  // --help, --version: nothing else happens
  // The manual page: the value's name in its synopsis line, and the entry (roff).
  std::string_view manual_value = {};
  std::string_view manual = {};
};

// Every option, in the order of OptionId.
std::span<const OptionSpec> Options();
const OptionSpec& Option(OptionId id);
// The option named so, or nothing.
const OptionSpec* OptionNamed(std::string_view name);

// The names of an option's values, `separator` between them: "text|csv|json".
std::string ChoiceNames(const OptionSpec& option, std::string_view separator);

// The index of the named value among the option's choices, or nothing.
std::optional<std::size_t> ChoiceIndex(const OptionSpec& option, std::string_view value);

// The names of the display functions that --answer gives answers to.
std::vector<std::string_view> DisplayFunctionChoices();

}  // namespace kelotarhu::cli
