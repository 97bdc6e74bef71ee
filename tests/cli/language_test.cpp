// Which language the tool speaks: the locale variables as gettext reads them, --lang
// over them; and --help and the messages in each language.
#include <gtest/gtest.h>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

struct LocaleCase {
  std::vector<std::string> environment;
  std::vector<std::string> arguments;
  const char* first_line;  // of 6.12.2026
};

const char* const kFinnish = "Sunnuntai 6.12.2026, viikko 49";
const char* const kSwedish = "Söndag 6.12.2026, vecka 49";
const char* const kEnglish = "Sunday 6 December 2026, week 49";

TEST(KelotarhuLanguage, FollowsTheLocaleAndTheLangOption) {
  const LocaleCase kCases[] = {
      {{"LC_ALL=fi_FI.UTF-8", "LC_MESSAGES=", "LANG="}, {}, kFinnish},
      {{"LC_ALL=sv_FI.UTF-8", "LC_MESSAGES=", "LANG="}, {}, kSwedish},
      {{"LC_ALL=C", "LC_MESSAGES=fi_FI.UTF-8", "LANG=fi_FI.UTF-8"}, {}, kEnglish},
      {{"LC_ALL=fi_FI.UTF-8", "LC_MESSAGES=sv_FI.UTF-8", "LANG="}, {}, kFinnish},
      {{"LC_ALL=", "LC_MESSAGES=sv_FI.UTF-8", "LANG=fi_FI.UTF-8"}, {}, kSwedish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=fi_FI.UTF-8"}, {}, kFinnish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=fi"}, {}, kFinnish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=fi_FI@euro"}, {}, kFinnish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=sv_SE.UTF-8"}, {}, kSwedish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=de_DE.UTF-8"}, {}, kEnglish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=POSIX"}, {}, kEnglish},
      {{"LC_ALL=", "LC_MESSAGES=", "LANG=fil_PH.UTF-8"}, {}, kEnglish},  // Filipino
      {kNoLocale, {}, kEnglish},
      {{"LC_ALL=fi_FI.UTF-8"}, {"--lang", "en"}, kEnglish},
      {{"LC_ALL=fi_FI.UTF-8"}, {"--lang=sv"}, kSwedish},
      {{"LC_ALL=C", "LANG=C"}, {"--lang", "fi"}, kFinnish},
      // LANGUAGE: its first language that the tool speaks, unless the locale is C or POSIX.
      {{"LANGUAGE=sv_FI:fi", "LC_ALL=", "LC_MESSAGES=", "LANG=fi_FI.UTF-8"}, {}, kSwedish},
      {{"LANGUAGE=sv", "LC_ALL=en_GB.UTF-8", "LC_MESSAGES=", "LANG="}, {}, kSwedish},
      {{"LANGUAGE=de:nl_NL:fi", "LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8"}, {}, kFinnish},
      {{"LANGUAGE=::en:fi", "LC_ALL=", "LC_MESSAGES=", "LANG=sv_FI.UTF-8"}, {}, kEnglish},
      {{"LANGUAGE=de:nl", "LC_ALL=", "LC_MESSAGES=", "LANG=sv_FI.UTF-8"}, {}, kSwedish},
      {{"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG=sv_FI.UTF-8"}, {}, kSwedish},
      {{"LANGUAGE=fi", "LC_ALL=C", "LC_MESSAGES=", "LANG=sv_FI.UTF-8"}, {}, kEnglish},
      {{"LANGUAGE=fi", "LC_ALL=", "LC_MESSAGES=", "LANG=POSIX"}, {}, kEnglish},
      {{"LANGUAGE=fi", "LC_ALL=", "LC_MESSAGES=", "LANG=C.UTF-8"}, {}, kEnglish},
      {{"LANGUAGE=fi", "LC_ALL=", "LC_MESSAGES=", "LANG="}, {}, kEnglish},  // no locale: C
      {{"LANGUAGE=fi", "LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8"}, {"--lang", "sv"}, kSwedish},
  };
  for (const LocaleCase& locale : kCases) {
    std::vector<std::string> arguments = locale.arguments;
    arguments.push_back("6.12.2026");
    SCOPED_TRACE(::testing::PrintToString(locale.environment) +
                 ::testing::PrintToString(arguments));
    // An inherited LANGUAGE is cleared unless the case sets its own.
    std::vector<std::string> environment = locale.environment;
    if (!environment.front().starts_with("LANGUAGE=")) environment.push_back("LANGUAGE=");
    const ProgramRun run = Kelotarhu(arguments, environment);
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).at(0), locale.first_line);
  }
}

struct HelpCase {
  const char* language;
  const char* usage;
  std::vector<std::string> texts;  // some of the help's own sentences
};

