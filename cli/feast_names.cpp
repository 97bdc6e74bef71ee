#include "cli/feast_names.h"

#include <algorithm>

namespace kelotarhu::cli {

const FeastNames* FindFeast(std::string_view finnish) {
  const std::span<const FeastNames> table = FeastNameTable();
  const auto row = std::ranges::find(table, finnish, &FeastNames::finnish);
  return row == table.end() ? nullptr : &*row;
}

std::string_view FeastName(std::string_view finnish, FeastNameColumn column) {
  const FeastNames* row = FindFeast(finnish);
  return row ? row->*column : finnish;
}

}  // namespace kelotarhu::cli
