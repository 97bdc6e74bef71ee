// The tool in English, for every locale that is neither Finnish nor Swedish.
#include "cli/text/texts.h"

namespace kelotarhu::cli {

const Texts kEnglishTexts = {
    .code = "en",
    .feast_name = &FeastNames::english,
    .weekdays = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    .weekday_abbreviations = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"},
    .months = {"January", "February", "March", "April", "May", "June", "July", "August",
               "September", "October", "November", "December"},
    .month_names_in_dates = true,
    .day_and_month = "{}.{}.",  // unused: dates name their month
    .week = "week",
    .week_abbreviation = "wk",
    .red_day = "red day",
    .next_red_day = "red day",
    .flag_day = "flag day",
    .official_flag_day = "official flag day",
    .customary_flag_day = "customary flag day",
    .public_holiday = "public holiday",
    .and_word = "and",
    .today = "today",
    .finnish_names = "Finnish name days",
    .swedish_names = "Finland-Swedish name days",
    .tomorrow = "tomorrow",
    .feast_day = "special day",
    .name_day = "name day",
    .finnish_list = "Finnish list",
    .swedish_list = "Finland-Swedish list",
    .both_lists = "Finnish and Finland-Swedish list",
    .next_day = "Next {}: {}",
    .in_days = "in {} days",
    .date_heading = "Date",
    .weekday_heading = "Weekday",
    .feasts_heading = "Special days",
    .flag_kind_heading = "Kind of flag day",
    .days_away_heading = "Days away",
    .finnish_names_event = "Finnish name day: {}",
    .swedish_names_event = "Finland-Swedish name day: {}",
    .description =
        "What a day means in the Finnish calendar: weekday, feasts and red days, "
        "flag days, and the Finnish and Finland-Swedish name days. Without "
        "arguments: today.\n\n"
        "The name days are those of the 2000 editions of the Finnish and the Finland-Swedish "
        "name-day lists of the University of Helsinki almanac office (of the Finland-Swedish "
        "list, the principal name of each day); names added in later editions are not in them.",
    .footer =
        "Examples:\n"
        "  kelotarhu                      today\n"
        "  kelotarhu 6.12.2026            any date of the years 1 to 9999 (or 2026-12-06)\n"
        "  kelotarhu tomorrow             also huomenna, i morgon, +7, -1, 6.12. (this year)\n"
        "  kelotarhu --name Anna -n åke   whose name day, when\n"
        "  kelotarhu --days 14            the next two weeks\n"
        "  kelotarhu --next flag          the next flag day, and how far away it is\n"
        "  kelotarhu --month              this month with ISO week numbers (--month 2026-12)\n"
        "  kelotarhu --year 2026 --format csv --output 2026.csv\n"
        "  kelotarhu --year 2026 --format ics --events feasts,finnish -o 2026.ics\n"
        "  kelotarhu --month 12 --format spreadsheet -o december.csv\n"
        "  kelotarhu --lang fi            in Finnish\n"
        "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
        "\n"
        "Exit status: 0 done; 1 the plug-in cannot be used, a name is in neither list, there "
        "is no such day before the calendar ends, or the output cannot be written; 2 a bad "
        "option or argument.",
    .usage_label = "Usage",
    .options_placeholder = "OPTIONS",
    .positionals_label = "Arguments",
    .options_label = "Options",
    .excludes_label = "Excludes",
    .needs_label = "Needs",
    .date_name = "DATE",
    .date_help =
        "The date to show: D.M.YYYY, YYYY-MM-DD, D.M. (this year), today, tomorrow, yesterday "
        "(also in Finnish and Swedish), +N or -N days; default: today",
    .name_type = "NAME",
    .name_help =
        "Find when a name has its name day: the days on which the Finnish or the "
        "Finland-Swedish list holds the name (in any case; several names may be given)",
    .month_type = "[YYYY-MM|M.YYYY|M]",
    .month_help = "Draw a month as a calendar grid; default: this month",
    .year_type = "[YYYY]",
    .year_help = "List every day of a year; default: this year",
    .days_help = "List N days starting at DATE (default: today)",
    .next_help =
        "Show the next red day, public holiday (holiday, from the almanac only), flag day, "
        "special day (a day the almanac names: a holiday, feast or theme day) or name day, "
        "counting from DATE (default: today) itself, and how many days away it is; with "
        "--name, the next name day of those names",
    .calendar_help =
        "The calendar that answers: almanac (default: the Finnish almanac as it stood in each "
        "year, from 1900 on) or plugin (the plug-in's fixed calendar, the same every year)",
    .format_help =
        "Output as text (default), csv (RFC 4180), spreadsheet (CSV that Excel in a Finnish locale "
        "opens: UTF-8 with a byte-order mark, \";\" between fields), json or ics (iCalendar)",
    .events_help =
        "Which events --format ics writes: feasts (the special days, default), flags (flag "
        "days), finnish and swedish (the name days of each list)",
    .output_type = "FILE",
    .output_help = "Write to FILE instead of standard output",
    .color_help = "Colour red days and today: auto (default: on a terminal), always or never",
    .lang_help =
        "Language: fi (Finnish), sv (Swedish) or en (English); default: from LANGUAGE, "
        "LC_ALL, LC_MESSAGES or LANG",
    .plugin_type = "PATH",
    .plugin_help = "Load a plug-in library and drive it as a host application does",
    .answer_type = "FUNCTION=ANSWER[,ANSWER...]",
    .answer_help =
        "Answers to a display function's questions in order, instead of the "
        "defaults (repeatable; \\, is a comma inside an answer)",
    .help_help = "Show this help and exit",
    .version_help = "Show the version and exit",
    .bad_argument = "{} {} is not {}; write it as {}",
    .date_problem = "{} {} is not {}: {}",
    .what_date = "a date",
    .what_month = "a month",
    .what_year = "a year",
    .what_days = "a number of days",
    .what_time = "a time",
    .what_answer = "an answer to a display function",
    .date_forms =
        "YYYY-MM-DD (2026-12-06), D.M.YYYY (6.12.2026), D.M. (this year), today, tomorrow, "
        "yesterday, or +N or -N days from today",
    .month_forms = "YYYY-MM (2026-12), M.YYYY (12.2026) or M (this year's)",
    .year_forms = "YYYY (2026)",
    .days_forms = "a whole number from 1 to 10000",
    .source_date_epoch_forms =
        "seconds since 1970-01-01 00:00 UTC, up to 253402300799 (the end of 9999)",
    .answer_forms = "FUNCTION=ANSWER[,ANSWER...] (GetNameDay=K,E,0)",
    .year_out_of_range = "the calendar covers the years 1 to 9999",
    .no_such_month = "there is no month {}",
    .no_such_day = "{} {} has {} days",
    .not_leap_year = "{} is not a leap year",
    .beyond_calendar = "the calendar goes from 1.1.0001 to 31.12.9999",
    .short_year = "{}: write the year in full, for example {}",
    .unknown_option = "unknown option {}",
    .unexpected_argument = "unexpected argument {} (one date at most)",
    .conflict = "{} and {} cannot be used together",
    .works_only_with = "{} works only with {}",
    .not_a_choice = "{} {} is not one of {}",
    .value_missing = "{} needs a value",
    .value_unwanted = "{} takes no value",
    .bad_command_line = "cannot read the command line: {}",
    .unknown_name = "neither the Finnish nor the Finland-Swedish list holds the name {}",
    .close_names = "Similar names: {}.",
    .no_next_day = "--next {}: no such day from {} to the end of the calendar, 31.12.9999",
    .write_failure = "cannot write the output: {}",
    .file_write_failure = "cannot write {}: {}",
    .output_is_folder = "--output {} is a folder; name a file",
    .usage_hint = "Try 'kelotarhu --help'.",
    .no_such_file_or_folder = "no such file or folder",
    .permission_denied = "permission denied",
    .no_space_left = "no space left on the device",
    .read_only_file_system = "the file system is read-only",
    .file_too_large = "the file is too large",
    .is_a_folder = "it is a folder",
    .before_almanac =
        "note: the almanac is known from {} on; for earlier years only Sundays are shown as "
        "red days, with no public holidays or flag days, and the name days are those of "
        "the lists the tool carries, the 2000 editions",
    .no_such_file = "no such file: {}",
    .not_a_regular_file = "not a regular file: {}",
    .not_a_library = "not a loadable library: {} ({})",
    .missing_export = "the plug-in {} lacks the export {}",
    .empty_function_list = "init returned the empty text, which names no function",
    .malformed_function_list = "init returned the malformed function list {}: {}",
    .empty_function_name = "an empty name",
    .control_character_in_name = "a name holds a control character",
    .function_named_twice = "{} is named twice",
    .function_not_exported = "init names {}, which the plug-in does not export",
    .function_unknown = "init names {}, a display function whose arguments this host does not know",
    .null_text = "{} returned a null pointer",
    .text_too_long = "{} returned a text longer than {}; this host takes no longer text",
    .unreadable_text = "{} returned a text that cannot be read",
    .failed_start = "dllstartup returned {}, not a start count of 1 or more: the start failed",
    .malformed_descriptor =
        "{} returned the malformed option descriptor {}: each question must "
        "be followed by \"=\", its default and \"|\"",
    .question_count = "{} returned a descriptor of {}; {} asks {}",
    .too_many_answers = "--answer gives {} to {}, which asks {}",
    .questions = {"{} question", "{} questions"},
    .questions_asked = {"{} question", "{} questions"},
    .answers = {"{} answer", "{} answers"},
    .answer_outside_windows_1252 = "--answer for {} holds a character that Windows-1252 lacks",
    .answer_for_no_function = "--answer names {}, which is not a display function of the plug-in",
    .crashed = "the plug-in crashed {}",
    .while_loading = "while loading",
    .while_unloading = "while unloading",
    .in_call = "in {}",
};

}  // namespace kelotarhu::cli
