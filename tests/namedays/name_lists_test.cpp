// The compiled name-day lists: byte for byte against the UTF-8 data file read at test
// time, the form of their entries, and their copies in a built year table.
#include "namedays/name_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/windows_1252.h"
#include "calendar/year_table.h"
#include "tests/namedays/name_data_file.h"

namespace kelotarhu::namedays {
namespace {

using namespace calendar::literals;

using test::Slot;
using test::SplitOn;

constexpr int kMonths = 12;
constexpr int kSlotsPerMonth = 31;
constexpr int kSlots = kMonths * kSlotsPerMonth;

// The data file, read once; any flaw is a test failure and yields no slots.
std::vector<Slot> ReadDataFile() {
  std::string error;
  std::optional<std::vector<Slot>> slots = test::ReadNameDataFile(KELOTARHU_NAMEDAYS_TSV, error);
  if (!slots) {
    ADD_FAILURE() << error;
    return {};
  }
  return std::move(*slots);
}

const std::vector<Slot>& DataFile() {
  static const std::vector<Slot> slots = ReadDataFile();
  return slots;
}

// Five Finnish entries once held names that no Finnish list of the time has; the
// almanac office's 1995 and 2000 editions give these.
struct CorrectedEntry {
  int month;
  int day;
  std::string_view finnish;
  std::string_view swedish;
};

TEST(NameLists, HoldTheCheckedFinnishEntries) {
  constexpr CorrectedEntry kCorrected[] = {
      {2, 14, "Voitto", "Valentin"},     {2, 24, "Matti, Matias", "Mattias"},
      {3, 30, "Usko", "Tage"},           {5, 21, "Kosti, Konsta, Konstantin", "Konstantin"},
      {11, 17, "Eino, Einari", "Einar"},
  };
  for (const CorrectedEntry& entry : kCorrected) {
    SCOPED_TRACE(testing::Message() << entry.day << "." << entry.month);
    EXPECT_EQ(NamesOn(FinnishNameList, entry.month, entry.day), entry.finnish);
    EXPECT_EQ(NamesOn(SwedishNameList, entry.month, entry.day), entry.swedish);
  }
}

TEST(DataFile, HasOneRowPerSlotInMonthAndDayOrder) {
  const std::vector<Slot>& slots = DataFile();
  ASSERT_EQ(slots.size(), static_cast<std::size_t>(kSlots));
  for (int index = 0; index < kSlots; ++index) {
    EXPECT_EQ(slots[static_cast<std::size_t>(index)].month, index / kSlotsPerMonth + 1);
    EXPECT_EQ(slots[static_cast<std::size_t>(index)].day, index % kSlotsPerMonth + 1);
  }
}

TEST(NameLists, EverySlotMatchesTheDataFileByteForByte) {
  const std::vector<Slot>& slots = DataFile();
  ASSERT_EQ(slots.size(), static_cast<std::size_t>(kSlots));
  for (const Slot& slot : slots) {
    SCOPED_TRACE(testing::Message() << slot.day << "." << slot.month);
    EXPECT_EQ(NamesOn(FinnishNameList, slot.month, slot.day), slot.finnish);
    EXPECT_EQ(NamesOn(SwedishNameList, slot.month, slot.day), slot.swedish);
  }
}

struct ListCase {
  const char* language;
  const NameList* list;
  std::string_view letters_beyond_ascii;
  std::size_t longest_entry;
  std::size_t most_names;

  friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.language; }
};

const ListCase kLists[] = {
    {"Finnish", &FinnishNameList, "äö"_cp1252, 94, 11},
    {"Swedish", &SwedishNameList, "ÅÖäåö"_cp1252, 17, 2},
};

// Calls `visit(month, day, entry)` for each of the 372 slots of a list.
template <typename Visit>
void ForEachSlot(const NameList& list, Visit visit) {
  for (int month = 1; month <= kMonths; ++month) {
    for (int day = 1; day <= kSlotsPerMonth; ++day) visit(month, day, NamesOn(list, month, day));
  }
}

class NameListTest : public testing::TestWithParam<ListCase> {};

TEST_P(NameListTest, IsEmptyExactlyOnTheNineSlotsWithoutNames) {
  const std::set<std::pair<int, int>> kEmpty = {{1, 1},  {2, 29}, {2, 30},  {2, 31}, {4, 31},
                                                {6, 31}, {9, 31}, {11, 31}, {12, 25}};
  int filled = 0;
  ForEachSlot(*GetParam().list, [&](int month, int day, std::string_view entry) {
    EXPECT_EQ(entry.empty(), kEmpty.count({month, day}) == 1) << day << "." << month;
    filled += entry.empty() ? 0 : 1;
  });
  EXPECT_EQ(filled, 363);
}

bool IsLetter(unsigned char byte, std::string_view letters_beyond_ascii) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         letters_beyond_ascii.find(static_cast<char>(byte)) != std::string_view::npos;
}

// A name is letters, with single blanks only between letters.
bool IsName(std::string_view name, std::string_view letters_beyond_ascii) {
  if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
  if (name.find("  ") != std::string_view::npos) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) {
    return c == ' ' || IsLetter(static_cast<unsigned char>(c), letters_beyond_ascii);
  });
}

TEST_P(NameListTest, EntriesAreNamesOfLettersSeparatedByCommaAndBlank) {
  const ListCase& c = GetParam();
  ForEachSlot(*c.list, [&](int month, int day, std::string_view entry) {
    if (entry.empty()) return;
    for (const std::string& name : SplitOn(entry, ", ")) {
      EXPECT_TRUE(IsName(name, c.letters_beyond_ascii))
          << day << "." << month << ": '" << entry << "'";
    }
  });
}

