// The whole year of name days as the real library reports them, compared with the
// project's name-day data file read through the system's own code page tables and
// calendar (the cases of each answer and separator are in tests/behaviour).
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/win32/dll_test.h"

namespace kelotarhu::test {
namespace {

constexpr char kLineBreak[] = "\r\n";

class NameDayTest : public DllTest {
 protected:
  std::string NameDay(const char* finnish, const char* swedish, const char* separator) {
    return Text(dll().GetNameDay(0, finnish, swedish, separator));
  }
};

// UTF-8 text as Windows-1252, by the system's own code page tables; a character that
// Windows-1252 lacks fails the test.
std::string Windows1252Of(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int wide_length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                              static_cast<int>(utf8.size()), nullptr, 0);
  EXPECT_GT(wide_length, 0) << "not UTF-8: " << utf8;
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      wide.data(), wide_length);
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), wide_length,
                                         nullptr, 0, nullptr, &lossy);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), wide_length, text.data(), length,
                      nullptr, &lossy);
  EXPECT_FALSE(lossy) << "not in Windows-1252: " << utf8;
  return text;
}

struct DayNames {
  std::string finnish;
  std::string swedish;
};

using NameData = std::map<std::pair<int, int>, DayNames>;  // by (month, day)

// Reads namedays.tsv: a header line, then month, day, Finnish entry and Swedish entry
// separated by tabs.
NameData ReadNameData(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  EXPECT_TRUE(file.is_open()) << "cannot open " << path;
  NameData data;
  std::string line;
  std::getline(file, line);
  EXPECT_EQ(line.rfind("month\tday\tfinnish\tswedish", 0), 0u) << "header: " << line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
    if (line.ends_with('\t')) fields.emplace_back();
    EXPECT_EQ(fields.size(), 4u) << "row: " << line;
    if (fields.size() != 4) continue;
    const std::pair key{std::stoi(fields[0]), std::stoi(fields[1])};
    const bool is_new =
        data.emplace(key, DayNames{Windows1252Of(fields[2]), Windows1252Of(fields[3])}).second;
    EXPECT_TRUE(is_new) << "row given twice: " << line;
  }
  return data;
}

// Every date of `year`, by the Windows calendar: 1 January, then one day (in 100 ns
// units) after the other until the year ends.
std::vector<SYSTEMTIME> DatesOfYear(std::uint16_t year) {
  constexpr ULONGLONG kOneDay = 24ULL * 60 * 60 * 10'000'000;
  SYSTEMTIME date{};
  date.wYear = year;
  date.wMonth = 1;
  date.wDay = 1;
  FILETIME instant{};
  EXPECT_TRUE(SystemTimeToFileTime(&date, &instant));
  std::vector<SYSTEMTIME> dates;
  for (;;) {
    EXPECT_TRUE(FileTimeToSystemTime(&instant, &date));
    if (date.wYear != year) return dates;
    dates.push_back(date);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = instant.dwLowDateTime;
    ticks.HighPart = instant.dwHighDateTime;
    ticks.QuadPart += kOneDay;
    instant.dwLowDateTime = ticks.LowPart;
    instant.dwHighDateTime = ticks.HighPart;
  }
}

TEST_F(NameDayTest, EveryDayOfALeapYearMatchesTheDataFile) {
  const NameData data = ReadNameData(WindowsPathOf(KELOTARHU_NAMEDAYS_TSV));
  ASSERT_EQ(data.size(), 372u);
  const std::vector<SYSTEMTIME> dates = DatesOfYear(2024);
  ASSERT_EQ(dates.size(), 366u);

  ASSERT_EQ(StartOn(2024, 1, 1), 1);
  for (const SYSTEMTIME& date : dates) {
    SCOPED_TRACE(std::to_string(date.wDay) + "." + std::to_string(date.wMonth) + ".2024");
    const auto names = data.find({date.wMonth, date.wDay});
    ASSERT_NE(names, data.end()) << "no row for this date";
    host_.SetToday(date.wYear, date.wMonth, date.wDay);
    EXPECT_EQ(NameDay("K", "E", "0"), names->second.finnish);
    EXPECT_EQ(NameDay("E", "K", "0"), names->second.swedish);
    EXPECT_EQ(NameDay("K", "K", "0"), names->second.finnish + kLineBreak + names->second.swedish);
  }
}

}  // namespace
}  // namespace kelotarhu::test
