// Everything the tool says to a person, one table per language: calendar words, the
// labels of the day view, the month grid and the year list, --help and the messages.
// Machine formats (CSV, JSON) and the plug-in's own texts are the same in every language.
//
// Adding a language: a texts_xx.cpp with its table, an entry in kLanguages
// (language.cpp), and a column of cli/feast-names.tsv for its feast names.
#pragma once

#include <array>
#include <string_view>

#include "cli/feast_names.h"

namespace kelotarhu::cli {

// Texts with "{}" get their values filled in, in order (see Fill).
struct Texts {
  std::string_view code;  // the value of --lang
  FeastNameColumn feast_name;

  // Calendar words as they are written mid-sentence: lower case in Finnish and Swedish.
  std::array<std::string_view, 7> weekdays;  // Monday first
  std::array<std::string_view, 7> weekday_abbreviations;
  std::array<std::string_view, 12> months;
  bool month_names_in_dates;  // "6 December 2026" rather than "6.12.2026"
  std::string_view week;
  std::string_view week_abbreviation;

  // What a day is; lower case, capitalised at the start of a line.
  std::string_view red_day;
  std::string_view flag_day;
  std::string_view and_word;
  std::string_view today;
  std::string_view finnish_names;  // the labels of the two name-day lists
  std::string_view swedish_names;

  // --help.
  std::string_view description;
  std::string_view footer;
  std::string_view usage_label;
  std::string_view options_placeholder;  // in "Usage: kelotarhu [OPTIONS] [DATE]"
  std::string_view positionals_label;
  std::string_view options_label;
  std::string_view excludes_label;
  std::string_view needs_label;
  std::string_view date_name;  // the date argument, in --help and messages
  std::string_view date_help;
  std::string_view month_type;
  std::string_view month_help;
  std::string_view year_type;
  std::string_view year_help;
  std::string_view format_help;
  std::string_view color_help;
  std::string_view lang_help;
  std::string_view plugin_type;
  std::string_view plugin_help;
  std::string_view answer_type;
  std::string_view answer_help;
  std::string_view help_help;
  std::string_view version_help;

  // Messages about the command line.
  std::string_view bad_argument;  // {name} "{value}" is not {what}; write it as {forms}
  std::string_view what_date;
  std::string_view what_month;
  std::string_view what_year;
  std::string_view what_answer;
  std::string_view date_forms;
  std::string_view month_forms;
  std::string_view year_forms;
  std::string_view answer_forms;
  std::string_view unexpected_argument;  // {argument}
  std::string_view excludes;             // {option} {other option}
  std::string_view requires_option;      // {option} {needed option}
  std::string_view not_a_choice;         // {option} {value} {choices}
  std::string_view value_missing;        // {option}
  std::string_view one_value_only;       // {option}
  std::string_view bad_command_line;     // {what the parser said}
};

extern const Texts kFinnishTexts;
extern const Texts kSwedishTexts;
extern const Texts kEnglishTexts;

}  // namespace kelotarhu::cli
