#include "cli/command/option_docs.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "cli/command/options.h"

namespace kelotarhu::cli {
namespace {

// "--month" in roff, whose hyphens must not become dashes: "\-\-month".
std::string RoffName(std::string_view name) {
  std::string roff;
  for (const char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
  return roff;
}

// The parts one after the other (where `"(" + Joined(...)` would trip GCC 12's -Wrestrict).
std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

std::string Joined(const std::vector<std::string_view>& words, std::string_view separator) {
  std::string joined;
  for (const std::string_view word : words) {
    joined.append(joined.empty() ? "" : separator).append(word);
  }
  return joined;
}

// The entry's first line: the names in bold, the value in italics or its choices.
std::string ManualSynopsis(const OptionSpec& option) {
  const std::string names = option.short_name.empty()
                                ? RoffName(option.name)
                                : RoffName(option.short_name) + " \", \" " + RoffName(option.name);
  if (option.value == ValueKind::kNone) {
    return (option.short_name.empty() ? ".B " : ".BR ") + names;
  }
  if (option.choices) {
    const std::string_view separator = option.value == ValueKind::kList ? "," : "|";
    return ".B " + names + ' ' + Joined(option.choices(), separator);
  }
  const std::string value(option.manual_value);
  if (option.value == ValueKind::kOptional) return ".BR " + names + " \" [\\fI" + value + "\\fR]\"";
  if (option.short_name.empty() && !option.repeatable) return ".BI " + names + " \" " + value + '"';
  const std::string more = option.value == ValueKind::kSeveral ? "..." : "";
  return ".BR " + names + " \" \\fI" + value + "\\fR" + more + '"';
}

bool Listed(const std::vector<std::string_view>& names, std::string_view name) {
  return std::ranges::find(names, name) != names.end();
}

// Whether two options cannot be given together: two that show something, unless one
// goes with the other; one that excludes the other; one that needs an option the other
// excludes.
bool DirectlyExclusive(const OptionSpec& a, const OptionSpec& b) {
  if (a.id == b.id || a.name.empty() || b.name.empty()) return false;
  if (a.shows && b.shows && !Listed(a.goes_with, b.name) && !Listed(b.goes_with, a.name)) {
    return true;
  }
  return Listed(a.not_with, b.name) || Listed(b.not_with, a.name);
}

bool Exclusive(const OptionSpec& a, const OptionSpec& b) {
  if (a.id == b.id) return false;
  const auto through_needs = [](const OptionSpec& option, const OptionSpec& other) {
    return option.needs && DirectlyExclusive(*OptionNamed(option.needs->option), other);
  };
  return DirectlyExclusive(a, b) || through_needs(a, b) || through_needs(b, a);
}

// The options a DATE cannot go with: those that show something without taking one and
// go with nothing that would.
bool ExcludesDate(const OptionSpec& option) {
  return option.shows && !option.takes_date && option.goes_with.empty();
}

// Single-quoted for the shell, and `special` characters escaped for _arguments: brackets
// in a description, colons in a message.
std::string ZshQuoted(std::string_view text, std::string_view special) {
  std::string quoted;
  for (const char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      if (special.find(c) != std::string_view::npos || c == '\\') quoted += '\\';
      quoted += c;
    }
  }
  return quoted;
}

std::string ZshDescription(std::string_view text) { return ZshQuoted(text, "[]"); }
std::string ZshMessage(std::string_view text) { return ZshQuoted(text, ":"); }

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lowered;
}

// ":message:action" for the option's value, "::" where it may be left out.
std::string ZshValue(const OptionSpec& option) {
  if (option.value == ValueKind::kNone) return "";
  const std::string start = option.value == ValueKind::kOptional ? "::" : ":";
  const std::string message = ZshMessage(
      Lowered(option.manual_value.empty() ? option.name.substr(2) : option.manual_value));
  if (option.choices) {
    return option.value == ValueKind::kList
               ? start + message + ":_sequence compadd - " + Joined(option.choices(), " ")
               : start + message + ":(" + Joined(option.choices(), " ") + ")";
  }
  switch (option.completion) {
    case Completion::kFile:
      return start + message + ":_files";
    case Completion::kLibrary:
      return start + message + ":_files -g \"*.(so|dll)(-.)\"";
    case Completion::kDisplayFunction:
      return start + message + ":(" + Joined(DisplayFunctionChoices(), "= ") + "=)";
    case Completion::kNothing:
      break;
  }
  return start + message + ": ";
}

std::string ZshExclusions(const OptionSpec& option) {
  if (option.exits) return "(- *)";
  std::vector<std::string_view> excluded;
  for (const OptionSpec& other : Options()) {
    if (!Exclusive(option, other)) continue;
    if (!other.short_name.empty()) excluded.push_back(other.short_name);
    excluded.push_back(other.name);
  }
  if (ExcludesDate(option)) excluded.push_back("1");
  return excluded.empty() ? std::string() : Concat({"(", Joined(excluded, " "), ")"});
}

std::string ZshSpecification(const OptionSpec& option) {
  const std::string description = ZshDescription(kEnglishTexts.*option.help);
  const std::string value = ZshValue(option);
  const std::string_view repeat = option.repeatable ? "*" : "";
  const std::string_view takes = option.value == ValueKind::kNone ? "" : "=";
  const std::string exclusions = ZshExclusions(option);
  const std::string names = option.short_name.empty()
                                ? std::string(option.name)
                                : Concat({"'{", option.short_name, ",", option.name, "}'"});
  return Concat({"'", exclusions, repeat, names, takes, "[", description, "]", value, "'"});
}

std::string ZshDate() {
  std::vector<std::string_view> excluded;
  for (const OptionSpec& option : Options()) {
    if (ExcludesDate(option)) excluded.push_back(option.name);
  }
  const OptionSpec& date = Option(OptionId::kDate);
  const std::string message =
      ZshMessage(Concat({Lowered(kEnglishTexts.date_name), " (", kEnglishTexts.*date.help, ")"}));
  return Concat({"'(", Joined(excluded, " "), ")1::", message, ": '"});
}

// The bash case for an option's value, or nothing for a flag.
std::string BashValueCase(const OptionSpec& option) {
  const std::string names = option.short_name.empty()
                                ? std::string(option.name)
                                : std::string(option.short_name) + " | " + std::string(option.name);
  std::string body;
  if (option.choices && option.value == ValueKind::kList) {
    body =
        "      # A comma-separated list: complete its last item.\n"
        "      local chosen=${cur%\"${cur##*,}\"}\n"
        "      mapfile -t COMPREPLY < <(compgen -P \"$chosen\" -W '" +
        Joined(option.choices(), " ") +
        "' -- \"${cur##*,}\")\n"
        "      compopt -o nospace\n";
  } else if (option.choices) {
    body = "      mapfile -t COMPREPLY < <(compgen -W '" + Joined(option.choices(), " ") +
           "' -- \"$cur\")\n";
  }
  switch (option.completion) {
    case Completion::kFile:
      body = "      _filedir\n";
      break;
    case Completion::kLibrary:
      body = "      _filedir '@(so|dll)'\n";
      break;
    case Completion::kDisplayFunction:
      body = "      mapfile -t COMPREPLY < <(compgen -W '" +
             Joined(DisplayFunctionChoices(), "= ") + "=' -- \"$cur\")\n      compopt -o nospace\n";
      break;
    case Completion::kNothing:
      break;
  }
  return "    " + names + ")\n" + body + "      return\n      ;;\n";
}

}  // namespace

