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

#include "tests/calendar/reference_calendar.h"

namespace kelotarhu::test {

inline constexpr std::string_view kCandlemas = "Kynttil\xE4np\xE4iv\xE4";
inline constexpr std::string_view kMothersDay = "\xC4itienp\xE4iv\xE4";
inline constexpr std::string_view kMemorialDay = "Kaatuneiden muistop\xE4iv\xE4";
inline constexpr std::string_view kMidsummerDay = "Juhannusp\xE4iv\xE4";
inline constexpr std::string_view kMichaelmas = "Mikkelinp\xE4iv\xE4";
inline constexpr std::string_view kFathersDay = "Is\xE4np\xE4iv\xE4";
inline constexpr std::string_view kAllSaintsDay = "Pyh\xE4inp\xE4iv\xE4";
inline constexpr std::string_view kAnnunciation = "Marian ilmestysp\xE4iv\xE4";

inline constexpr std::string_view kEasterSunday = "P\xE4\xE4si\xE4isp\xE4iv\xE4";
inline constexpr std::string_view kEasterMonday = "2. p\xE4\xE4si\xE4isp\xE4iv\xE4";
inline constexpr std::string_view kPalmSunday = "Palmusunnuntai";
inline constexpr std::string_view kMaundyThursday = "Kiirastorstai";
inline constexpr std::string_view kGoodFriday = "Pitk\xE4perjantai";
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
    {1, 1, "Uudenvuodenp\xE4iv\xE4", 0, 1},
    {1, 6, "Loppiainen", 0, 1},
    {1, 13, "Nuutin p\xE4iv\xE4", 0, 0},
    {1, 27, "Vainojen uhrien muistop\xE4iv\xE4", 0, 0},
    {2, 5, "J. L. Runebergin p\xE4iv\xE4", 1, 0},
    {2, 14, "Yst\xE4v\xE4np\xE4iv\xE4", 0, 0},
    {2, 28, "Kalevalan p\xE4iv\xE4", 1, 0},
    {2, 29, "Karkausp\xE4iv\xE4", 0, 0},
    {3, 8, "Kansainv\xE4linen naistenp\xE4iv\xE4", 0, 0},
    {3, 19, "Minna Canthin p\xE4iv\xE4", 0, 0},
    {4, 1, "Aprillip\xE4iv\xE4", 0, 0},
    {4, 7, "Maailman terveysp\xE4iv\xE4", 0, 0},
    {4, 9, "Mikael Agricolan p\xE4iv\xE4", 1, 0},
    {4, 27, "Veteraanip\xE4iv\xE4", 1, 0},
    {5, 1, "Vappu", 1, 1},
    {5, 9, "Eurooppa-p\xE4iv\xE4", 0, 0},
    {5, 12, "J. V. Snellmanin p\xE4iv\xE4", 1, 0},
    {6, 4, "Puolustusvoimien lippujuhla", 1, 0},
    {6, 5, "Maailman ymp\xE4rist\xF6p\xE4iv\xE4", 0, 0},
    {7, 6, "Eino Leinon p\xE4iv\xE4", 1, 0},
    {7, 17, "Kansanvallanp\xE4iv\xE4", 0, 0},
    {7, 27, "Unikeonp\xE4iv\xE4", 0, 0},
    {10, 10, "Aleksis Kiven p\xE4iv\xE4", 1, 0},
    {10, 16, "Maailman ravintop\xE4iv\xE4", 0, 0},
    {10, 20, "Lastenp\xE4iv\xE4", 0, 0},
    {10, 24, "YK:n p\xE4iv\xE4", 1, 0},
    {10, 31, "Halloween", 0, 0},
    {11, 6, "Svenska dagen", 1, 1},
    {12, 6, "Itsen\xE4isyysp\xE4iv\xE4", 1, 1},
    {12, 10, "Ihmisoikeuksien p\xE4iv\xE4", 0, 0},
    {12, 13, "Pyh\xE4n Lucian p\xE4iv\xE4", 0, 0},
    {12, 24, "Jouluaatto", 0, 0},
    {12, 25, "Joulup\xE4iv\xE4", 0, 1},
    {12, 26, "Tapaninp\xE4iv\xE4", 0, 1},
    {12, 28, "Viattomien lasten p\xE4iv\xE4", 0, 0},
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
