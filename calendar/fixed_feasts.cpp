// Holidays, feasts, flag days and theme days that keep their calendar date every year.
#include <array>
#include <string_view>

#include "calendar/feast_rules.h"

namespace kelotarhu::calendar {
namespace {

struct FixedFeast {
  int month;
  int day;
  std::string_view name;
  Marks marks;
};

// Ordered by date; no two rows share a day.
constexpr std::array<FixedFeast, 35> kFixedFeasts = {{
    {1, 1, "Uudenvuodenp\xE4iv\xE4", kRedDay},
    {1, 6, "Loppiainen", kRedDay},
    {1, 13, "Nuutin p\xE4iv\xE4", kNoMarks},
    {1, 27, "Vainojen uhrien muistop\xE4iv\xE4", kNoMarks},
    {2, 5, "J. L. Runebergin p\xE4iv\xE4", kFlagDay},
    {2, 14, "Yst\xE4v\xE4np\xE4iv\xE4", kNoMarks},
    {2, 28, "Kalevalan p\xE4iv\xE4", kFlagDay},
    // Placed in common years too, on the record that then stands for no date.
    {2, 29, "Karkausp\xE4iv\xE4", kNoMarks},
    {3, 8, "Kansainv\xE4linen naistenp\xE4iv\xE4", kNoMarks},
    {3, 19, "Minna Canthin p\xE4iv\xE4", kNoMarks},
    {4, 1, "Aprillip\xE4iv\xE4", kNoMarks},
    {4, 7, "Maailman terveysp\xE4iv\xE4", kNoMarks},
    {4, 9, "Mikael Agricolan p\xE4iv\xE4", kFlagDay},
    {4, 27, "Veteraanip\xE4iv\xE4", kFlagDay},
    {5, 1, "Vappu", kFlagAndRedDay},
    {5, 9, "Eurooppa-p\xE4iv\xE4", kNoMarks},
    {5, 12, "J. V. Snellmanin p\xE4iv\xE4", kFlagDay},
    {6, 4, "Puolustusvoimien lippujuhla", kFlagDay},
    {6, 5, "Maailman ymp\xE4rist\xF6p\xE4iv\xE4", kNoMarks},
    {7, 6, "Eino Leinon p\xE4iv\xE4", kFlagDay},
    {7, 17, "Kansanvallanp\xE4iv\xE4", kNoMarks},
    {7, 27, "Unikeonp\xE4iv\xE4", kNoMarks},
    {10, 10, "Aleksis Kiven p\xE4iv\xE4", kFlagDay},
    {10, 16, "Maailman ravintop\xE4iv\xE4", kNoMarks},
    {10, 20, "Lastenp\xE4iv\xE4", kNoMarks},
    {10, 24, "YK:n p\xE4iv\xE4", kFlagDay},
    {10, 31, "Halloween", kNoMarks},
    {11, 6, "Svenska dagen", kFlagAndRedDay},
    {12, 6, "Itsen\xE4isyysp\xE4iv\xE4", kFlagAndRedDay},
    {12, 10, "Ihmisoikeuksien p\xE4iv\xE4", kNoMarks},
    {12, 13, "Pyh\xE4n Lucian p\xE4iv\xE4", kNoMarks},
    {12, 24, "Jouluaatto", kNoMarks},
    {12, 25, "Joulup\xE4iv\xE4", kRedDay},
    {12, 26, "Tapaninp\xE4iv\xE4", kRedDay},
    {12, 28, "Viattomien lasten p\xE4iv\xE4", kNoMarks},
}};

}  // namespace

bool PlaceFixedFeasts(YearTable& table, int first_month, int last_month) {
  for (const FixedFeast& feast : kFixedFeasts) {
    if (feast.month < first_month || feast.month > last_month) continue;
    // Each row is the first placement on its day, so it replaces the empty text.
    if (!PlaceFeast(table, feast.month, feast.day, feast.name, Placement::kSet, feast.marks)) {
      return false;
    }
  }
  return true;
}

}  // namespace kelotarhu::calendar
