// Name days as the real library reports them, on dates set by the test host; the whole
// year is compared with the project's name-day data file.
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calendar/windows_1252.h"
#include "tests/win32/dll_test.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::test {
namespace {

constexpr char kFinnish[] = "Amanda, Niina, Manta";  // 26 October
constexpr char kSwedish[] = "Amanda, Nina";
constexpr char kLineBreak[] = "\r\n";

class NameDayTest : public DllTest {
 protected:
  std::string NameDay(const char* finnish, const char* swedish, const char* separator) {
    return Text(dll().GetNameDay(0, finnish, swedish, separator));
  }
};

TEST_F(NameDayTest, WorkedExamplesOfTwentySixthOctober) {
  StartOn(2025, 10, 26);
  EXPECT_EQ(NameDay("K", "K", "0"), std::string(kFinnish) + kLineBreak + kSwedish);
  EXPECT_EQ(NameDay("k", "e", "0"), kFinnish);
  EXPECT_EQ(NameDay("k", "e", "; "), kFinnish);
  EXPECT_EQ(NameDay("0", "1", "0"), kSwedish);
  EXPECT_EQ(NameDay("0", "1", ""), kSwedish);
  EXPECT_EQ(NameDay("E", "E", "0"), "");
  EXPECT_EQ(NameDay("E", "E", " / "), "");
  EXPECT_EQ(NameDay("K", "K", ""), std::string(kFinnish) + kSwedish);
}

TEST_F(NameDayTest, DaysWithoutNamesGiveTheSeparatorAlone) {
  for (const auto& [month, day] : {std::pair{1, 1}, std::pair{12, 25}}) {
    SCOPED_TRACE(std::to_string(day) + "." + std::to_string(month));
    StartOn(2025, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day));
    EXPECT_EQ(NameDay("K", "K", "0"), kLineBreak);
    EXPECT_EQ(NameDay("K", "K", " / "), " / ");
    EXPECT_EQ(NameDay("K", "E", "0"), "");
    EXPECT_EQ(NameDay("E", "K", "0"), "");
  }
}

TEST_F(NameDayTest, LeapDayHasNoNames) {
  StartOn(2024, 2, 29);
  EXPECT_EQ(NameDay("K", "E", "0"), "");
  EXPECT_EQ(NameDay("E", "K", "0"), "");
  EXPECT_EQ(NameDay("K", "K", "0"), kLineBreak);
}

TEST_F(NameDayTest, EmptyWhileNotRunning) {
  host_.SetToday(2025, 10, 26);
  EXPECT_EQ(NameDay("K", "K", "0"), "");
  EXPECT_EQ(NameDay("K", "E", "x"), "");
  dll().dllstartup(0, 0);
  ASSERT_EQ(NameDay("K", "E", "0"), kFinnish);
  dll().dllshutdown(0);
  EXPECT_EQ(NameDay("K", "K", "0"), "");
  EXPECT_EQ(NameDay("0", "1", "0"), "");
}

enum class Reading { kYes, kNo, kNeither };

// Answers as a user might give them, and how each one reads.
struct AnswerForm {
  const char* text;
  Reading reading;
};

const std::vector<AnswerForm> kAnswerForms = {
    {"K", Reading::kYes},      {"k", Reading::kYes},
    {"1", Reading::kYes},      {"E", Reading::kNo},
    {"e", Reading::kNo},       {"0", Reading::kNo},
    {"", Reading::kNeither},   {nullptr, Reading::kNeither},
    {"K ", Reading::kNeither}, {" K", Reading::kNeither},
    {"E ", Reading::kNeither}, {"KE", Reading::kNeither},
    {"10", Reading::kNeither}, {"Kyllä"_cp1252, Reading::kNeither},
    {"2", Reading::kNeither},
};

enum class Shown { kFinnishAlone, kSwedishAlone, kNothing, kBoth };

struct Choice {
  Reading finnish;
  Reading swedish;
  Shown shown;
};

// Finnish alone only for yes/no, Swedish alone only for no/yes, nothing only for
// no/no, both joined otherwise.
const std::vector<Choice> kChoices = {
    {Reading::kYes, Reading::kYes, Shown::kBoth},
    {Reading::kYes, Reading::kNo, Shown::kFinnishAlone},
    {Reading::kYes, Reading::kNeither, Shown::kBoth},
    {Reading::kNo, Reading::kYes, Shown::kSwedishAlone},
    {Reading::kNo, Reading::kNo, Shown::kNothing},
    {Reading::kNo, Reading::kNeither, Shown::kBoth},
    {Reading::kNeither, Reading::kYes, Shown::kBoth},
    {Reading::kNeither, Reading::kNo, Shown::kBoth},
    {Reading::kNeither, Reading::kNeither, Shown::kBoth},
};

std::string Expected(Shown shown, const std::string& separator) {
  switch (shown) {
    case Shown::kFinnishAlone:
      return kFinnish;
    case Shown::kSwedishAlone:
      return kSwedish;
    case Shown::kNothing:
      return "";
    case Shown::kBoth:
      break;
  }
  return kFinnish + separator + kSwedish;
}

const char* Shows(const char* answer) { return answer == nullptr ? "(null)" : answer; }

TEST_F(NameDayTest, EveryAnswerFormInEveryCombination) {
  StartOn(2025, 10, 26);
  for (const Choice& choice : kChoices) {
    for (const AnswerForm& finnish : kAnswerForms) {
      if (finnish.reading != choice.finnish) continue;
      for (const AnswerForm& swedish : kAnswerForms) {
        if (swedish.reading != choice.swedish) continue;
        SCOPED_TRACE(std::string("\"") + Shows(finnish.text) + "\", \"" + Shows(swedish.text) +
                     "\"");
        EXPECT_EQ(NameDay(finnish.text, swedish.text, " | "), Expected(choice.shown, " | "));
      }
    }
  }
}

TEST_F(NameDayTest, OnlyALoneZeroSeparatorBecomesALineBreak) {
  const std::vector<std::pair<const char*, std::string>> separators = {
      {"0", kLineBreak}, {"0 ", "0 "},     {" 0", " 0"},
      {"00", "00"},      {"", ""},         {nullptr, ""},
      {"O", "O"},        {"\r\n", "\r\n"}, {" ä "_cp1252, " ä "_cp1252},
  };
  StartOn(2025, 10, 26);
  for (const auto& [separator, between] : separators) {
    SCOPED_TRACE(Shows(separator));
    EXPECT_EQ(NameDay("K", "K", separator), kFinnish + between + kSwedish);
  }
}

TEST_F(NameDayTest, ATrailingBlankMakesAnAnswerNeither) {
  StartOn(2025, 10, 26);
  EXPECT_EQ(NameDay("K ", "E", "0"), std::string(kFinnish) + kLineBreak + kSwedish);
  EXPECT_EQ(NameDay("E", "K ", "0"), std::string(kFinnish) + kLineBreak + kSwedish);
}

TEST_F(NameDayTest, NullPointersCountAsEmptyTexts) {
  StartOn(2025, 10, 26);
  EXPECT_EQ(NameDay(nullptr, nullptr, nullptr), std::string(kFinnish) + kSwedish);
  EXPECT_EQ(NameDay(nullptr, "E", "0"), std::string(kFinnish) + kLineBreak + kSwedish);
  EXPECT_EQ(NameDay("K", nullptr, "0"), std::string(kFinnish) + kLineBreak + kSwedish);
}

// ---- The whole year against the data file ----

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
