// An independent model of the Finnish year, for the tests and the fuzzer: what the year
// table of a year says of one day (its feast text, flag day and red day), computed
// from the reference calendar and from tables of its own. None of it calls the code
// under test.
//
// A day's text is worked out from the placements that fall on that day, taken in the
// build's order (fixed date, weekday-anchored feast, Easter feast, the Annunciation):
// a replacing placement starts the text anew, a joining one adds " / " and its name.
// Where the code under test walks the whole table, the model asks of each rule whether
// it lands on the day, so a year costs a few dozen date computations and a day a scan
// of its rules.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/windows_1252.h"
#include "tests/calendar/reference_calendar.h"

namespace kelotarhu::test {

using namespace calendar::literals;

inline constexpr std::string_view kCandlemas = "Kynttilänpäivä"_cp1252;
inline constexpr std::string_view kMothersDay = "Äitienpäivä"_cp1252;
inline constexpr std::string_view kMemorialDay = "Kaatuneiden muistopäivä"_cp1252;
inline constexpr std::string_view kMidsummerDay = "Juhannuspäivä"_cp1252;
inline constexpr std::string_view kMichaelmas = "Mikkelinpäivä"_cp1252;
inline constexpr std::string_view kFathersDay = "Isänpäivä"_cp1252;
inline constexpr std::string_view kAllSaintsDay = "Pyhäinpäivä"_cp1252;
inline constexpr std::string_view kAnnunciation = "Marian ilmestyspäivä"_cp1252;

inline constexpr std::string_view kEasterSunday = "Pääsiäispäivä"_cp1252;
inline constexpr std::string_view kEasterMonday = "2. pääsiäispäivä"_cp1252;
inline constexpr std::string_view kPalmSunday = "Palmusunnuntai";
inline constexpr std::string_view kMaundyThursday = "Kiirastorstai";
inline constexpr std::string_view kGoodFriday = "Pitkäperjantai"_cp1252;
inline constexpr std::string_view kAshWednesday = "Tuhkakeskiviikko";
inline constexpr std::string_view kShroveSunday = "Laskiaissunnuntai";
inline constexpr std::string_view kAscensionDay = "Helatorstai";

inline constexpr std::string_view kFeastSeparator = " / ";

struct FixedFeast {
  int month;
  int day;
  std::string_view name;
  int flag_day;  // 1 when the feast makes its day a flag day
  int red_day;   // 1 when the feast makes its day a red day
};

// Every fixed-date feast with the flags it sets itself.
inline constexpr FixedFeast kFixedFeasts[] = {
    {1, 1, "Uudenvuodenpäivä"_cp1252, 0, 1},
    {1, 6, "Loppiainen", 0, 1},
    {1, 13, "Nuutin päivä"_cp1252, 0, 0},
    {1, 27, "Vainojen uhrien muistopäivä"_cp1252, 0, 0},
    {2, 5, "J. L. Runebergin päivä"_cp1252, 1, 0},
    {2, 14, "Ystävänpäivä"_cp1252, 0, 0},
    {2, 28, "Kalevalan päivä"_cp1252, 1, 0},
    {2, 29, "Karkauspäivä"_cp1252, 0, 0},
    {3, 8, "Kansainvälinen naistenpäivä"_cp1252, 0, 0},
    {3, 19, "Minna Canthin päivä"_cp1252, 0, 0},
    {4, 1, "Aprillipäivä"_cp1252, 0, 0},
    {4, 7, "Maailman terveyspäivä"_cp1252, 0, 0},
    {4, 9, "Mikael Agricolan päivä"_cp1252, 1, 0},
    {4, 27, "Veteraanipäivä"_cp1252, 1, 0},
    {5, 1, "Vappu", 1, 1},
    {5, 9, "Eurooppa-päivä"_cp1252, 0, 0},
    {5, 12, "J. V. Snellmanin päivä"_cp1252, 1, 0},
    {6, 4, "Puolustusvoimien lippujuhla", 1, 0},
    {6, 5, "Maailman ympäristöpäivä"_cp1252, 0, 0},
    {7, 6, "Eino Leinon päivä"_cp1252, 1, 0},
    {7, 17, "Kansanvallanpäivä"_cp1252, 0, 0},
    {7, 27, "Unikeonpäivä"_cp1252, 0, 0},
    {10, 10, "Aleksis Kiven päivä"_cp1252, 1, 0},
    {10, 16, "Maailman ravintopäivä"_cp1252, 0, 0},
    {10, 20, "Lastenpäivä"_cp1252, 0, 0},
    {10, 24, "YK:n päivä"_cp1252, 1, 0},
    {10, 31, "Halloween", 0, 0},
    {11, 6, "Svenska dagen", 1, 1},
    {12, 6, "Itsenäisyyspäivä"_cp1252, 1, 1},
    {12, 10, "Ihmisoikeuksien päivä"_cp1252, 0, 0},
    {12, 13, "Pyhän Lucian päivä"_cp1252, 0, 0},
    {12, 24, "Jouluaatto", 0, 0},
    {12, 25, "Joulupäivä"_cp1252, 0, 1},
    {12, 26, "Tapaninpäivä"_cp1252, 0, 1},
    {12, 28, "Viattomien lasten päivä"_cp1252, 0, 0},
};

// What the year table of a year holds for one of its days.
struct ReferenceDay {
  std::string feasts;
  bool flag_day = false;
  bool red_day = false;
};

// The days of the year's weekday-anchored and Easter feasts, and how each is placed.
class ReferenceYear {
 public:
  explicit ReferenceYear(int year) : year_(year) {
    const CivilDate easter = GaussEaster(year);
    const CivilDate mothers_day = FirstOnOrAfter({year, 5, 8}, kSundayIndex);
    const CivilDate all_saints_day = FirstOnOrAfter({year, 10, 31}, kSaturdayIndex);
    const CivilDate annunciation_sunday = FirstOnOrAfter({year, 3, 22}, kSundayIndex);
    // Kept off Easter Day (moved two weeks back) and Palm Sunday (one week back).
    const int annunciation_shift = annunciation_sunday == easter                ? -14
                                   : annunciation_sunday == AddDays(easter, -7) ? -7
                                                                                : 0;
    placements_ = {{
        {FirstOnOrAfter({year, 2, 2}, kSundayIndex), kCandlemas, kJoin, 0, 0},
        {mothers_day, kMothersDay, kJoin, 1, 0},
        {AddDays(mothers_day, 7), kMemorialDay, kJoin, 1, 0},
        {FirstOnOrAfter({year, 6, 20}, kSaturdayIndex), kMidsummerDay, kReplace, 1, 1},
        {FirstOnOrAfter({year, 9, 29}, kSundayIndex), kMichaelmas, kReplace, 0, 1},
        {FirstOnOrAfter({year, 11, 8}, kSundayIndex), kFathersDay, kReplace, 1, 1},
        // Halloween gives way on 31 October; Svenska dagen keeps its place on 6 November.
        {all_saints_day, kAllSaintsDay, all_saints_day.month == 10 ? kReplace : kJoin, 0, 1},
        {easter, kEasterSunday, kJoin, 0, 1},
        {AddDays(easter, 1), kEasterMonday, kJoin, 0, 1},
        {AddDays(easter, -7), kPalmSunday, kJoin, 0, 1},
        {AddDays(easter, -3), kMaundyThursday, kJoin, 0, 0},
        {AddDays(easter, -2), kGoodFriday, kReplace, 0, 1},
        {AddDays(easter, -46), kAshWednesday, kReplace, 0, 0},
        {AddDays(easter, -49), kShroveSunday, kJoin, 0, 0},
        {AddDays(easter, 39), kAscensionDay, kJoin, 0, 1},
        {AddDays(annunciation_sunday, annunciation_shift), kAnnunciation, kReplace, 0, 1},
    }};
  }

