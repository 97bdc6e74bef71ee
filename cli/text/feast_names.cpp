#include "cli/text/feast_names.h"

#include <algorithm>
#include <set>
#include <string>

namespace kelotarhu::cli {

const FeastNames* FindFeast(std::string_view finnish) {
  const std::span<const FeastNames> table = FeastNameTable();
  const auto row = std::ranges::find(table, finnish, &FeastNames::finnish);
  return row == table.end() ? nullptr : &*row;
}

FeastNames FeastRow(std::string_view finnish) {
  if (const FeastNames* row = FindFeast(finnish)) return *row;
  static std::set<std::string, std::less<>> unnamed;  // a node never moves
  const std::string_view kept = *unnamed.emplace(finnish).first;
  return {kept, kept, kept};
}

}  // namespace kelotarhu::cli
