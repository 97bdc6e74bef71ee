#include "calendar/year_table.h"

namespace kelotarhu::calendar {
namespace {

// Not a function-local static: that would need a guard, and its handle, at every load.
constinit const TNewDay kOutside{};

}  // namespace

const TNewDay& YearTable::Lookup(int month, int day) const {
  return Contains(month, day)
             ? days_[static_cast<std::size_t>(month)][static_cast<std::size_t>(day)]
             : kOutside;
}

}  // namespace kelotarhu::calendar
