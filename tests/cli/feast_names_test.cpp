// The feast names in Swedish and English: a row of the data file for every feast the
// calendar can place, and no row for a feast it never places.
#include "cli/text/feast_names.h"

#include <gtest/gtest.h>

#include <set>

#include "calendar/year_table.h"
#include "cli/days/calendar_day.h"
#include "cli/text/utf8.h"

namespace kelotarhu::cli {
namespace {

// Every feast name the calendar places in the years 1 to 9999 (UTF-8): the movable
// feasts meet every other feast they can meet in these years.
std::set<std::string> FeastsOfEveryYear() {
  std::set<std::string> feasts;
  auto table = std::make_unique<calendar::YearTable>();
  for (int year = 1; year <= 9999; ++year) {
    calendar::BuildYearTable(*table, static_cast<std::uint16_t>(year));
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const std::string joined = Utf8FromWindows1252(table->Lookup(month, day).Feasts);
        for (std::string& feast : SplitAt(joined, calendar::kFeastSeparator)) {
          feasts.insert(std::move(feast));
        }
      }
    }
  }
  return feasts;
}

TEST(FeastNames, EveryFeastTheCalendarPlacesHasARow) {
  const std::set<std::string> placed = FeastsOfEveryYear();
  EXPECT_EQ(placed.size(), 51u);
  for (const std::string& feast : placed) {
    EXPECT_NE(FindFeast(feast), nullptr) << feast << " has no row in feast-names.tsv";
  }
  for (const FeastNames& row : FeastNameTable()) {
    EXPECT_TRUE(placed.contains(std::string(row.finnish)))
        << row.finnish << " is a row for no feast of the calendar";
  }
}

struct PublishedName {
  const char* finnish;
  const char* swedish;
  const char* english;
};

// As the almanac office of the University of Helsinki publishes them.
TEST(FeastNames, HoldTheEstablishedNames) {
  constexpr PublishedName kNames[] = {
      {"Itsenäisyyspäivä", "Självständighetsdagen", "Independence Day"},
      {"Juhannuspäivä", "Midsommardagen", "Midsummer Day"},
      {"Svenska dagen", "Svenska dagen", "Svenska dagen"},
      {"Uudenvuodenpäivä", "Nyårsdagen", "New Year's Day"},
      {"2. pääsiäispäivä", "Annandag påsk", "Easter Monday"},
  };
  for (const PublishedName& name : kNames) {
    EXPECT_EQ(FeastRow(name.finnish).finnish, name.finnish);
    EXPECT_EQ(FeastRow(name.finnish).swedish, name.swedish);
    EXPECT_EQ(FeastRow(name.finnish).english, name.english);
  }
  // A name the table lacks stays as the calendar has it, in every column.
  const FeastNames unnamed = FeastRow("Nimetön päivä");
  EXPECT_EQ(unnamed.finnish, "Nimetön päivä");
  EXPECT_EQ(unnamed.swedish, "Nimetön päivä");
  EXPECT_EQ(unnamed.english, "Nimetön päivä");
}

}  // namespace
}  // namespace kelotarhu::cli
