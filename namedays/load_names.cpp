#include "namedays/load_names.h"

#include "namedays/name_lists.h"

namespace kelotarhu::namedays {
namespace {

// Every one of the 372 slots, empty ones included, replaces its record's text; the
// record refers to the list's constant text, which lives as long as the library.
void LoadNames(calendar::YearTable& table, const NameList& list,
               std::string_view calendar::TNewDay::*field) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) table.Day(month, day).*field = NamesOn(list, month, day);
  }
}

}  // namespace

void LoadFinnishNames(calendar::YearTable& table) {
  LoadNames(table, FinnishNameList, &calendar::TNewDay::FinnishNames);
}

void LoadSwedishNames(calendar::YearTable& table) {
  LoadNames(table, SwedishNameList, &calendar::TNewDay::SwedishNames);
}

}  // namespace kelotarhu::namedays
