// The command line as the user typed it: parsed by the table of options, checked for
// options that do not go together, and the language asked for with --lang.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command/environment.h"
#include "cli/command/options.h"
#include "cli/text/texts.h"

namespace CLI {
class Option;
}  // namespace CLI

namespace kelotarhu::cli {

// What the user typed for each option of the table.
class Request {
 public:
  bool Has(OptionId id) const { return At(id).present; }
  // The last value of an option given; "" for one given without a value.
  std::optional<std::string> Value(OptionId id) const {
    if (!Has(id)) return std::nullopt;
    return At(id).values.empty() ? std::string() : At(id).values.back();
  }
  const std::vector<std::string>& Values(OptionId id) const { return At(id).values; }

  // An option given that goes with none of those given beside it: at most one of those
  // that show something may count.
  bool Counts(const OptionSpec& option) const {
    return Has(option.id) && std::ranges::none_of(option.goes_with, [this](std::string_view name) {
             return Has(OptionNamed(name)->id);
           });
  }

  // Where the parser puts an option's values, and the option it counts.
  std::vector<std::string>& Storage(OptionId id) { return given_[Index(id)].values; }
  void Bind(OptionId id, const CLI::Option* option) { options_[Index(id)] = option; }
  // Reads from the options bound what was given, after the parser ran.
  void Parsed();

 private:
  struct Given {
    bool present = false;
    std::vector<std::string> values;
  };
  static std::size_t Index(OptionId id) { return static_cast<std::size_t>(id); }
  const Given& At(OptionId id) const { return given_[Index(id)]; }

  std::array<Given, kOptionCount> given_;
  std::array<const CLI::Option*, kOptionCount> options_{};
};

// The value of an option that names values, as the enum its choices are in the order
// of; its default when not given.
template <typename Enum>
std::optional<Enum> Chosen(const Request& request, OptionId id) {
  const std::optional<std::string> value = request.Value(id);
  if (!value) return Enum{};
  const std::optional<std::size_t> index = ChoiceIndex(Option(id), *value);
  if (!index) return std::nullopt;
  return static_cast<Enum>(*index);
}

// Reports a message of bad usage on `err`; returns the exit status for it.
int BadUsage(std::ostream& err, std::string_view message);

// Parses UTF-8 arguments (program name first) into `request`: nothing when the command
// is to run, else the exit status after --help, --version or a parse error (reported on
// `err`, in the language of `texts`).
std::optional<int> ParseCommandLine(const std::vector<std::string>& arguments,
                                    const Environment& environment, const Texts& texts,
                                    Request& request, std::ostream& out, std::ostream& err);

// What is wrong with the combination of options, if anything: at most one that shows
// something (with a date only one that takes it), none beside one it excludes, and each
// with what it needs.
std::optional<std::string> CombinationProblem(const Request& request, const Texts& texts);

// The --lang value on the command line, read before the parser is set up, since the
// parser's own help and messages are in the language.
std::optional<std::string_view> LanguageArgument(const std::vector<std::string>& arguments);

}  // namespace kelotarhu::cli
