// The tool in Swedish, as it is written in Finland.
#include "cli/texts.h"

namespace kelotarhu::cli {

const Texts kSwedishTexts = {
    .code = "sv",
    .feast_name = &FeastNames::swedish,
    .weekdays = {"måndag", "tisdag", "onsdag", "torsdag", "fredag", "lördag", "söndag"},
    .weekday_abbreviations = {"må", "ti", "on", "to", "fr", "lö", "sö"},
    .months = {"januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti",
               "september", "oktober", "november", "december"},
    .month_names_in_dates = false,
    .week = "vecka",
    .week_abbreviation = "v.",
    .red_day = "röd dag",
    .flag_day = "flaggdag",
    .and_word = "och",
    .today = "i dag",
    .finnish_names = "finska namnsdagar",
    .swedish_names = "svenska namnsdagar",
    .description =
        "Vad en dag betyder i den finländska kalendern: veckodag, högtider och röda "
        "dagar,\nflaggdagar samt finska och finlandssvenska namnsdagar. Utan "
        "argument: i dag.",
    .footer =
        "Exempel:\n"
        "  kelotarhu                      i dag\n"
        "  kelotarhu 6.12.2026            vilket datum som helst under åren 1–9999 "
        "(eller 2026-12-06)\n"
        "  kelotarhu --month 2026-12      en månad med ISO-veckonummer\n"
        "  kelotarhu --year 2026 --format csv > 2026.csv\n"
        "  kelotarhu --lang fi            på finska\n"
        "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
        "\n"
        "Slutstatus: 0 klart, 1 insticksprogrammet kan inte användas, 2 ett felaktigt "
        "alternativ eller argument.",
    .usage_label = "Användning",
    .options_placeholder = "ALTERNATIV",
    .positionals_label = "Argument",
    .options_label = "Alternativ",
    .excludes_label = "Utesluter",
    .needs_label = "Kräver",
    .date_name = "DATUM",
    .date_help = "Datumet som visas; standard: i dag",
    .month_type = "ÅÅÅÅ-MM",
    .month_help = "Rita en månad som ett kalenderrutnät",
    .year_type = "ÅÅÅÅ",
    .year_help = "Lista årets alla dagar",
    .format_help = "Formatet för --year: text (standard), csv eller json",
    .color_help =
        "Röda dagar och dagens datum i färg: auto (standard: i en terminal), always "
        "eller never",
    .lang_help =
        "Språk: fi (finska), sv (svenska) eller en (engelska); standard: LC_ALL, "
        "LC_MESSAGES eller LANG",
    .plugin_type = "SÖKVÄG",
    .plugin_help = "Läs in ett insticksbibliotek och kör det så som ett värdprogram gör",
    .answer_type = "FUNKTION=SVAR[,SVAR...]",
    .answer_help =
        "Svar på en visningsfunktions frågor i ordning, i stället för standardsvaren "
        "(kan upprepas; \\, är ett kommatecken i ett svar)",
    .help_help = "Visa den här hjälpen och avsluta",
    .version_help = "Visa programmets version och avsluta",
    .bad_argument = "{} \"{}\" är inte {}; skriv det som {}",
    .what_date = "ett datum under åren 1–9999",
    .what_month = "en månad under åren 1–9999",
    .what_year = "ett år mellan 1 och 9999",
    .what_answer = "svar på en visningsfunktions frågor",
    .date_forms = "ÅÅÅÅ-MM-DD (2026-12-06) eller D.M.ÅÅÅÅ (6.12.2026)",
    .month_forms = "ÅÅÅÅ-MM (2026-12) eller M.ÅÅÅÅ (12.2026)",
    .year_forms = "ÅÅÅÅ (2026)",
    .answer_forms = "FUNKTION=SVAR[,SVAR...] (GetNameDay=K,E,0)",
    .unexpected_argument = "oväntat argument: {}",
    .excludes = "{} och {} kan inte användas tillsammans",
    .requires_option = "{} kräver {}",
    .not_a_choice = "{}: \"{}\" är inget av {}",
    .value_missing = "{} behöver ett värde",
    .one_value_only = "{} tar bara ett värde",
    .bad_command_line = "kommandoraden kan inte läsas: {}",
};

}  // namespace kelotarhu::cli
