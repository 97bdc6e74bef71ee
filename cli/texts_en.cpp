// The tool in English, for every locale that is neither Finnish nor Swedish.
#include "cli/texts.h"

namespace kelotarhu::cli {

const Texts kEnglishTexts = {
    .code = "en",
    .feast_name = &FeastNames::english,
    .weekdays = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    .weekday_abbreviations = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"},
    .months = {"January", "February", "March", "April", "May", "June", "July", "August",
               "September", "October", "November", "December"},
    .month_names_in_dates = true,
    .week = "week",
    .week_abbreviation = "wk",
    .red_day = "red-letter day",
    .flag_day = "flag day",
    .and_word = "and",
    .today = "today",
    .finnish_names = "Finnish name days",
    .swedish_names = "Swedish name days",
    .description =
        "What a day means in the Finnish calendar: weekday, feasts and red days, "
        "flag days,\nand the Finnish and Finland-Swedish name days. Without "
        "arguments: today.",
    .footer =
        "Examples:\n"
        "  kelotarhu                      today\n"
        "  kelotarhu 6.12.2026            any date of the years 1 to 9999 (or 2026-12-06)\n"
        "  kelotarhu --month 2026-12      a month with ISO week numbers\n"
        "  kelotarhu --year 2026 --format csv > 2026.csv\n"
        "  kelotarhu --lang fi            in Finnish\n"
        "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
        "\n"
        "Exit status: 0 done, 1 the plug-in cannot be used, 2 a bad option or argument.",
    .usage_label = "Usage",
    .options_placeholder = "OPTIONS",
    .positionals_label = "Positionals",
    .options_label = "Options",
    .excludes_label = "Excludes",
    .needs_label = "Needs",
    .date_name = "DATE",
    .date_help = "The date to show; default: today",
    .month_type = "YYYY-MM",
    .month_help = "Draw a month as a calendar grid",
    .year_type = "YYYY",
    .year_help = "List every day of a year",
    .format_help = "Format of --year: text (default), csv or json",
    .color_help = "Colour red days and today: auto (default: on a terminal), always or never",
    .lang_help =
        "Language: fi (Finnish), sv (Swedish) or en (English); default: from LC_ALL, "
        "LC_MESSAGES or LANG",
    .plugin_type = "PATH",
    .plugin_help = "Load a plug-in library and drive it as a host application does",
    .answer_type = "FUNCTION=ANSWER[,ANSWER...]",
    .answer_help =
        "Answers to a display function's questions in order, instead of the "
        "defaults (repeatable; \\, is a comma inside an answer)",
    .help_help = "Print this help message and exit",
    .version_help = "Display program version information and exit",
    .bad_argument = "{} \"{}\" is not {}; write it as {}",
    .what_date = "a date of the years 1 to 9999",
    .what_month = "a month of the years 1 to 9999",
    .what_year = "a year from 1 to 9999",
    .what_answer = "an answer to a display function",
    .date_forms = "YYYY-MM-DD (2026-12-06) or D.M.YYYY (6.12.2026)",
    .month_forms = "YYYY-MM (2026-12) or M.YYYY (12.2026)",
    .year_forms = "YYYY (2026)",
    .answer_forms = "FUNCTION=ANSWER[,ANSWER...] (GetNameDay=K,E,0)",
    .unexpected_argument = "unexpected argument: {}",
    .excludes = "{} cannot be used with {}",
    .requires_option = "{} needs {}",
    .not_a_choice = "{}: \"{}\" is not one of {}",
    .value_missing = "{} needs a value",
    .one_value_only = "{} takes one value only",
    .bad_command_line = "cannot read the command line: {}",
};

}  // namespace kelotarhu::cli