TEST(KelotarhuLanguage, WritesTheHelpInTheLanguageWithTheSameOptions) {
  const HelpCase kCases[] = {
      {"fi",
       "Käyttö: kelotarhu [VALITSIMET] [PVM]",
       {"Argumentit:", "Valitsimet:", "Näytä tämä ohje ja lopeta",
        "Esimerkkejä:", "Paluuarvo:", "--month [VVVV-KK|K.VVVV|K]", "--name NIMI"}},
      {"sv",
       "Användning: kelotarhu [ALTERNATIV] [DATUM]",
       {"Argument:", "Alternativ:", "Visa den här hjälpen och avsluta",
        "Exempel:", "Slutstatus:", "--month [ÅÅÅÅ-MM|M.ÅÅÅÅ|M]", "--name NAMN"}},
      {"en",
       "Usage: kelotarhu [OPTIONS] [DATE]",
       {"Arguments:", "Options:", "Show this help and exit",
        "Examples:", "Exit status:", "--month [YYYY-MM|M.YYYY|M]", "--name NAME"}},
  };
  for (const HelpCase& help : kCases) {
    SCOPED_TRACE(help.language);
    const ProgramRun run = KelotarhuIn(help.language, {"--help"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_NE(run.out.find(help.usage), std::string::npos) << run.out;
    for (const std::string& text : help.texts) {
      EXPECT_NE(run.out.find(text), std::string::npos) << text << " in\n" << run.out;
    }
    for (const char* option :
         {"-h,--help", "--version", "--year", "--format text|csv|spreadsheet|json|ics",
          "--color auto|always|never", "--lang fi|sv|en", "--plugin", "--answer"}) {
      EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
  }
  // No English help sentence is left in the Finnish and Swedish help.
  for (const char* language : {"fi", "sv"}) {
    const std::string out = KelotarhuIn(language, {"--help"}).out;
    for (const char* english : {"Usage", "Options", "Positionals", "Excludes", "Needs",
                                "Print this", "Display program", "Examples", "Exit status"}) {
      EXPECT_EQ(out.find(english), std::string::npos) << english << " in " << language;
    }
  }
}

struct MessageCase {
  const char* language;  // empty: none asked for
  std::vector<std::string> arguments;
  const char* message;  // the first line of standard error
};

TEST(KelotarhuLanguage, ExplainsBadArgumentsInTheLanguage) {
  const MessageCase kCases[] = {
      {"fi",
       {"30.2.2026"},
       "kelotarhu: PVM \"30.2.2026\" ei ole päivämäärä: helmikuussa 2026 on 28 päivää"},
      {"sv",
       {"30.2.2026"},
       "kelotarhu: DATUM \"30.2.2026\" är inte ett datum: februari 2026 har 28 dagar"},
      {"fi",
       {"29.2.2027"},
       "kelotarhu: PVM \"29.2.2027\" ei ole päivämäärä: 2027 ei ole karkausvuosi"},
      {"sv",
       {"29.2.2027"},
       "kelotarhu: DATUM \"29.2.2027\" är inte ett datum: 2027 är inget skottår"},
      {"fi",
       {"junk"},
       "kelotarhu: PVM \"junk\" ei ole päivämäärä; kirjoita se muodossa VVVV-KK-PP (2026-12-06), "
       "P.K.VVVV (6.12.2026), P.K. (tänä vuonna), tänään, huomenna, eilen tai +N tai -N päivää "
       "tästä päivästä"},
      {"fi",
       {"--month", "13.2026"},
       "kelotarhu: --month \"13.2026\" ei ole kuukausi: kuukautta 13 ei ole"},
      {"sv",
       {"--year", "0000"},
       "kelotarhu: --year \"0000\" är inte ett år: kalendern omfattar åren 1–9999"},
      {"fi", {"5.4.26"}, "kelotarhu: 5.4.26: kirjoita vuosi kokonaan, esimerkiksi 5.4.2026"},
      {"sv", {"5.4.26"}, "kelotarhu: 5.4.26: skriv året fullt ut, till exempel 5.4.2026"},
      {"sv",
       {"--days", "0"},
       "kelotarhu: --days \"0\" är inte ett antal dagar; skriv det som ett heltal från 1 till "
       "10000"},
      {"fi", {"--frobnicate"}, "kelotarhu: tuntematon valitsin \"--frobnicate\""},
      {"sv",
       {"6.12.2026", "7.12.2026"},
       "kelotarhu: oväntat argument \"7.12.2026\" (högst ett datum)"},
      {"fi",
       {"--month", "2026-12", "--year", "2026"},
       "kelotarhu: --month ja --year eivät käy yhdessä"},
      {"sv", {"--answer", "GetFlag="}, "kelotarhu: --answer fungerar bara med --plugin"},
      {"fi",
       {"--year", "2026", "--format", "xml"},
       "kelotarhu: --format \"xml\" ei ole mikään vaihtoehdoista text, csv, spreadsheet, json, "
       "ics"},
      {"sv",
       {"--next", "blue"},
       "kelotarhu: --next \"blue\" är inget av red, holiday, flag, feast, names"},
      {"sv", {"--days"}, "kelotarhu: --days behöver ett värde"},
      {"en", {"--days"}, "kelotarhu: --days needs a value"},
      {"", {"--lang", "de"}, "kelotarhu: --lang \"de\" is not one of fi, sv, en"},
  };
  for (const MessageCase& bad : kCases) {
    SCOPED_TRACE(std::string(bad.language) + " " + bad.arguments.front());
    const ProgramRun run = *bad.language ? KelotarhuIn(bad.language, bad.arguments)
                                         : Kelotarhu(bad.arguments);  // no locale: English
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err).at(0), bad.message) << run.err;
    EXPECT_EQ(Lines(run.err).size(), 2u) << run.err;  // and the hint
  }
  const std::pair<const char*, const char*> kHints[] = {{"fi", "Katso 'kelotarhu --help'."},
                                                        {"sv", "Se 'kelotarhu --help'."},
                                                        {"en", "Try 'kelotarhu --help'."}};
  for (const auto& [language, hint] : kHints) {
    EXPECT_EQ(Lines(KelotarhuIn(language, {"--frobnicate"}).err).at(1), hint) << language;
  }
}

}  // namespace
}  // namespace kelotarhu::testing
