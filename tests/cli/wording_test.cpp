// The tool's words as Finns and Finland-Swedes write them, each pinned by its exact text
// where a user meets it: the day view, the next day, the name search, the month's list,
// --help and the messages, in all three languages.
#include <gtest/gtest.h>

#include <filesystem>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

// --help and the messages with every run of blanks and line breaks made one blank, so
// that a sentence is found wherever the help wrapped it.
std::string Flowed(const std::string& text) {
  std::string flowed;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\n';
    if (blank && (flowed.empty() || flowed.back() == ' ')) continue;
    flowed += blank ? ' ' : c;
  }
  return flowed;
}

struct WordingCase {
  const char* language;
  std::vector<std::string> arguments;
  const char* text;  // found in standard output and error, flowed
  int exit_status;
};

const std::string kPlugin = KELOTARHU_PLUGIN_PATH;

const WordingCase kWordings[] = {
    // Swedish: the weak adjective after "nästa".
    {"sv", {"--next", "red", "6.12.2026"}, "Nästa röda dag: i dag", 0},
    {"fi", {"--next", "red", "6.12.2026"}, "Seuraava punainen päivä: tänään", 0},
    // English: a red day, not a red-letter day.
    {"en", {"--next", "red", "6.12.2026"}, "Next red day: today", 0},
    {"en", {"6.12.2026", "--calendar=plugin"}, "Red day and flag day", 0},
    // --next feast: a day the almanac names.
    {"fi", {"--next", "feast", "31.10.2026"}, "Seuraava merkkipäivä: tänään", 0},
    {"sv", {"--next", "feast", "31.10.2026"}, "Nästa märkesdag: i dag", 0},
    {"en", {"--next", "feast", "31.10.2026"}, "Next special day: today", 0},
    {"en", {"--help"}, "special day (a day the almanac names: a holiday, feast or theme day)", 0},
    {"fi", {"--help"}, "merkkipäivä (almanakan nimeämä päivä: pyhä-, juhla- tai teemapäivä)", 0},
    {"sv",
     {"--help"},
     "märkesdag (en dag som almanackan namnger: helgdag, högtid eller temadag)",
     0},
    // Swedish: "i dag, i morgon, i går", and no period after the month without a year.
    {"sv", {"--help"}, "D.M (i år), i dag, i morgon, i går (också på finska och engelska)", 0},
    {"sv", {"--help"}, "+7, -1, 6.12 (i år)", 0},
    {"sv", {"junk"}, "D.M (i år), i dag, i morgon, i går eller +N eller -N dagar från i dag", 2},
    {"sv", {"-n", "Anna"}, "Anna 9.12 finska och svenska längden", 0},
    {"sv", {"-n", "Åke"}, "Åke 8.5 svenska längden", 0},
    {"sv", {"--month", "2026-12"}, "6.12 söndag *+ Självständighetsdagen", 0},
    {"fi", {"--month", "2026-12"}, "6.12. sunnuntai *+ Itsenäisyyspäivä", 0},
    // Swedish: the plug-in is an "insticksprogram".
    {"sv", {"--help"}, "--plugin SÖKVÄG Läs in ett insticksprogram", 0},
    {"sv",
     {"--plugin", KELOTARHU_NOT_A_PLUGIN_PATH},
     "kelotarhu: insticksprogrammet \"" KELOTARHU_NOT_A_PLUGIN_PATH "\" saknar exporten",
     1},
    // Finnish: the Finland-Swedish list is "suomenruotsalainen".
    {"fi", {"6.12.2026"}, "Suomenruotsalaiset nimipäivät: Nils", 0},
    {"fi", {"-n", "Åke"}, "Åke 8.5. suomenruotsalainen luettelo", 0},
    {"fi", {"-n", "Anna"}, "Anna 9.12. suomalainen ja suomenruotsalainen luettelo", 0},
    {"fi",
     {"-n", "Ana"},
     "nimeä \"Ana\" ei ole suomalaisessa eikä suomenruotsalaisessa nimipäiväluettelossa",
     1},
    {"fi", {"--help"}, "sekä suomalaiset ja suomenruotsalaiset nimipäivät", 0},
    // English: the Finland-Swedish list is not Sweden's.
    {"en", {"6.12.2026"}, "Finland-Swedish name days: Nils", 0},
    {"en", {"-n", "Åke"}, "Åke 8 May Finland-Swedish list", 0},
    {"en",
     {"-n", "Ana"},
     "neither the Finnish nor the Finland-Swedish list holds the name \"Ana\" Similar names: "
     "Anna, Ada, Aina, Anja, Ano, Ansa.",
     1},
    // English: the help in its own words, not a parser's.
    {"en", {"--help"}, "Arguments: DATE", 0},
    {"en", {"--help"}, "-h,--help Show this help and exit --version Show the version and exit", 0},
    {"en",
     {"--help"},
     "there is no such day before the calendar ends, or the output cannot be written",
     0},
    // Counts of one and of many.
    {"en",
     {"--plugin", kPlugin, "--answer", "GetHoliday=K,K"},
     "--answer gives 2 answers to GetHoliday, which asks 1 question",
     2},
    {"fi",
     {"--plugin", kPlugin, "--answer", "GetHoliday=K,K"},
     "--answer antaa 2 vastausta funktiolle GetHoliday, joka kysyy 1 kysymyksen",
     2},
    {"sv",
     {"--plugin", kPlugin, "--answer", "GetHoliday=K,K"},
     "--answer ger 2 svar till GetHoliday, som frågar 1 fråga",
     2},
    // The edition of the name-day lists.
    {"en",
     {"--help"},
     "The name days are those of the 2000 editions of the Finnish and the Finland-Swedish "
     "name-day lists of the University of Helsinki almanac office",
     0},
    {"en", {"--help"}, "names added in later editions are not in them.", 0},
    {"fi", {"--help"}, "suomenruotsalaisen nimipäiväluettelon vuoden 2000 laitoksista", 0},
    {"sv", {"--help"}, "2000 års upplagor av Helsingfors universitets almanacksbyrås", 0},
    {"fi", {"--help"}, "oletus: LANGUAGE, LC_ALL, LC_MESSAGES tai LANG", 0},
};

