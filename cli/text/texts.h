// Everything the tool says to a person, one table per language: calendar words, the
// labels of the day view, the month grid, the year list, the name search, the next day
// and the events of a calendar file, --help and the messages, also the reference
// host's. Machine formats (CSV, JSON), the reference host's trace of the calls and the
// plug-in's own texts are the same in every language.
//
// Adding a language: a texts_xx.cpp with its table, an entry in kLanguages
// (language.cpp), and a column of feast-names.tsv for its feast names.
#pragma once

#include <array>
#include <string_view>

#include "cli/text/feast_names.h"

namespace kelotarhu::cli {

// A number and its noun, "{}" standing for the number: `one` for exactly one, `many`
// for any other count (see ForCount).
struct CountedText {
  std::string_view one;
  std::string_view many;
};

// Texts with "{}" get their values filled in, in order (see Fill).
struct Texts {
  std::string_view code;  // the value of --lang
  FeastNameColumn feast_name;

  // Calendar words as they are written mid-sentence: lower case in Finnish and Swedish.
  std::array<std::string_view, 7> weekdays;  // Monday first
  std::array<std::string_view, 7> weekday_abbreviations;
  std::array<std::string_view, 12> months;
  bool month_names_in_dates;  // "6 December 2026" rather than "6.12.2026"
  // A day of the month without its year where dates are numbers: "6.12." in Finnish,
  // "6.12" in Swedish ({day} {month}).
  std::string_view day_and_month;
  std::string_view week;
  std::string_view week_abbreviation;

  // What a day is; lower case, capitalised at the start of a line.
  std::string_view red_day;
  std::string_view next_red_day;  // after "Next": Swedish weakens the adjective
  std::string_view flag_day;
  std::string_view official_flag_day;  // the almanac's two kinds of flag day
  std::string_view customary_flag_day;
  std::string_view public_holiday;  // a holiday by law, for --next
  std::string_view and_word;
  std::string_view today;
  std::string_view finnish_names;  // the labels of the two name-day lists
  std::string_view swedish_names;
  std::string_view tomorrow;
  std::string_view feast_day;  // a day the almanac names; with the others, the kinds of --next
  std::string_view name_day;

  // The name search: where a name is, "Anna  9.12.  {lists}".
  std::string_view finnish_list;
  std::string_view swedish_list;
  std::string_view both_lists;
  // The next day of a kind: "Next {kind}: {today, tomorrow or in_days}".
  std::string_view next_day;
  std::string_view in_days;  // {count}
  // The column headings of a text listing and a spreadsheet; the name lists' columns
  // are headed by finnish_names and swedish_names, the marks by the legend.
  std::string_view date_heading;
  std::string_view weekday_heading;
  std::string_view feasts_heading;
  std::string_view flag_kind_heading;  // official or customary, in a spreadsheet
  std::string_view days_away_heading;
  // Events of a calendar file: the names of a day in each list ({names}).
  std::string_view finnish_names_event;
  std::string_view swedish_names_event;

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
  std::string_view name_type;
  std::string_view name_help;
  std::string_view month_type;
  std::string_view month_help;
  std::string_view year_type;
  std::string_view year_help;
  std::string_view days_help;
  std::string_view next_help;
  std::string_view calendar_help;
  std::string_view format_help;
  std::string_view events_help;
  std::string_view output_type;
  std::string_view output_help;
  std::string_view color_help;
  std::string_view lang_help;
  std::string_view plugin_type;
  std::string_view plugin_help;
  std::string_view answer_type;
  std::string_view answer_help;
  std::string_view help_help;
  std::string_view version_help;

  // Messages: one line after "kelotarhu: "; values arrive quoted (see Quoted).
  std::string_view bad_argument;  // {name} {value} is not {what}; write it as {forms}
  std::string_view date_problem;  // {name} {value} is not {what}: {reason}
  std::string_view what_date;
  std::string_view what_month;
  std::string_view what_year;
  std::string_view what_days;
  std::string_view what_time;
  std::string_view what_answer;
  std::string_view date_forms;
  std::string_view month_forms;
  std::string_view year_forms;
  std::string_view days_forms;
  std::string_view source_date_epoch_forms;
  std::string_view answer_forms;
  // Why a date does not exist.
  std::string_view year_out_of_range;
  std::string_view no_such_month;  // {month}
  std::string_view no_such_day;    // {month name} {year} {days}
  std::string_view not_leap_year;  // {year}
  std::string_view beyond_calendar;
  std::string_view short_year;           // {value} {value with the year in full}
  std::string_view unknown_option;       // {option}
  std::string_view unexpected_argument;  // {argument}
  std::string_view conflict;             // {option} {other option}
  std::string_view works_only_with;      // {option} {needed option}
  std::string_view not_a_choice;         // {option} {value} {choices}
  std::string_view value_missing;        // {option}
  std::string_view value_unwanted;       // {option}
  std::string_view bad_command_line;     // {what the parser said}
  std::string_view unknown_name;         // {name}
  std::string_view close_names;          // {names}
  std::string_view no_next_day;          // {kind} {date}
  std::string_view write_failure;        // {reason}
  std::string_view file_write_failure;   // {file} {reason}
  std::string_view output_is_folder;     // {file}
  std::string_view usage_hint;           // the line after a bad usage
  // The common reasons the system gives for a failed write; any other is given as the
  // system words it.
  std::string_view no_such_file_or_folder;
  std::string_view permission_denied;
  std::string_view no_space_left;
  std::string_view read_only_file_system;
  std::string_view file_too_large;
  std::string_view is_a_folder;
  std::string_view before_almanac;  // {first year of the almanac}

  // The reference host's messages (--plugin); its trace of the calls is the same in
  // every language. {call} is a call as the trace writes it ("getinfo 2").
  std::string_view no_such_file;        // {file}
  std::string_view not_a_regular_file;  // {file}
  std::string_view not_a_library;       // {file} {the system's reason}
  std::string_view missing_export;      // {file} {export}
  std::string_view empty_function_list;
  std::string_view malformed_function_list;  // {list} {fault}
  std::string_view empty_function_name;      // the faults of a function list
  std::string_view control_character_in_name;
  std::string_view function_named_twice;         // {function}
  std::string_view function_not_exported;        // {function}
  std::string_view function_unknown;             // {function}
  std::string_view null_text;                    // {call}
  std::string_view text_too_long;                // {call} {limit}
  std::string_view unreadable_text;              // {call}
  std::string_view failed_start;                 // {count}
  std::string_view malformed_descriptor;         // {call} {descriptor}
  std::string_view question_count;               // {call} {questions} {function} {questions_asked}
  std::string_view too_many_answers;             // {answers} {function} {questions_asked}
  CountedText questions;                         // "1 question", as a subject
  CountedText questions_asked;                   // the object of "asks"
  CountedText answers;                           // the object of "gives"
  std::string_view answer_outside_windows_1252;  // {function}
  std::string_view answer_for_no_function;       // {function}
  std::string_view crashed;                      // {while_loading, while_unloading or in_call}
  std::string_view while_loading;
  std::string_view while_unloading;
  std::string_view in_call;  // {call}
};

extern const Texts kFinnishTexts;
extern const Texts kSwedishTexts;
extern const Texts kEnglishTexts;

}  // namespace kelotarhu::cli
