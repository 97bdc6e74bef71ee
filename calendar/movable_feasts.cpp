// Easter Sunday and the feasts that keep their distance from it.
#include <array>
#include <string_view>

#include "calendar/easter.h"
#include "calendar/feast_rules.h"
#include "calendar/windows_1252.h"

namespace kelotarhu::calendar {
namespace {

struct MovableFeast {
  int days_from_easter;
  std::string_view name;
  Placement placement;
  Marks marks;
};

// In placement order: where two meet on a day (never, in practice), the later stands behind.
constexpr auto kMovableFeasts = std::to_array<MovableFeast>({
    {0, kEasterSunday, Placement::kAdd, kRedDay},
    {1, "2. pääsiäispäivä"_cp1252, Placement::kAdd, kRedDay},
    {-7, kPalmSunday, Placement::kAdd, kRedDay},
    {-3, "Kiirastorstai", Placement::kAdd, kNoMarks},
    // Good Friday and Ash Wednesday stand alone on their day; its flags stay.
    {-2, "Pitkäperjantai"_cp1252, Placement::kSet, kRedDay},
    {-46, "Tuhkakeskiviikko", Placement::kSet, kNoMarks},
    {-49, "Laskiaissunnuntai", Placement::kAdd, kNoMarks},
    {39, "Helatorstai", Placement::kAdd, kRedDay},
});

}  // namespace

bool PlaceMovableFeasts(YearTableWriter& table, std::uint16_t year) {
  const Date easter = EasterSunday(year);
  const std::int32_t easter_day_count = DayCount(easter.year, easter.month, easter.day);
  for (const MovableFeast& feast : kMovableFeasts) {
    const Date date = DateOfDayCount(easter_day_count + feast.days_from_easter);
    if (!table.PlaceFeast(date.month, date.day, feast.name, feast.placement, feast.marks)) {
      return false;
    }
  }
  return true;
}

}  // namespace kelotarhu::calendar
