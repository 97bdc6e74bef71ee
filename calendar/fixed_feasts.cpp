// Holidays, feasts, flag days and theme days that keep their calendar date every year.
#include <array>
#include <string_view>

#include "calendar/date.h"
#include "calendar/feast_rules.h"
#include "calendar/windows_1252.h"

namespace kelotarhu::calendar {
namespace {

struct FixedFeast {
  int month;
  int day;
  std::string_view name;
  Marks marks;
};

// Ordered by date; no two rows share a day.
constexpr auto kFixedFeasts = std::to_array<FixedFeast>({
    {1, 1, "Uudenvuodenpäivä"_cp1252, kRedDay},
    {1, 6, "Loppiainen", kRedDay},
    {1, 13, "Nuutin päivä"_cp1252, kNoMarks},
    {1, 27, "Vainojen uhrien muistopäivä"_cp1252, kNoMarks},
    {2, 5, "J. L. Runebergin päivä"_cp1252, kFlagDay},
    {2, 14, "Ystävänpäivä"_cp1252, kNoMarks},
    {2, 28, "Kalevalan päivä"_cp1252, kFlagDay},
    // Placed in common years too, on the record that then stands for no date.
    {2, 29, "Karkauspäivä"_cp1252, kNoMarks},
    {3, 8, "Kansainvälinen naistenpäivä"_cp1252, kNoMarks},
    {3, 19, "Minna Canthin päivä"_cp1252, kNoMarks},
    {4, 1, "Aprillipäivä"_cp1252, kNoMarks},
    {4, 7, "Maailman terveyspäivä"_cp1252, kNoMarks},
    {4, 9, "Mikael Agricolan päivä"_cp1252, kFlagDay},
    {4, 27, "Veteraanipäivä"_cp1252, kFlagDay},
    {5, 1, "Vappu", kFlagAndRedDay},
    {5, 9, "Eurooppa-päivä"_cp1252, kNoMarks},
    {5, 12, "J. V. Snellmanin päivä"_cp1252, kFlagDay},
    {6, 4, "Puolustusvoimien lippujuhla", kFlagDay},
    {6, 5, "Maailman ympäristöpäivä"_cp1252, kNoMarks},
    {7, 6, "Eino Leinon päivä"_cp1252, kFlagDay},
    {7, 17, "Kansanvallanpäivä"_cp1252, kNoMarks},
    {7, 27, "Unikeonpäivä"_cp1252, kNoMarks},
    {10, 10, "Aleksis Kiven päivä"_cp1252, kFlagDay},
    {10, 16, "Maailman ravintopäivä"_cp1252, kNoMarks},
    {10, 20, "Lastenpäivä"_cp1252, kNoMarks},
    {10, 24, "YK:n päivä"_cp1252, kFlagDay},
    {10, 31, "Halloween", kNoMarks},
    {11, 6, "Svenska dagen", kFlagAndRedDay},
    {12, 6, "Itsenäisyyspäivä"_cp1252, kFlagAndRedDay},
    {12, 10, "Ihmisoikeuksien päivä"_cp1252, kNoMarks},
    {12, 13, "Pyhän Lucian päivä"_cp1252, kNoMarks},
    {12, 24, "Jouluaatto", kNoMarks},
    {12, 25, "Joulupäivä"_cp1252, kRedDay},
    {12, 26, "Tapaninpäivä"_cp1252, kRedDay},
    {12, 28, "Viattomien lasten päivä"_cp1252, kNoMarks},
});

// Each row a real date, later than the row before it, so that no two share a day.
constexpr bool InStrictDateOrder() {
  int previous = 0;
  for (const FixedFeast& feast : kFixedFeasts) {
    const int key = feast.month * 100 + feast.day;
    if (!DateIsValid(2024, feast.month, feast.day) || key <= previous) return false;
    previous = key;
  }
  return true;
}
static_assert(InStrictDateOrder());

}  // namespace

bool PlaceFixedFeasts(YearTableWriter& table, int first_month, int last_month) {
  for (const FixedFeast& feast : kFixedFeasts) {
    if (feast.month < first_month || feast.month > last_month) continue;
    // Each row is the first placement on its day, so it replaces the empty text.
    if (!table.PlaceFeast(feast.month, feast.day, feast.name, Placement::kSet, feast.marks)) {
      return false;
    }
  }
  return true;
}

}  // namespace kelotarhu::calendar
