// `kelotarhu --year Y --format json`, read back by a JSON parser and checked day by day
// against the C++ calendar's own dates and weekdays.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

namespace chrono = std::chrono;

constexpr std::array<const char*, 7> kWeekdays = {
    "Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"};

std::string IsoDate(chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

nlohmann::json YearAsJson(const std::string& year) {
  const ProgramRun run = Kelotarhu({"--calendar=plugin", "--year", year, "--format", "json"});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  return nlohmann::json::parse(run.out);  // throws, and so fails, on malformed JSON
}

const nlohmann::json& DayOf(const nlohmann::json& days, const std::string& date) {
  for (const nlohmann::json& day : days) {
    if (day.at("date") == date) return day;
  }
  throw std::out_of_range("no day " + date);
}

TEST(KelotarhuYearJson, ListsEveryDayInOrderWithItsWeekday) {
  for (const int year : {2024, 2026, 1900, 2000}) {
    SCOPED_TRACE(year);
    const nlohmann::json days = YearAsJson(std::to_string(year));
    ASSERT_TRUE(days.is_array());
    chrono::sys_days date = chrono::year{year} / chrono::January / 1;
    const chrono::sys_days end = chrono::year{year + 1} / chrono::January / 1;
    ASSERT_EQ(days.size(), static_cast<std::size_t>((end - date).count()));
    for (const nlohmann::json& day : days) {
      ASSERT_EQ(day.at("date"), IsoDate(date));
      ASSERT_EQ(day.at("weekday"), kWeekdays[chrono::weekday(date).c_encoding()]);
      date += chrono::days{1};
    }
  }
}

TEST(KelotarhuYearJson, EveryDayHasTheSameKeysInTheSameOrder) {
  const std::vector<std::string> keys = {"date",    "weekday",       "feasts",       "flag_day",
                                         "red_day", "finnish_names", "swedish_names"};
  const ProgramRun run = Kelotarhu({"--calendar=plugin", "--year", "2026", "--format", "json"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  const nlohmann::ordered_json days = nlohmann::ordered_json::parse(run.out);
  for (const nlohmann::ordered_json& day : days) {
    std::vector<std::string> day_keys;
    for (const auto& item : day.items()) day_keys.push_back(item.key());
    ASSERT_EQ(day_keys, keys) << day.dump();
    ASSERT_TRUE(day.at("feasts").is_array());
    ASSERT_TRUE(day.at("flag_day").is_boolean());
    ASSERT_TRUE(day.at("red_day").is_boolean());
    ASSERT_TRUE(day.at("finnish_names").is_array());
    ASSERT_TRUE(day.at("swedish_names").is_array());
  }
}

TEST(KelotarhuYearJson, HoldsTheFeastsFlagsAndNamesOfEachDay) {
  const nlohmann::json days = YearAsJson("2024");
  const nlohmann::json& leap_day = DayOf(days, "2024-02-29");
  EXPECT_EQ(leap_day.at("weekday"), "Torstai");
  EXPECT_EQ(leap_day.at("finnish_names"), nlohmann::json::array());
  EXPECT_EQ(leap_day.at("swedish_names"), nlohmann::json::array());

  const nlohmann::json& independence_day = DayOf(days, "2024-12-06");
  EXPECT_EQ(independence_day.at("feasts"), nlohmann::json::array({"Itsenäisyyspäivä"}));
  EXPECT_EQ(independence_day.at("flag_day"), true);
  EXPECT_EQ(independence_day.at("red_day"), true);
  EXPECT_EQ(independence_day.at("finnish_names"),
            nlohmann::json::array({"Niilo", "Niko", "Niklas"}));

  const nlohmann::json& amanda = DayOf(days, "2024-10-26");
  EXPECT_EQ(amanda.at("finnish_names"), nlohmann::json::array({"Amanda", "Niina", "Manta"}));
  EXPECT_EQ(amanda.at("swedish_names"), nlohmann::json::array({"Amanda", "Nina"}));

  const nlohmann::json& easter = DayOf(days, "2024-03-31");
  EXPECT_EQ(easter.at("feasts"), nlohmann::json::array({"Pääsiäispäivä"}));
  EXPECT_EQ(easter.at("red_day"), true);
  EXPECT_EQ(easter.at("flag_day"), false);

  const nlohmann::json& working_day = DayOf(days, "2024-12-03");
  EXPECT_EQ(working_day.at("feasts"), nlohmann::json::array());
  EXPECT_EQ(working_day.at("red_day"), false);
}

TEST(KelotarhuYearJson, SplitsADayOfSeveralFeasts) {
  // 1 May 2008 was also Ascension Day.
  const nlohmann::json days = YearAsJson("2008");
  const nlohmann::json& may_day = DayOf(days, "2008-05-01");
  EXPECT_EQ(may_day.at("feasts"), nlohmann::json::array({"Vappu", "Helatorstai"}));
  EXPECT_EQ(may_day.at("flag_day"), true);
  EXPECT_EQ(may_day.at("red_day"), true);
}

struct YearTextCase {
  const char* language;
  const char* legend;
  const char* headings;
  const char* leap_day;
  const char* independence_day;
  const char* spreadsheet_header;
};

const YearTextCase kYearTexts[] = {
    {"fi", "* punainen päivä   + liputuspäivä",
     "Päivämäärä         Merkkipäivät                          Suomenruotsalaiset nimipäivät  "
     "Nimipäivät",
     "to 29.2.2024       Karkauspäivä",
     "pe 6.12.2024   *+  Itsenäisyyspäivä                      Nils                           "
     "Niilo, Niko, Niklas",
     "Päivämäärä;Viikonpäivä;Merkkipäivät;Liputuspäivä;Punainen päivä;Nimipäivät;"
     "Suomenruotsalaiset nimipäivät"},
    {"sv", "* röd dag   + flaggdag",
     "Datum              Märkesdagar                           Svenska namnsdagar  "
     "Finska namnsdagar",
     "to 29.2.2024       Skottdagen",
     "fr 6.12.2024   *+  Självständighetsdagen                 Nils                "
     "Niilo, Niko, Niklas",
     "Datum;Veckodag;Märkesdagar;Flaggdag;Röd dag;Finska namnsdagar;Svenska namnsdagar"},
    {"en", "* red day   + flag day",
     "Date                      Special days                         Finland-Swedish name days  "
     "Finnish name days",
     "Th 29 February 2024       Leap Day",
     "Fr 6 December 2024    *+  Independence Day                     Nils                       "
     "Niilo, Niko, Niklas",
     "Date;Weekday;Special days;Flag day;Red day;Finnish name days;Finland-Swedish name days"},
};

// Where each heading starts, in display columns (the marks' column has none).
std::vector<std::size_t> HeadingColumns(const std::string& headings) {
  std::vector<std::size_t> columns;
  for (std::size_t at = 0; at < headings.size();) {
    columns.push_back(DisplayColumns(headings.substr(0, at)));
    const std::size_t gap = headings.find("  ", at);
    if (gap == std::string::npos) break;
    at = headings.find_first_not_of(' ', gap);
  }
  return columns;
}

// A listing on a screen this wide and in this language.
ProgramRun ListingOn(const std::string& columns, const std::string& language,
                     const std::vector<std::string>& arguments) {
  std::vector<std::string> environment = kNoLocale;
  environment.push_back("COLUMNS=" + columns);
  std::vector<std::string> all = {"--lang=" + language};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return Kelotarhu(all, environment);
}

TEST(KelotarhuYearText, ListsTheDaysInColumnsUnderHeadingsAfterTheLegend) {
  for (const YearTextCase& text : kYearTexts) {
    SCOPED_TRACE(text.language);
    const ProgramRun run = ListingOn("200", text.language, {"--calendar=plugin", "--year", "2024"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u + 366u);
    EXPECT_EQ(lines[0], text.legend);
    EXPECT_EQ(lines[1], text.headings);
    EXPECT_EQ(lines[2 + 59], text.leap_day);
    EXPECT_EQ(lines[2 + 340], text.independence_day);
  }
}

// The byte of `line` at which display column `column` starts.
std::size_t ByteOfColumn(const std::string& line, std::size_t column) {
  std::size_t byte = 0;
  for (std::size_t seen = 0; byte < line.size(); ++byte) {
    const bool starts_character = (static_cast<unsigned char>(line[byte]) & 0xC0) != 0x80;
    if (starts_character && seen++ == column) break;
  }
  return byte;
}

TEST(KelotarhuYearText, EveryCellStartsUnderItsHeading) {
  for (const YearTextCase& text : kYearTexts) {
    SCOPED_TRACE(text.language);
    const std::vector<std::string> lines =
        Lines(ListingOn("80", text.language, {"--days", "400"}).out);
    const std::vector<std::size_t> starts = HeadingColumns(lines.at(1));
    ASSERT_EQ(starts.size(), 4u) << lines[1];  // date, feasts and the two lists
    for (std::size_t row = 2; row < lines.size(); ++row) {
      const std::string& line = lines[row];
      for (const std::size_t start : starts) {
        // Two blanks before each column that has text on the line.
        const std::size_t byte = ByteOfColumn(line, start);
        if (start == 0 || byte >= line.size()) continue;
        EXPECT_EQ(line.substr(byte - 2, 2), "  ") << line;
      }
      EXPECT_EQ(line.find_last_not_of(' ') + 1, line.size()) << "blanks at the end: " << line;
    }
  }
}

// On a terminal narrower than the widest day, the last columns wrap their words onto lines
// of their own, under their headings, and no word is cut.
TEST(KelotarhuYearText, WrapsTheLastColumnsToTheScreen) {
  for (const char* language : {"fi", "sv", "en"}) {
    for (const char* columns : {"80", "100"}) {
      SCOPED_TRACE(std::string(language) + " " + columns);
      const ProgramRun run = ListingOn(columns, language, {"--year", "2026"});
      ASSERT_EQ(run.exit_status, 0) << run.err;
      const std::vector<std::string> lines = Lines(run.out);
      EXPECT_GT(lines.size(), 2u + 365u);  // some days need two lines
      for (const std::string& line : lines) {
        EXPECT_LE(DisplayColumns(line), std::stoul(columns)) << line;
      }
      const ProgramRun wide = ListingOn("1000", language, {"--year", "2026"});
      std::string words;
      std::string wrapped_words;
      for (const char c : wide.out) words += c == '\n' ? ' ' : c;
      for (const char c : run.out) wrapped_words += c == '\n' ? ' ' : c;
      const auto word_list = [](const std::string& text) {
        std::multiset<std::string> found;
        std::istringstream stream(text);
        for (std::string word; stream >> word;) found.insert(word);
        return found;
      };
      EXPECT_EQ(word_list(wrapped_words), word_list(words));
    }
  }
}

TEST(KelotarhuYearSpreadsheet, HeadsItsColumnsInTheLanguage) {
  for (const YearTextCase& text : kYearTexts) {
    SCOPED_TRACE(text.language);
    const ProgramRun run = KelotarhuIn(
        text.language, {"--calendar=plugin", "--year", "2024", "--format", "spreadsheet"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).at(0), std::string("\xEF\xBB\xBF") + text.spreadsheet_header + "\r");
  }
  // CSV keeps the keys of JSON for programs, in every language.
  for (const char* language : {"fi", "sv", "en"}) {
    EXPECT_EQ(
        Lines(KelotarhuIn(language, {"--calendar=plugin", "--year", "2024", "--format", "csv"}).out)
            .at(0),
        "date,weekday,feasts,flag_day,red_day,finnish_names,swedish_names\r");
  }
}

TEST(KelotarhuYearJson, IsTheSameInEveryLanguage) {
  const std::string finnish = KelotarhuIn("fi", {"--year", "2024", "--format", "json"}).out;
  EXPECT_EQ(KelotarhuIn("sv", {"--year", "2024", "--format", "json"}).out, finnish);
  EXPECT_EQ(KelotarhuIn("en", {"--year", "2024", "--format", "json"}).out, finnish);
  EXPECT_EQ(KelotarhuIn("sv", {"--year", "2024", "--format", "csv"}).out,
            KelotarhuIn("en", {"--year", "2024", "--format", "csv"}).out);
}

}  // namespace
}  // namespace kelotarhu::testing
