// The tool in Swedish, as it is written in Finland.
#include "cli/text/texts.h"

namespace kelotarhu::cli {

const Texts kSwedishTexts = {
    .code = "sv",
    .feast_name = &FeastNames::swedish,
    .weekdays = {"måndag", "tisdag", "onsdag", "torsdag", "fredag", "lördag", "söndag"},
    .weekday_abbreviations = {"må", "ti", "on", "to", "fr", "lö", "sö"},
    .months = {"januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti",
               "september", "oktober", "november", "december"},
    .month_names_in_dates = false,
    .day_and_month = "{}.{}",
    .week = "vecka",
    .week_abbreviation = "v.",
    .red_day = "röd dag",
    .next_red_day = "röda dag",
    .flag_day = "flaggdag",
    .official_flag_day = "officiell flaggdag",
    .customary_flag_day = "vedertagen flaggdag",
    .public_holiday = "helgdag",
    .and_word = "och",
    .today = "i dag",
    .finnish_names = "finska namnsdagar",
    .swedish_names = "svenska namnsdagar",
    .tomorrow = "i morgon",
    .feast_day = "märkesdag",
    .name_day = "namnsdag",
    .finnish_list = "finska längden",
    .swedish_list = "svenska längden",
    .both_lists = "finska och svenska längden",
    .next_day = "Nästa {}: {}",
    .in_days = "om {} dagar",
    .date_heading = "Datum",
    .weekday_heading = "Veckodag",
    .feasts_heading = "Märkesdagar",
    .flag_kind_heading = "Flaggdagens slag",
    .days_away_heading = "Dagar dit",
    .finnish_names_event = "Finsk namnsdag: {}",
    .swedish_names_event = "Namnsdag: {}",
    .description =
        "Vad en dag betyder i den finländska kalendern: veckodag, högtider och röda "
        "dagar, flaggdagar samt finska och finlandssvenska namnsdagar. Utan "
        "argument: i dag.\n\n"
        "Namnsdagarna är de i 2000 års upplagor av Helsingfors universitets almanacksbyrås "
        "finska och finlandssvenska namnlängder (ur den finlandssvenska varje dags huvudnamn); "
        "namn som senare upplagor har lagt till finns inte med.",
    .footer =
        "Exempel:\n"
        "  kelotarhu                      i dag\n"
        "  kelotarhu 6.12.2026            vilket datum som helst under åren 1–9999 (eller "
        "2026-12-06)\n"
        "  kelotarhu 'i morgon'           också tomorrow, huomenna, +7, -1, 6.12 (i år)\n"
        "  kelotarhu --name Anna -n åke   vems namnsdag, när\n"
        "  kelotarhu --days 14            de två följande veckorna\n"
        "  kelotarhu --next flag          nästa flaggdag och hur många dagar det är dit\n"
        "  kelotarhu --month              den här månaden med ISO-veckonummer (--month 2026-12)\n"
        "  kelotarhu --year 2026 --format csv --output 2026.csv\n"
        "  kelotarhu --year 2026 --format ics --events feasts,swedish -o 2026.ics\n"
        "  kelotarhu --month 12 --format spreadsheet -o december.csv\n"
        "  kelotarhu --lang fi            på finska\n"
        "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
        "\n"
        "Slutstatus: 0 klart; 1 insticksprogrammet kan inte användas, namnet finns i ingendera "
        "längden, ingen sådan dag kommer eller utdata kan inte skrivas; 2 ett felaktigt "
        "alternativ eller argument.",
    .usage_label = "Användning",
    .options_placeholder = "ALTERNATIV",
    .positionals_label = "Argument",
    .options_label = "Alternativ",
    .excludes_label = "Utesluter",
    .needs_label = "Kräver",
    .date_name = "DATUM",
    .date_help =
        "Datumet som visas: D.M.ÅÅÅÅ, ÅÅÅÅ-MM-DD, D.M (i år), i dag, i morgon, i går (också på "
        "finska och engelska), +N eller -N dagar; standard: i dag",
    .name_type = "NAMN",
    .name_help =
        "Vems namnsdag, när: de dagar då den finska eller den svenska längden har namnet (oavsett "
        "skiftläge; flera namn kan anges)",
    .month_type = "[ÅÅÅÅ-MM|M.ÅÅÅÅ|M]",
    .month_help = "Rita en månad som ett kalenderrutnät; standard: den här månaden",
    .year_type = "[ÅÅÅÅ]",
    .year_help = "Lista årets alla dagar; standard: i år",
    .days_help = "Lista N dagar från DATUM (standard: i dag) framåt",
    .next_help =
        "Nästa röda dag, helgdag (holiday, bara ur almanackan), flaggdag, märkesdag (en dag "
        "som almanackan namnger: helgdag, högtid eller temadag) eller namnsdag från DATUM "
        "(standard: i dag) framåt, den dagen medräknad, och hur många dagar det är dit; med "
        "--name nästa namnsdag för de namnen",
    .calendar_help =
        "Vilken kalender som svarar: almanac (standard: den finländska almanackan så som den "
        "var varje år, från 1900) eller plugin (insticksprogrammets fasta kalender, densamma "
        "varje år)",
    .format_help =
        "Utdata som text (standard), csv (RFC 4180), spreadsheet (CSV som Excel med finländska "
        "inställningar öppnar rätt: UTF-8 med byteordningsmärke, \";\" mellan fälten), json eller "
        "ics (iCalendar)",
    .events_help =
        "Vad --format ics gör händelser av: feasts (märkesdagar, standard), flags (flaggdagar), "
        "finnish och swedish (namnsdagarna i vardera längden)",
    .output_type = "FIL",
    .output_help = "Skriv till FIL i stället för standard ut",
    .color_help =
        "Röda dagar och dagens datum i färg: auto (standard: i en terminal), always "
        "eller never",
    .lang_help =
        "Språk: fi (finska), sv (svenska) eller en (engelska); standard: LANGUAGE, LC_ALL, "
        "LC_MESSAGES eller LANG",
    .plugin_type = "SÖKVÄG",
    .plugin_help = "Läs in ett insticksprogram och kör det så som ett värdprogram gör",
    .answer_type = "FUNKTION=SVAR[,SVAR...]",
    .answer_help =
        "Svar på en visningsfunktions frågor i ordning, i stället för standardsvaren "
        "(kan upprepas; \\, är ett kommatecken i ett svar)",
    .help_help = "Visa den här hjälpen och avsluta",
    .version_help = "Visa programmets version och avsluta",
    .bad_argument = "{} {} är inte {}; skriv det som {}",
    .date_problem = "{} {} är inte {}: {}",
    .what_date = "ett datum",
    .what_month = "en månad",
    .what_year = "ett år",
    .what_days = "ett antal dagar",
    .what_time = "en tidpunkt",
    .what_answer = "svar på en visningsfunktions frågor",
    .date_forms =
        "ÅÅÅÅ-MM-DD (2026-12-06), D.M.ÅÅÅÅ (6.12.2026), D.M (i år), i dag, i morgon, i går eller "
        "+N eller -N dagar från i dag",
    .month_forms = "ÅÅÅÅ-MM (2026-12), M.ÅÅÅÅ (12.2026) eller M (i år)",
    .year_forms = "ÅÅÅÅ (2026)",
    .days_forms = "ett heltal från 1 till 10000",
    .source_date_epoch_forms =
        "sekunder sedan 1970-01-01 00:00 UTC, högst 253402300799 (slutet av år 9999)",
    .answer_forms = "FUNKTION=SVAR[,SVAR...] (GetNameDay=K,E,0)",
    .year_out_of_range = "kalendern omfattar åren 1–9999",
    .no_such_month = "det finns ingen månad {}",
    .no_such_day = "{} {} har {} dagar",
    .not_leap_year = "{} är inget skottår",
    .beyond_calendar = "kalendern går från 1.1.0001 till 31.12.9999",
    .short_year = "{}: skriv året fullt ut, till exempel {}",
    .unknown_option = "okänt alternativ {}",
    .unexpected_argument = "oväntat argument {} (högst ett datum)",
    .conflict = "{} och {} kan inte användas tillsammans",
    .works_only_with = "{} fungerar bara med {}",
    .not_a_choice = "{} {} är inget av {}",
    .value_missing = "{} behöver ett värde",
    .value_unwanted = "{} tar inget värde",
    .bad_command_line = "kommandoraden kan inte läsas: {}",
    .unknown_name = "namnet {} finns varken i den finska eller i den svenska namnlängden",
    .close_names = "Liknande namn: {}.",
    .no_next_day = "--next {}: ingen sådan dag från {} till kalenderns slut, 31.12.9999",
    .write_failure = "utdata kan inte skrivas: {}",
    .file_write_failure = "{} kan inte skrivas: {}",
    .output_is_folder = "--output {} är en mapp; ange en fil",
    .usage_hint = "Se 'kelotarhu --help'.",
    .no_such_file_or_folder = "filen eller mappen finns inte",
    .permission_denied = "åtkomst nekas",
    .no_space_left = "inget utrymme kvar på enheten",
    .read_only_file_system = "filsystemet är skrivskyddat",
    .file_too_large = "filen är för stor",
    .is_a_folder = "det är en mapp",
    .before_almanac =
        "obs: almanackan är känd från år {}; för tidigare år visas bara söndagarna som röda "
        "dagar, inga helgdagar eller flaggdagar, och namnsdagarna ur verktygets längder, 2000 års "
        "upplagor",
    .no_such_file = "filen finns inte: {}",
    .not_a_regular_file = "inte en vanlig fil: {}",
    .not_a_library = "inte ett bibliotek som kan laddas: {} ({})",
    .missing_export = "insticksprogrammet {} saknar exporten {}",
    .empty_function_list = "init returnerade en tom text, som inte nämner någon funktion",
    .malformed_function_list = "init returnerade den felaktiga funktionslistan {}: {}",
    .empty_function_name = "ett tomt namn",
    .control_character_in_name = "ett namn innehåller ett styrtecken",
    .function_named_twice = "{} nämns två gånger",
    .function_not_exported = "init nämner {}, som insticksprogrammet inte exporterar",
    .function_unknown =
        "init nämner visningsfunktionen {}, vars argument den här värden inte känner",
    .null_text = "{} returnerade en nollpekare",
    .text_too_long = "{} returnerade en text längre än {}; den här värden tar ingen längre text",
    .unreadable_text = "{} returnerade en text som inte kan läsas",
    .failed_start =
        "dllstartup returnerade {}, inte ett antal starter (1 eller fler): starten "
        "misslyckades",
    .malformed_descriptor =
        "{} returnerade den felaktiga alternativbeskrivningen {}: varje fråga "
        "ska följas av \"=\", sitt standardsvar och \"|\"",
    .question_count = "{} returnerade en beskrivning med {}; {} frågar {}",
    .too_many_answers = "--answer ger {} till {}, som frågar {}",
    .questions = {"{} fråga", "{} frågor"},
    .questions_asked = {"{} fråga", "{} frågor"},
    .answers = {"{} svar", "{} svar"},
    .answer_outside_windows_1252 = "--answer för {} innehåller ett tecken som Windows-1252 saknar",
    .answer_for_no_function =
        "--answer nämner {}, som inte är en visningsfunktion i insticksprogrammet",
    .crashed = "insticksprogrammet kraschade {}",
    .while_loading = "vid laddningen",
    .while_unloading = "vid urladdningen",
    .in_call = "i {}",
};

}  // namespace kelotarhu::cli
