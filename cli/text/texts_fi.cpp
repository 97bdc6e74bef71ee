// The tool in Finnish, for a Finnish locale or --lang fi.
#include "cli/text/texts.h"

namespace kelotarhu::cli {

const Texts kFinnishTexts = {
    .code = "fi",
    .feast_name = &FeastNames::finnish,
    .weekdays = {"maanantai", "tiistai", "keskiviikko", "torstai", "perjantai", "lauantai",
                 "sunnuntai"},
    .weekday_abbreviations = {"ma", "ti", "ke", "to", "pe", "la", "su"},
    .months = {"tammikuu", "helmikuu", "maaliskuu", "huhtikuu", "toukokuu", "kesäkuu", "heinäkuu",
               "elokuu", "syyskuu", "lokakuu", "marraskuu", "joulukuu"},
    .month_names_in_dates = false,
    .day_and_month = "{}.{}.",
    .week = "viikko",
    .week_abbreviation = "vk",
    .red_day = "punainen päivä",
    .next_red_day = "punainen päivä",
    .flag_day = "liputuspäivä",
    .official_flag_day = "virallinen liputuspäivä",
    .customary_flag_day = "vakiintunut liputuspäivä",
    .public_holiday = "pyhäpäivä",
    .and_word = "ja",
    .today = "tänään",
    .finnish_names = "nimipäivät",
    .swedish_names = "suomenruotsalaiset nimipäivät",
    .tomorrow = "huomenna",
    .feast_day = "merkkipäivä",
    .name_day = "nimipäivä",
    .finnish_list = "suomalainen luettelo",
    .swedish_list = "suomenruotsalainen luettelo",
    .both_lists = "suomalainen ja suomenruotsalainen luettelo",
    .next_day = "Seuraava {}: {}",
    .in_days = "{} päivän päästä",
    .date_heading = "Päivämäärä",
    .weekday_heading = "Viikonpäivä",
    .feasts_heading = "Merkkipäivät",
    .flag_kind_heading = "Liputuspäivän laji",
    .days_away_heading = "Päiviä siihen",
    .finnish_names_event = "Nimipäivä: {}",
    .swedish_names_event = "Suomenruotsalainen nimipäivä: {}",
    .description =
        "Mitä päivä merkitsee suomalaisessa kalenterissa: viikonpäivä, juhlat ja "
        "punaiset päivät, liputuspäivät sekä suomalaiset ja suomenruotsalaiset nimipäivät. "
        "Ilman argumentteja: tänään.\n\n"
        "Nimipäivät ovat Helsingin yliopiston almanakkatoimiston suomalaisen ja "
        "suomenruotsalaisen nimipäiväluettelon vuoden 2000 laitoksista (suomenruotsalaisesta "
        "kunkin päivän päänimi); myöhempien laitosten uudet nimet eivät ole niissä.",
    .footer =
        "Esimerkkejä:\n"
        "  kelotarhu                      tänään\n"
        "  kelotarhu 6.12.2026            mikä tahansa päivä vuosilta 1–9999 (tai 2026-12-06)\n"
        "  kelotarhu huomenna             myös tomorrow, i morgon, +7, -1, 6.12. (tänä vuonna)\n"
        "  kelotarhu --name Anna -n åke   kenen nimipäivä, milloin\n"
        "  kelotarhu --days 14            seuraavat kaksi viikkoa\n"
        "  kelotarhu --next flag          seuraava liputuspäivä ja montako päivää siihen on\n"
        "  kelotarhu --month              tämä kuukausi ISO-viikkonumeroineen (--month 2026-12)\n"
        "  kelotarhu --year 2026 --format csv --output 2026.csv\n"
        "  kelotarhu --year 2026 --format ics --events feasts,finnish -o 2026.ics\n"
        "  kelotarhu --month 12 --format spreadsheet -o joulukuu.csv\n"
        "  kelotarhu --lang sv            ruotsiksi\n"
        "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
        "\n"
        "Paluuarvo: 0 valmis; 1 liitännäistä ei voi käyttää, nimeä ei ole kummassakaan "
        "luettelossa, sellaista päivää ei tule tai tulostetta ei voi kirjoittaa; "
        "2 virheellinen valitsin tai argumentti.",
    .usage_label = "Käyttö",
    .options_placeholder = "VALITSIMET",
    .positionals_label = "Argumentit",
    .options_label = "Valitsimet",
    .excludes_label = "Poissulkee",
    .needs_label = "Tarvitsee",
    .date_name = "PVM",
    .date_help =
        "Näytettävä päivä: P.K.VVVV, VVVV-KK-PP, P.K. (tänä vuonna), tänään, huomenna, eilen (myös "
        "ruotsiksi ja englanniksi), +N tai -N päivää; oletus: tänään",
    .name_type = "NIMI",
    .name_help =
        "Milloin nimellä on nimipäivä: päivät, joina suomalaisessa tai suomenruotsalaisessa "
        "luettelossa on tämä nimi (kirjainkoosta välittämättä; nimiä voi antaa useita)",
    .month_type = "[VVVV-KK|K.VVVV|K]",
    .month_help = "Piirrä kuukausi kalenteriruudukkona; oletus: tämä kuukausi",
    .year_type = "[VVVV]",
    .year_help = "Luettele vuoden kaikki päivät; oletus: tämä vuosi",
    .days_help = "Luettele N päivää päivästä PVM (oletus: tänään) alkaen",
    .next_help =
        "Seuraava punainen päivä, pyhäpäivä (holiday, vain almanakasta), liputuspäivä, "
        "merkkipäivä (almanakan nimeämä päivä: pyhä-, juhla- tai teemapäivä) tai nimipäivä "
        "päivästä PVM (oletus: tänään) alkaen, se itse mukaan lukien, ja montako päivää siihen "
        "on; valitsimen --name kanssa näiden nimien seuraava nimipäivä",
    .calendar_help =
        "Mistä kalenterista vastataan: almanac (oletus: suomalainen almanakka sellaisena kuin "
        "se oli kunakin vuonna, vuodesta 1900) tai plugin (liitännäisen kiinteä kalenteri, sama "
        "joka vuosi)",
    .format_help =
        "Tulosteen muoto: text (oletus), csv (RFC 4180), spreadsheet (CSV, jonka suomenkielinen "
        "Excel avaa oikein: UTF-8 tavujärjestysmerkillä, kenttien välissä \";\"), json tai ics "
        "(iCalendar)",
    .events_help =
        "Mistä --format ics tekee tapahtumia: feasts (merkkipäivät, oletus), flags "
        "(liputuspäivät), "
        "finnish ja swedish (kummankin luettelon nimipäivät)",
    .output_type = "TIEDOSTO",
    .output_help = "Kirjoita tiedostoon TIEDOSTO vakiotulosteen sijaan",
    .color_help =
        "Punaiset päivät ja tämä päivä väreillä: auto (oletus: päätteessä), always "
        "tai never",
    .lang_help =
        "Kieli: fi (suomi), sv (ruotsi) tai en (englanti); oletus: LANGUAGE, LC_ALL, "
        "LC_MESSAGES tai LANG",
    .plugin_type = "POLKU",
    .plugin_help = "Lataa liitännäiskirjasto ja käytä sitä kuten isäntäohjelma",
    .answer_type = "FUNKTIO=VASTAUS[,VASTAUS...]",
    .answer_help =
        "Vastaukset näyttöfunktion kysymyksiin järjestyksessä oletusten sijaan "
        "(toistettavissa; \\, on pilkku vastauksen sisällä)",
    .help_help = "Näytä tämä ohje ja lopeta",
    .version_help = "Näytä ohjelman versio ja lopeta",
    .bad_argument = "{} {} ei ole {}; kirjoita se muodossa {}",
    .date_problem = "{} {} ei ole {}: {}",
    .what_date = "päivämäärä",
    .what_month = "kuukausi",
    .what_year = "vuosi",
    .what_days = "päivien määrä",
    .what_time = "ajanhetki",
    .what_answer = "vastaus näyttöfunktion kysymyksiin",
    .date_forms =
        "VVVV-KK-PP (2026-12-06), P.K.VVVV (6.12.2026), P.K. (tänä vuonna), tänään, huomenna, "
        "eilen tai +N tai -N päivää tästä päivästä",
    .month_forms = "VVVV-KK (2026-12), K.VVVV (12.2026) tai K (tämän vuoden)",
    .year_forms = "VVVV (2026)",
    .days_forms = "kokonaisluku 1–10000",
    .source_date_epoch_forms =
        "sekunteina hetkestä 1970-01-01 00:00 UTC, enintään 253402300799 (vuoden 9999 loppu)",
    .answer_forms = "FUNKTIO=VASTAUS[,VASTAUS...] (GetNameDay=K,E,0)",
    .year_out_of_range = "kalenterissa ovat vuodet 1–9999",
    .no_such_month = "kuukautta {} ei ole",
    .no_such_day = "{}ssa {} on {} päivää",
    .not_leap_year = "{} ei ole karkausvuosi",
    .beyond_calendar = "kalenteri ulottuu päivästä 1.1.0001 päivään 31.12.9999",
    .short_year = "{}: kirjoita vuosi kokonaan, esimerkiksi {}",
    .unknown_option = "tuntematon valitsin {}",
    .unexpected_argument = "odottamaton argumentti {} (päivämääriä voi olla vain yksi)",
    .conflict = "{} ja {} eivät käy yhdessä",
    .works_only_with = "{} käy vain valitsimen {} kanssa",
    .not_a_choice = "{} {} ei ole mikään vaihtoehdoista {}",
    .value_missing = "{} tarvitsee arvon",
    .value_unwanted = "{} ei ota arvoa",
    .bad_command_line = "komentoriviä ei voi lukea: {}",
    .unknown_name = "nimeä {} ei ole suomalaisessa eikä suomenruotsalaisessa nimipäiväluettelossa",
    .close_names = "Samankaltaisia nimiä: {}.",
    .no_next_day =
        "--next {}: päivästä {} kalenterin loppuun, 31.12.9999, ei ole yhtään sellaista päivää",
    .write_failure = "tulostetta ei voi kirjoittaa: {}",
    .file_write_failure = "tiedostoon {} ei voi kirjoittaa: {}",
    .output_is_folder = "--output {} on kansio; anna tiedoston nimi",
    .usage_hint = "Katso 'kelotarhu --help'.",
    .no_such_file_or_folder = "tiedostoa tai kansiota ei ole",
    .permission_denied = "lupa evätty",
    .no_space_left = "laitteella ei ole enää tilaa",
    .read_only_file_system = "tiedostojärjestelmä on vain luettavissa",
    .file_too_large = "tiedosto on liian suuri",
    .is_a_folder = "se on kansio",
    .before_almanac =
        "huomautus: almanakka tunnetaan vuodesta {} alkaen; sitä aiemmilta vuosilta näytetään "
        "punaisina päivinä vain sunnuntait, ei pyhäpäiviä eikä liputuspäiviä, ja nimipäivät "
        "työkalun luetteloista, vuoden 2000 laitoksista",
    .no_such_file = "tiedostoa ei ole: {}",
    .not_a_regular_file = "ei tavallinen tiedosto: {}",
    .not_a_library = "ei ladattava kirjasto: {} ({})",
    .missing_export = "liitännäisestä {} puuttuu funktio {}",
    .empty_function_list = "init palautti tyhjän tekstin, joka ei nimeä yhtään funktiota",
    .malformed_function_list = "init palautti virheellisen funktioluettelon {}: {}",
    .empty_function_name = "tyhjä nimi",
    .control_character_in_name = "nimessä on ohjausmerkki",
    .function_named_twice = "{} mainitaan kahdesti",
    .function_not_exported = "init nimeää funktion {}, jota liitännäisessä ei ole",
    .function_unknown = "init nimeää näyttöfunktion {}, jonka argumentteja tämä isäntä ei tunne",
    .null_text = "{} palautti nollaosoittimen",
    .text_too_long =
        "{} palautti tekstin, joka on pidempi kuin {}; tämä isäntä ei ota pidempää tekstiä",
    .unreadable_text = "{} palautti tekstin, jota ei voi lukea",
    .failed_start =
        "dllstartup palautti arvon {}, ei käynnistyskertoja (1 tai enemmän): "
        "käynnistys epäonnistui",
    .malformed_descriptor =
        "{} palautti virheellisen asetuskuvauksen {}: jokaisen kysymyksen "
        "jälkeen tulee \"=\", oletusvastaus ja \"|\"",
    .question_count = "{} palautti kuvauksen, jossa on {}; {} kysyy {}",
    .too_many_answers = "--answer antaa {} funktiolle {}, joka kysyy {}",
    .questions = {"{} kysymys", "{} kysymystä"},
    .questions_asked = {"{} kysymyksen", "{} kysymystä"},
    .answers = {"{} vastauksen", "{} vastausta"},
    .answer_outside_windows_1252 =
        "--answer funktiolle {} sisältää merkin, jota Windows-1252:ssa ei ole",
    .answer_for_no_function = "--answer nimeää funktion {}, joka ei ole liitännäisen näyttöfunktio",
    .crashed = "liitännäinen kaatui {}",
    .while_loading = "latauksessa",
    .while_unloading = "poistossa muistista",
    .in_call = "kutsussa {}",
};

}  // namespace kelotarhu::cli