  int year() const { return year_; }

  // Month 1-12, day 1-31; a day the month lacks in this year (29 February of a common
  // year) still holds its fixed-date feast, but no weekday and so no Sunday red.
  ReferenceDay Day(int month, int day) const {
    const CivilDate date{year_, month, day};
    ReferenceDay result;
    result.red_day = ExistsInReference(date) && ZellerWeekday(date) == kSundayIndex;
    for (const FixedFeast& feast : kFixedFeasts) {
      if (feast.month == month && feast.day == day) {
        Place(result, {date, feast.name, kReplace, feast.flag_day, feast.red_day});
      }
    }
    for (const Placement& placement : placements_) {
      if (placement.date == date) Place(result, placement);
    }
    return result;
  }

 private:
  enum Mode { kJoin, kReplace };

  struct Placement {
    CivilDate date;
    std::string_view name;
    Mode mode;
    int flag_day;
    int red_day;
  };

  static CivilDate FirstOnOrAfter(CivilDate first, int weekday) {
    return AddDays(first, (weekday - ZellerWeekday(first) + 7) % 7);
  }

  static void Place(ReferenceDay& day, const Placement& placement) {
    if (placement.mode == kReplace || day.feasts.empty()) {
      day.feasts = placement.name;
    } else {
      day.feasts.append(kFeastSeparator).append(placement.name);
    }
    day.flag_day = day.flag_day || placement.flag_day == 1;
    day.red_day = day.red_day || placement.red_day == 1;
  }

  int year_;
  std::array<Placement, 16> placements_;
};

}  // namespace kelotarhu::test
