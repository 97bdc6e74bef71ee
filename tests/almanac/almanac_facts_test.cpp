// The almanac against dated facts and the yearly flag-day counts that the almanac office
// publishes: files of their own, each fact with its source, never derived from the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "almanac/almanac.h"

namespace kelotarhu::almanac {
namespace {

struct TsvRow {
  int line;
  std::vector<std::string> fields;
};

// The rows after the header, comment lines left out.
std::vector<TsvRow> ReadTsv(const char* path, const std::string& header) {
  std::ifstream file(path);
  EXPECT_TRUE(file) << path;
  std::vector<TsvRow> rows;
  std::string line;
  bool header_read = false;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.empty() || line.starts_with('#')) continue;
    if (!header_read) {
      EXPECT_EQ(line, header) << path;
      header_read = true;
      continue;
    }
    TsvRow row{number, {}};
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      row.fields.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// Every year asked for, built once.
const AlmanacYear& YearOf(int year) {
  static std::map<int, AlmanacYear> years;
  auto found = years.find(year);
  if (found == years.end()) found = years.emplace(year, BuildAlmanacYear(year)).first;
  return found->second;
}

std::vector<std::string_view> NamesOn(const AlmanacDay& day, std::string_view Rule::*column) {
  std::vector<std::string_view> names;
  for (const std::uint16_t index : day.Rules()) names.push_back(AlmanacRules()[index].*column);
  return names;
}

std::string Listed(const std::vector<std::string_view>& names) {
  std::string listed;
  for (const std::string_view name : names) listed.append(listed.empty() ? "" : " | ").append(name);
  return "[" + listed + "]";
}

// "Name": the almanac has the name on the day; "!Name": it has not; "-": no check.
void ExpectName(const std::string& expected, const std::vector<std::string_view>& names) {
  if (expected == "-") return;
  if (expected.starts_with('!')) {
    EXPECT_EQ(std::ranges::count(names, expected.substr(1)), 0)
        << expected.substr(1) << " on the day: " << Listed(names);
  } else {
    EXPECT_EQ(std::ranges::count(names, expected), 1)
        << expected << " not on the day: " << Listed(names);
  }
}

constexpr const char* kFlagKindNames[] = {"none", "customary", "official"};

TEST(AlmanacFacts, HoldOnTheirDates) {
  const std::vector<TsvRow> facts =
      ReadTsv(KELOTARHU_ALMANAC_FACTS, "date\tfi\tsv\ten\tred\tflag\tsource");
  ASSERT_FALSE(facts.empty());
  for (const TsvRow& fact : facts) {
    ASSERT_EQ(fact.fields.size(), 7u) << "facts.tsv:" << fact.line;
    const std::vector<std::string>& f = fact.fields;
    SCOPED_TRACE("facts.tsv:" + std::to_string(fact.line) + " " + f[0] + " " + f[1] + " (" + f[6] +
                 ")");
    int year = 0, month = 0, day = 0;
    ASSERT_EQ(std::sscanf(f[0].c_str(), "%d-%d-%d", &year, &month, &day), 3);
    const AlmanacDay& almanac = YearOf(year).Day(month, day);
    ExpectName(f[1], NamesOn(almanac, &Rule::finnish));
    ExpectName(f[2], NamesOn(almanac, &Rule::swedish));
    ExpectName(f[3], NamesOn(almanac, &Rule::english));
    if (f[4] != "-") {
      EXPECT_EQ(almanac.red ? "yes" : "no", f[4]) << "red";
    }
    if (f[5] != "-") {
      EXPECT_EQ(kFlagKindNames[static_cast<int>(almanac.flag)], f[5]) << "flag";
    }
  }
}

TEST(AlmanacFacts, CountTheFlagDaysOfAYearAsTheAlmanacOfficeDoes) {
  const std::vector<TsvRow> counts =
      ReadTsv(KELOTARHU_ALMANAC_FLAG_COUNTS, "year\tofficial\tcustomary\tsource");
  ASSERT_FALSE(counts.empty());
  for (const TsvRow& count : counts) {
    ASSERT_EQ(count.fields.size(), 4u) << "flag_counts.tsv:" << count.line;
    SCOPED_TRACE("flag_counts.tsv:" + std::to_string(count.line) + " " + count.fields[0] + " (" +
                 count.fields[3] + ")");
    const AlmanacYear& year = YearOf(std::stoi(count.fields[0]));
    // The almanac office counts the flag days it lists: two that meet on one date (Mother's
    // Day on Europe Day) count once each, each of its own kind.
    const auto days_of_kind = [&](FlagKind kind) {
      int flag_days = 0;
      for (const AlmanacDay& day : year.days) {
        for (const std::uint16_t index : day.Rules())
          flag_days += AlmanacRules()[index].flag == kind;
      }
      return flag_days;
    };
    EXPECT_EQ(days_of_kind(FlagKind::kOfficial), std::stoi(count.fields[1])) << "official";
    EXPECT_EQ(days_of_kind(FlagKind::kCustomary), std::stoi(count.fields[2])) << "customary";
  }
}

}  // namespace
}  // namespace kelotarhu::almanac
