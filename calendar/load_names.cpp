#include "calendar/load_names.h"

#include "namedays/name_lists.h"

namespace kelotarhu::calendar {
namespace {

// Every one of the 372 slots, empty ones included, replaces its record's text; the
// record refers to the list's constant text, which lives as long as the library.
void LoadNames(YearTableWriter& table, const namedays::NameList& list,
               std::string_view TNewDay::*field) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day)
      table.Day(month, day).*field = namedays::NamesOn(list, month, day);
  }
}

}  // namespace

void LoadFinnishNames(YearTableWriter& table) {
  LoadNames(table, namedays::FinnishNameList, &TNewDay::FinnishNames);
}

void LoadSwedishNames(YearTableWriter& table) {
  LoadNames(table, namedays::SwedishNameList, &TNewDay::SwedishNames);
}

}  // namespace kelotarhu::calendar