TEST(KelotarhuWording, WritesEachFixedWordingExactly) {
  for (const WordingCase& wording : kWordings) {
    SCOPED_TRACE(std::string(wording.language) + " " + wording.arguments.front() + ": " +
                 wording.text);
    const ProgramRun run = KelotarhuIn(wording.language, wording.arguments);
    EXPECT_EQ(run.exit_status, wording.exit_status) << run.err;
    const std::string shown = Flowed(run.out + run.err);
    EXPECT_NE(shown.find(wording.text), std::string::npos) << shown;
  }
}

// Words the texts no longer use anywhere a user reads them.
TEST(KelotarhuWording, LeavesOutTheOldWordings) {
  const std::pair<const char*, std::vector<const char*>> kGone[] = {
      {"sv", {"idag", "igår", "insticksmodul", "insticksbibliotek", "högtidsdag", "6.12. "}},
      {"fi", {"ruotsinkieli", "juhlapäivä"}},
      {"en", {"red-letter", "Positionals", "Print this help", "Close names", "of the kind comes"}},
  };
  for (const auto& [language, words] : kGone) {
    const std::string shown = KelotarhuIn(language, {"--help"}).out +
                              KelotarhuIn(language, {"6.12.2026"}).out +
                              KelotarhuIn(language, {"--next", "feast", "31.10.2026"}).out +
                              KelotarhuIn(language, {"-n", "Ana"}).err;
    for (const char* word : words) {
      EXPECT_EQ(shown.find(word), std::string::npos) << language << ": " << word;
    }
  }
}

// "i dag", "i morgon" and "i går" are read as the days they name, and so are the one-word
// forms and the words of the other languages.
TEST(KelotarhuWording, ReadsTheSwedishDayWordsInBothSpellings) {
  const std::pair<std::vector<const char*>, const char*> kSameDays[] = {
      {{"i dag", "idag", "I DAG", "tänään"}, "today"},
      {{"i morgon", "imorgon", "I Morgon", "huomenna"}, "tomorrow"},
      {{"i går", "igår", "I GÅR", "eilen"}, "yesterday"},
  };
  for (const auto& [words, english] : kSameDays) {
    const ProgramRun expected = KelotarhuIn("sv", {english});
    ASSERT_EQ(expected.exit_status, 0) << expected.err;
    for (const char* word : words) {
      const ProgramRun run = KelotarhuIn("sv", {word});
      EXPECT_EQ(run.exit_status, 0) << word << ": " << run.err;
      EXPECT_EQ(run.out, expected.out) << word;
    }
  }
}

// The common system errors in the chosen language; the others as the system words them.
TEST(KelotarhuWording, WordsTheCommonSystemErrorsInTheLanguage) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::string missing = (folder / "kelotarhu-no-such-folder" / "x.txt").string();
  const std::string existing_folder = folder.string();
  const WordingCase kCases[] = {
      {"fi", {"-o", missing}, "ei voi kirjoittaa: tiedostoa tai kansiota ei ole", 1},
      {"sv", {"-o", missing}, "kan inte skrivas: filen eller mappen finns inte", 1},
      {"en", {"-o", missing}, "\": no such file or folder", 1},
      {"fi", {"-o", "/dev/full", "--year"}, "ei voi kirjoittaa: laitteella ei ole enää tilaa", 1},
      {"sv", {"-o", "/dev/full", "--year"}, "kan inte skrivas: inget utrymme kvar på enheten", 1},
      {"en", {"-o", "/dev/full", "--year"}, "no space left on the device", 1},
      {"fi", {"-o", existing_folder}, "\" on kansio; anna tiedoston nimi", 2},
      {"sv", {"-o", existing_folder}, "\" är en mapp; ange en fil", 2},
      {"en", {"-o", existing_folder}, "\" is a folder; name a file", 2},
  };
  for (const WordingCase& wording : kCases) {
    SCOPED_TRACE(std::string(wording.language) + " " + wording.arguments.at(1));
    const ProgramRun run = KelotarhuIn(wording.language, wording.arguments);
    EXPECT_EQ(run.exit_status, wording.exit_status);
    EXPECT_NE(run.err.find(wording.text), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kelotarhu::testing
