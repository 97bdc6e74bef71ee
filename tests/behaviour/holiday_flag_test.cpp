// Holidays, red days and flag days as the plug-in reports them, on dates set by the
// test. The expected feasts come from the Finnish almanac: fixed dates, the
// weekday-anchored feasts and the feasts around Easter of the years below.
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/windows_1252.h"
#include "tests/behaviour/plugin_test.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::test {
namespace {

constexpr char kFlagPath[] = "C:\\Ohjelma\\plugins\\flag.gif";
constexpr const char* kNewYearsDay = "Uudenvuodenpäivä"_cp1252;
constexpr const char* kEasterSunday = "Pääsiäispäivä"_cp1252;

struct Day {
  std::uint16_t year;
  std::uint16_t month;
  std::uint16_t day;
};

// One day as the almanac has it: its feasts in placement order, and whether it is a
// red day and a flag day.
struct AlmanacDay {
  Day date;
  const char* feasts;
  bool red;
  bool flag;
};

const std::vector<AlmanacDay> kAlmanac = {
    // Fixed dates.
    {{2025, 1, 1}, kNewYearsDay, true, false},
    {{1, 1, 1}, kNewYearsDay, true, false},
    {{2025, 1, 6}, "Loppiainen", true, false},
    {{2025, 2, 5}, "J. L. Runebergin päivä"_cp1252, false, true},  // Wednesday, not Ash Wednesday
    {{2025, 4, 27}, "Veteraanipäivä"_cp1252, true, true},          // on a Sunday
    {{2025, 7, 6}, "Eino Leinon päivä"_cp1252, true, true},        // on a Sunday
    {{2025, 10, 24}, "YK:n päivä"_cp1252, false, true},
    {{2025, 10, 31}, "Halloween", false, false},
    {{2025, 12, 6}, "Itsenäisyyspäivä"_cp1252, true, true},
    {{9999, 12, 6}, "Itsenäisyyspäivä"_cp1252, true, true},
    {{2025, 12, 24}, "Jouluaatto", false, false},
    {{2023, 12, 24}, "Jouluaatto", true, false},  // on a Sunday
    {{2025, 12, 25}, "Joulupäivä"_cp1252, true, false},
    {{2025, 12, 26}, "Tapaninpäivä"_cp1252, true, false},
    {{2024, 2, 29}, "Karkauspäivä"_cp1252, false, false},
    {{2026, 1, 1}, kNewYearsDay, true, false},
    {{2026, 2, 5}, "J. L. Runebergin päivä"_cp1252, false, true},  // Thursday
    {{2026, 12, 6}, "Itsenäisyyspäivä"_cp1252, true, true},
    {{2026, 12, 13}, "Pyhän Lucian päivä"_cp1252, true, false},  // on a Sunday
    // Days without a feast: a plain Sunday and a plain Tuesday.
    {{2025, 1, 12}, "", true, false},
    {{2025, 1, 14}, "", false, false},
    {{2026, 12, 20}, "", true, false},
    {{2026, 12, 8}, "", false, false},
    // Weekday-anchored feasts.
    {{2006, 2, 5}, "J. L. Runebergin päivä / Kynttilänpäivä"_cp1252, true, true},
    {{2025, 2, 2}, "Kynttilänpäivä"_cp1252, true, false},
    {{2013, 5, 12}, "J. V. Snellmanin päivä / Äitienpäivä"_cp1252, true, true},
    {{2013, 5, 19}, "Kaatuneiden muistopäivä"_cp1252, true, true},
    {{2038, 5, 9}, "Eurooppa-päivä / Äitienpäivä"_cp1252, true, true},
    {{2005, 6, 25}, "Juhannuspäivä"_cp1252, true, true},
    {{2005, 6, 24}, "", false, false},
    {{2006, 6, 24}, "Juhannuspäivä"_cp1252, true, true},
    {{2020, 6, 20}, "Juhannuspäivä"_cp1252, true, true},
    {{2020, 6, 21}, "", true, false},
    {{2038, 6, 26}, "Juhannuspäivä"_cp1252, true, true},
    {{2007, 9, 30}, "Mikkelinpäivä"_cp1252, true, false},
    {{2013, 9, 29}, "Mikkelinpäivä"_cp1252, true, false},
    {{2020, 10, 31}, "Pyhäinpäivä"_cp1252, true, false},
    {{2020, 11, 6}, "Svenska dagen", true, true},
    {{2025, 11, 1}, "Pyhäinpäivä"_cp1252, true, false},
    {{2038, 11, 6}, "Svenska dagen / Pyhäinpäivä"_cp1252, true, true},
    {{2005, 11, 13}, "Isänpäivä"_cp1252, true, true},
    {{2008, 3, 9}, "Marian ilmestyspäivä"_cp1252, true, false},
    {{2013, 3, 17}, "Marian ilmestyspäivä"_cp1252, true, false},
    {{2051, 3, 19}, "Marian ilmestyspäivä"_cp1252, true, false},
    // Easter and the feasts that move with it.
    {{2019, 3, 3}, "Laskiaissunnuntai", true, false},
    {{2019, 3, 6}, "Tuhkakeskiviikko", false, false},
    {{2019, 4, 14}, "Palmusunnuntai", true, false},
    {{2019, 4, 18}, "Kiirastorstai", false, false},
    {{2019, 4, 19}, "Pitkäperjantai"_cp1252, true, false},
    {{2019, 4, 21}, kEasterSunday, true, false},
    {{2019, 4, 22}, "2. pääsiäispäivä"_cp1252, true, false},
    {{2019, 5, 30}, "Helatorstai", true, false},
    {{2008, 5, 1}, "Vappu / Helatorstai", true, true},
    {{2008, 2, 3}, "Kynttilänpäivä / Laskiaissunnuntai"_cp1252, true, false},
    {{2008, 3, 23}, kEasterSunday, true, false},
    {{2008, 3, 16}, "Palmusunnuntai", true, false},
    {{2024, 3, 31}, kEasterSunday, true, false},
    {{2024, 3, 24}, "Palmusunnuntai", true, false},
    {{2024, 3, 17}, "Marian ilmestyspäivä"_cp1252, true, false},
    {{2024, 4, 1}, "Aprillipäivä / 2. pääsiäispäivä"_cp1252, true, false},
    {{2024, 5, 9}, "Eurooppa-päivä / Helatorstai"_cp1252, true, false},
    {{2024, 2, 14}, "Tuhkakeskiviikko", false, false},
    {{2018, 4, 1}, "Aprillipäivä / Pääsiäispäivä"_cp1252, true, false},
    {{2023, 4, 9}, "Mikael Agricolan päivä / Pääsiäispäivä"_cp1252, true, true},
    {{2023, 4, 7}, "Pitkäperjantai"_cp1252, true, false},
    {{2023, 4, 6}, "Kiirastorstai", false, false},
    {{2001, 2, 28}, "Tuhkakeskiviikko", false, true},
    {{2049, 2, 28}, "Kalevalan päivä / Laskiaissunnuntai"_cp1252, true, true},
    {{2060, 2, 29}, "Karkauspäivä / Laskiaissunnuntai"_cp1252, true, false},
    {{2038, 3, 10}, "Tuhkakeskiviikko", false, false},
    {{2038, 6, 3}, "Helatorstai", true, false},
    {{2285, 2, 1}, "Laskiaissunnuntai", true, false},
    {{2285, 2, 4}, "Tuhkakeskiviikko", false, false},
    {{2285, 3, 22}, kEasterSunday, true, false},
    {{2285, 4, 30}, "Helatorstai", true, false},
};

std::string DateText(const Day& date) {
  return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
         std::to_string(date.year);
}

class CalendarTest : public PluginTest {
 protected:
  void StartOnDay(const Day& date) { StartOn(date.year, date.month, date.day); }
  void MoveClockTo(const Day& date) { plugin_.SetToday(date.year, date.month, date.day); }
  std::string Holiday(const char* red_answer) { return TextOf(plugin_.GetHoliday(red_answer)); }
  std::string Flag(const char* path) { return TextOf(plugin_.GetFlag(path)); }
};

TEST_F(CalendarTest, EachAlmanacDayThroughTheLibrary) {
  for (const AlmanacDay& almanac : kAlmanac) {
    SCOPED_TRACE(DateText(almanac.date));
    StartOnDay(almanac.date);
    const std::string feasts = almanac.feasts;
    // The period marks a red day, and only a red day that has a name.
    const bool period = almanac.red && !feasts.empty();
    EXPECT_EQ(Holiday("K"), period ? feasts + "." : feasts);
    EXPECT_EQ(Holiday("E"), feasts);
    EXPECT_EQ(Flag(kFlagPath), almanac.flag ? kFlagPath : "");
  }
}

struct RedAnswer {
  const char* answer;
  bool period;
};

TEST_F(CalendarTest, OnlyKAndLowerCaseKAskForThePeriod) {
  const std::vector<RedAnswer> answers = {
      {"K", true},   {"k", true},      {"E", false},
      {"e", false},  {"1", false},     {" K", false},
      {"K ", false}, {"KK", false},    {"Kyllä"_cp1252, false},
      {"", false},   {nullptr, false},
  };
  StartOnDay({2025, 1, 1});
  for (const RedAnswer& red : answers) {
    SCOPED_TRACE(red.answer == nullptr ? "(null)" : red.answer);
    EXPECT_EQ(Holiday(red.answer), red.period ? std::string(kNewYearsDay) + "." : kNewYearsDay);
  }
  // Joined names get one period at the very end.
  StartOnDay({2008, 5, 1});
  EXPECT_EQ(Holiday("k"), "Vappu / Helatorstai.");
}

TEST_F(CalendarTest, FlagPathIsReturnedByteForByteOnAFlagDay) {
  StartOnDay({2025, 12, 6});
  const std::vector<std::string> paths = {
      kFlagPath, " C:\\Liput ja kuvat\\lippu.gif ",      "äöå\\ÄÖÅ.gif"_cp1252,
      "x",       "D:" + std::string(2000, 'p') + ".gif", "  a path\twith blanks  ",
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    EXPECT_EQ(Flag(path.c_str()), path);
  }
  EXPECT_EQ(Flag(""), "");
  EXPECT_EQ(Flag(nullptr), "");
}

TEST_F(CalendarTest, NoFlagOnARedDayThatIsNotAFlagDay) {
  StartOnDay({2025, 1, 1});
  EXPECT_EQ(Flag(kFlagPath), "");
  MoveClockTo({2025, 12, 25});
  EXPECT_EQ(Flag(kFlagPath), "");
  MoveClockTo({2025, 12, 6});
  EXPECT_EQ(Flag(kFlagPath), kFlagPath);
}

TEST_F(CalendarTest, DisplayCallsFollowTheClockWithinTheYear) {
  StartOnDay({2025, 1, 14});
  EXPECT_EQ(Holiday("K"), "");
  MoveClockTo({2025, 12, 6});
  EXPECT_EQ(Holiday("K"), "Itsenäisyyspäivä."_cp1252);
  MoveClockTo({2025, 1, 1});
  EXPECT_EQ(Holiday("K"), std::string(kNewYearsDay) + ".");
}

TEST_F(CalendarTest, NewYearWhileStartedReadsTheNewYearsCalendar) {
  ASSERT_EQ(StartOn(2024, 12, 31), 1);
  EXPECT_EQ(Holiday("K"), "");

  MoveClockTo({2025, 1, 1});
  EXPECT_EQ(Holiday("K"), std::string(kNewYearsDay) + ".");
  // Easter 2025 is on 20 April, Midsummer Day on 21 June; in 2024 they fell on 31 March
  // and 22 June.
  MoveClockTo({2025, 4, 20});
  EXPECT_EQ(Holiday("K"), std::string(kEasterSunday) + ".");
  MoveClockTo({2025, 6, 21});
  EXPECT_EQ(Holiday("K"), "Juhannuspäivä."_cp1252);
  EXPECT_EQ(Flag(kFlagPath), kFlagPath);
  MoveClockTo({2025, 6, 22});
  EXPECT_EQ(Holiday("K"), "");
  EXPECT_EQ(Flag(kFlagPath), "");

  // Still running, and the start count untouched.
  MoveClockTo({2025, 1, 2});
  EXPECT_EQ(TextOf(plugin_.GetNameDay("K", "E", "0")), "Aapeli, Gert");
  EXPECT_EQ(plugin_.dllstartup(), 2);
}

TEST_F(CalendarTest, NewYearAfterShutdownStillReadsTheNewYearsCalendar) {
  ASSERT_EQ(StartOn(2024, 12, 31), 1);
  plugin_.dllshutdown();
  MoveClockTo({2025, 4, 20});
  EXPECT_EQ(Holiday("K"), std::string(kEasterSunday) + ".");
  EXPECT_EQ(TextOf(plugin_.GetNameDay("K", "K", "0")), "");
  EXPECT_EQ(plugin_.dllstartup(), 2);
}

TEST_F(CalendarTest, AnEarlierYearIsReadFromItsOwnCalendarToo) {
  ASSERT_EQ(StartOn(2025, 1, 1), 1);
  MoveClockTo({2024, 3, 31});
  EXPECT_EQ(Holiday("K"), std::string(kEasterSunday) + ".");
}

TEST_F(CalendarTest, NothingIsBuiltBeforeTheFirstStartWhateverTheYear) {
  MoveClockTo({2025, 4, 20});
  EXPECT_EQ(Holiday("K"), "");
  MoveClockTo({2026, 12, 6});
  EXPECT_EQ(Holiday("K"), "");
  EXPECT_EQ(Flag(kFlagPath), "");
}

}  // namespace
}  // namespace kelotarhu::test