std::string ManualOptions() {
  std::string section;
  for (const OptionSpec& option : Options()) {
    if (option.name.empty()) continue;  // the date is described above the options
    section += Concat({".TP\n", ManualSynopsis(option), "\n", option.manual, "\n"});
  }
  return section;
}

std::string BashCompletion() {
  std::string cases;
  std::vector<std::string_view> names;
  for (const OptionSpec& option : Options()) {
    if (option.name.empty()) continue;
    if (!option.short_name.empty()) names.push_back(option.short_name);
    names.push_back(option.name);
    cases += BashValueCase(option);
  }
  return "# bash completion for kelotarhu(1): its options, and the values of those that name "
         "them.\n# Made from the tool's table of options; edit that.\n\n"
         "_kelotarhu() {\n"
         "  local cur prev words cword split\n"
         "  _init_completion -s || return\n\n"
         "  case $prev in\n" +
         cases +
         "  esac\n"
         "  $split && return\n\n"
         "  if [[ $cur == -* ]]; then\n"
         "    mapfile -t COMPREPLY < <(compgen -W '" +
         Joined(names, " ") +
         "' -- \"$cur\")\n"
         "  fi\n"
         "}\n"
         "complete -F _kelotarhu kelotarhu\n";
}

std::string ZshCompletion() {
  std::string text =
      "#compdef kelotarhu\n"
      "# zsh completion for kelotarhu(1): its options, the values of those that name them,\n"
      "# and what each excludes. Made from the tool's table of options; edit that.\n\n"
      "_arguments -s -S";
  for (const OptionSpec& option : Options()) {
    if (!option.name.empty()) text += " \\\n  " + ZshSpecification(option);
  }
  return text + " \\\n  " + ZshDate() + '\n';
}

}  // namespace kelotarhu::cli
