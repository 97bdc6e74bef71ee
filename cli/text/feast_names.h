// Each feast's name in the languages of the tool, from feast-names.tsv (generated
// into a table at build time by tools/gen_feast_names.py).
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kelotarhu::cli {

// UTF-8; `finnish` exactly as the calendar writes the feast.
struct FeastNames {
  std::string_view finnish;
  std::string_view swedish;
  std::string_view english;
};

// Which name of a feast a language shows.
using FeastNameColumn = std::string_view FeastNames::*;

// Every row of the data file, in its order.
std::span<const FeastNames> FeastNameTable();

// The row of a feast as the calendar names it (in UTF-8), or nothing.
const FeastNames* FindFeast(std::string_view finnish);

// The row of a feast as the calendar names it; for a feast without a row, the
// calendar's own name in every column, kept for the life of the program.
FeastNames FeastRow(std::string_view finnish);

}  // namespace kelotarhu::cli