TEST_P(NameListTest, LettersBeyondAsciiAreExactlyTheLanguagesOwn) {
  const ListCase& c = GetParam();
  std::set<unsigned char> seen;
  ForEachSlot(*c.list, [&](int, int, std::string_view entry) {
    for (const char byte : entry) {
      if (static_cast<unsigned char>(byte) > 0x7F) seen.insert(static_cast<unsigned char>(byte));
    }
  });
  const std::set<unsigned char> expected(c.letters_beyond_ascii.begin(),
                                         c.letters_beyond_ascii.end());
  EXPECT_EQ(seen, expected);
}

TEST_P(NameListTest, LongestEntryAndMostNames) {
  const ListCase& c = GetParam();
  std::size_t longest = 0;
  std::size_t most_names = 0;
  ForEachSlot(*c.list, [&](int, int, std::string_view entry) {
    longest = std::max(longest, entry.size());
    if (!entry.empty()) most_names = std::max(most_names, SplitOn(entry, ", ").size());
  });
  EXPECT_EQ(longest, c.longest_entry);
  EXPECT_EQ(most_names, c.most_names);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, NameListTest, testing::ValuesIn(kLists));

TEST(FinnishNameList, LongestEntryIsOn15August) {
  EXPECT_EQ(NamesOn(FinnishNameList, 8, 15).size(), 94u);
  EXPECT_EQ(SplitOn(NamesOn(FinnishNameList, 8, 15), ", ").size(), 11u);
}

TEST(SwedishNameList, OneNamePerDayButThreeDaysWithTwo) {
  const std::set<std::pair<int, int>> kTwoNames = {{1, 20}, {10, 26}, {12, 24}};
  ForEachSlot(SwedishNameList, [&](int month, int day, std::string_view entry) {
    if (entry.empty()) return;
    const std::size_t expected = kTwoNames.count({month, day}) == 1 ? 2 : 1;
    EXPECT_EQ(SplitOn(entry, ", ").size(), expected) << day << "." << month;
  });
}

struct ExampleSlot {
  int month;
  int day;
  std::string_view finnish;
  std::string_view swedish;
};

TEST(NameLists, ExampleSlots) {
  constexpr ExampleSlot kExamples[] = {
      {1, 1, "", ""},
      {1, 2, "Aapeli, Gert", "Gerhard"},
      {2, 29, "", ""},
      {5, 8, "Heino", "Åke"_cp1252},
      {10, 26, "Amanda, Niina, Manta", "Amanda, Nina"},
      {12, 25, "", ""},
  };
  for (const ExampleSlot& example : kExamples) {
    EXPECT_EQ(NamesOn(FinnishNameList, example.month, example.day), example.finnish)
        << example.day << "." << example.month;
    EXPECT_EQ(NamesOn(SwedishNameList, example.month, example.day), example.swedish)
        << example.day << "." << example.month;
  }
}

std::unique_ptr<calendar::YearTable> Built(std::uint16_t year) {
  auto table = std::make_unique<calendar::YearTable>();
  calendar::BuildYearTable(*table, year);
  return table;
}

class YearTableNamesTest : public testing::TestWithParam<std::uint16_t> {};

// Every used record, the days a month lacks included, carries its slot's names.
TEST_P(YearTableNamesTest, EveryUsedRecordCarriesItsSlotsNames) {
  const std::vector<Slot>& slots = DataFile();
  ASSERT_EQ(slots.size(), static_cast<std::size_t>(kSlots));
  const std::unique_ptr<calendar::YearTable> table = Built(GetParam());
  for (const Slot& slot : slots) {
    SCOPED_TRACE(testing::Message() << slot.day << "." << slot.month);
    const calendar::TNewDay& record = table->Lookup(slot.month, slot.day);
    EXPECT_EQ(record.FinnishNames, slot.finnish);
    EXPECT_EQ(record.SwedishNames, slot.swedish);
  }
}

TEST_P(YearTableNamesTest, SpareRecordsCarryNoNames) {
  const std::unique_ptr<calendar::YearTable> table = Built(GetParam());
  for (int month = 0; month < calendar::YearTable::kMonths; ++month) {
    for (int day = 0; day < calendar::YearTable::kDays; ++day) {
      if (month >= 1 && month <= 12 && day >= 1 && day <= 31) continue;
      EXPECT_EQ(table->Lookup(month, day).FinnishNames, "") << month << "/" << day;
      EXPECT_EQ(table->Lookup(month, day).SwedishNames, "") << month << "/" << day;
    }
  }
}

// Common and leap years, century years and the ends of the range.
INSTANTIATE_TEST_SUITE_P(Years, YearTableNamesTest,
                         testing::Values<std::uint16_t>(2023, 2024, 2100, 2000, 1, 9999));

TEST(YearTableNames, LeapDayAndChristmasAndNewYearCarryNoNames) {
  const std::unique_ptr<calendar::YearTable> table = Built(2024);
  for (const auto& [month, day] : {std::pair{2, 29}, std::pair{1, 1}, std::pair{12, 25}}) {
    EXPECT_EQ(table->Lookup(month, day).FinnishNames, "") << day << "." << month;
    EXPECT_EQ(table->Lookup(month, day).SwedishNames, "") << day << "." << month;
  }
  EXPECT_EQ(table->Lookup(10, 26).FinnishNames, "Amanda, Niina, Manta");
  EXPECT_EQ(table->Lookup(10, 26).SwedishNames, "Amanda, Nina");
}

}  // namespace
}  // namespace kelotarhu::namedays
