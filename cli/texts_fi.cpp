// The tool in Finnish, the default language.
#include "cli/texts.h"

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
    .week = "viikko",
    .week_abbreviation = "vk",
    .red_day = "punainen päivä",
    .flag_day = "liputuspäivä",
    .and_word = "ja",
    .today = "tänään",
    .finnish_names = "nimipäivät",
    .swedish_names = "ruotsinkieliset nimipäivät",
    .description =
        "Mitä päivä merkitsee suomalaisessa kalenterissa: viikonpäivä, juhlat ja "
        "punaiset\npäivät, liputuspäivät sekä suomen- ja ruotsinkieliset nimipäivät.\n"
        "Ilman argumentteja: tänään.",
    .footer =
        "Esimerkkejä:\n"
        "  kelotarhu                      tänään\n"
        "  kelotarhu 6.12.2026            mikä tahansa päivä vuosilta 1–9999 "
        "(tai 2026-12-06)\n"
        "  kelotarhu --month 2026-12      kuukausi ISO-viikkonumeroineen\n"
        "  kelotarhu --year 2026 --format csv > 2026.csv\n"
        "  kelotarhu --lang sv            ruotsiksi\n"
        "  kelotarhu --plugin plugins/Kelotarhu.dll --answer GetNameDay=K,K,0\n"
        "\n"
        "Paluuarvo: 0 valmis, 1 liitännäistä ei voi käyttää, 2 virheellinen valitsin "
        "tai argumentti.",
    .usage_label = "Käyttö",
    .options_placeholder = "VALITSIMET",
    .positionals_label = "Argumentit",
    .options_label = "Valitsimet",
    .excludes_label = "Poissulkee",
    .needs_label = "Tarvitsee",
    .date_name = "PVM",
    .date_help = "Näytettävä päivä; oletus: tänään",
    .month_type = "VVVV-KK",
    .month_help = "Piirrä kuukausi kalenteriruudukkona",
    .year_type = "VVVV",
    .year_help = "Luettele vuoden kaikki päivät",
    .format_help = "--year-luettelon muoto: text (oletus), csv tai json",
    .color_help =
        "Punaiset päivät ja tämä päivä väreillä: auto (oletus: päätteessä), always "
        "tai never",
    .lang_help =
        "Kieli: fi (suomi), sv (ruotsi) tai en (englanti); oletus: LC_ALL, "
        "LC_MESSAGES tai LANG",
    .plugin_type = "POLKU",
    .plugin_help = "Lataa liitännäiskirjasto ja käytä sitä kuten isäntäohjelma",
    .answer_type = "FUNKTIO=VASTAUS[,VASTAUS...]",
    .answer_help =
        "Vastaukset näyttöfunktion kysymyksiin järjestyksessä oletusten sijaan "
        "(toistettavissa; \\, on pilkku vastauksen sisällä)",
    .help_help = "Näytä tämä ohje ja lopeta",
    .version_help = "Näytä ohjelman versio ja lopeta",
    .bad_argument = "{} \"{}\" ei ole {}; kirjoita se muodossa {}",
    .what_date = "päivämäärä vuosilta 1–9999",
    .what_month = "kuukausi vuosilta 1–9999",
    .what_year = "vuosi väliltä 1–9999",
    .what_answer = "vastaus näyttöfunktion kysymyksiin",
    .date_forms = "VVVV-KK-PP (2026-12-06) tai P.K.VVVV (6.12.2026)",
    .month_forms = "VVVV-KK (2026-12) tai K.VVVV (12.2026)",
    .year_forms = "VVVV (2026)",
    .answer_forms = "FUNKTIO=VASTAUS[,VASTAUS...] (GetNameDay=K,E,0)",
    .unexpected_argument = "odottamaton argumentti: {}",
    .excludes = "{} ja {} eivät käy yhdessä",
    .requires_option = "{} tarvitsee valitsimen {}",
    .not_a_choice = "{}: \"{}\" ei ole mikään vaihtoehdoista {}",
    .value_missing = "{} tarvitsee arvon",
    .one_value_only = "{} ottaa vain yhden arvon",
    .bad_command_line = "komentoriviä ei voi lukea: {}",
};

}  // namespace kelotarhu::cli
