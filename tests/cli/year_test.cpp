// `kelotarhu --year Y --format json`, read back by a JSON parser and checked day by day
// against the C++ calendar's own dates and weekdays.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <nlohmann/json.hpp>

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
  const char* leap_day;
  const char* independence_day;
};

TEST(KelotarhuYearText, PrintsOneLinePerDayAfterTheLegend) {
  const YearTextCase kCases[] = {
      {"fi", "* punainen päivä   + liputuspäivä   nimipäivät | ruotsinkieliset nimipäivät",
       "2024-02-29  torstai          Karkauspäivä  |  -  |  -",
       "2024-12-06  perjantai    *+  Itsenäisyyspäivä  |  Niilo, Niko, Niklas  |  Nils"},
      {"sv", "* röd dag   + flaggdag   finska namnsdagar | svenska namnsdagar",
       "2024-02-29  torsdag      Skottdagen  |  -  |  -",
       "2024-12-06  fredag   *+  Självständighetsdagen  |  Niilo, Niko, Niklas  |  Nils"},
      {"en", "* red-letter day   + flag day   Finnish name days | Swedish name days",
       "2024-02-29  Thursday       Leap Day  |  -  |  -",
       "2024-12-06  Friday     *+  Independence Day  |  Niilo, Niko, Niklas  |  Nils"},
  };
  for (const YearTextCase& text : kCases) {
    SCOPED_TRACE(text.language);
    const ProgramRun run = KelotarhuIn(text.language, {"--calendar=plugin", "--year", "2024"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u + 366u);
    EXPECT_EQ(lines[0], text.legend);
    EXPECT_EQ(lines[60], text.leap_day);
    EXPECT_EQ(lines[341], text.independence_day);
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
