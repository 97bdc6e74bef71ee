#include "cli/show/listing.h"

#include <algorithm>
#include <cstdint>

#include "cli/show/day_report.h"
#include "cli/text/language.h"

namespace kelotarhu::cli {
namespace {

// A column of a listing: its heading and a cell per day; a column of words may wrap them.
struct ListingColumn {
  std::string heading;
  std::vector<std::string> cells;
  bool wraps = true;
};

// The columns of each cell's words in lines; the widest word is where a column can go.
std::size_t WidestWord(const ListingColumn& column) {
  std::size_t widest = 0;
  const auto measure = [&widest](std::string_view text) {
    for (const std::string& word : WrappedWords(text, 1)) widest = std::max(widest, Columns(word));
  };
  measure(column.heading);
  for (const std::string& cell : column.cells) measure(cell);
  return widest;
}

// Each column as wide as its widest cell or heading; when the lines would be wider than
// `width`, the widest column that can still give up room gives up a column at a time,
// down to its widest word, and its cells wrap onto lines of their own.
std::vector<std::size_t> ColumnWidths(const std::vector<ListingColumn>& columns, std::size_t gap,
                                      std::size_t width) {
  std::vector<std::size_t> widths;
  std::vector<std::size_t> narrowest;
  std::size_t total = columns.empty() ? 0 : gap * (columns.size() - 1);
  for (const ListingColumn& column : columns) {
    std::size_t widest = Columns(column.heading);
    for (const std::string& cell : column.cells) widest = std::max(widest, Columns(cell));
    widths.push_back(widest);
    narrowest.push_back(column.wraps ? WidestWord(column) : widest);
    total += widest;
  }
  while (total > width) {
    std::optional<std::size_t> widest;
    for (std::size_t i = 0; i < widths.size(); ++i) {
      if (widths[i] > narrowest[i] && (!widest || widths[i] > widths[*widest])) widest = i;
    }
    if (!widest) break;  // every column at its widest word: the lines stay wider
    --widths[*widest];
    --total;
  }
  return widths;
}

// Each column as wide as ColumnWidths makes it, two blanks between columns; the last is
// left ragged, and no line ends in blanks.
void WriteColumns(std::ostream& out, const std::vector<ListingColumn>& columns, std::size_t width) {
  constexpr std::string_view kGap = "  ";
  const std::vector<std::size_t> widths = ColumnWidths(columns, kGap.size(), width);
  const auto write_row = [&](auto cell_of) {
    std::vector<std::vector<std::string>> lines;
    std::size_t height = 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      lines.push_back(WrappedWords(cell_of(columns[i]), widths[i]));
      height = std::max(height, lines.back().size());
    }
    for (std::size_t row = 0; row < height; ++row) {
      std::string line;
      for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string cell = row < lines[i].size() ? lines[i][row] : std::string();
        line.append(i == 0 ? "" : kGap)
            .append(i + 1 < columns.size() ? PadRight(cell, widths[i]) : cell);
      }
      line.erase(line.find_last_not_of(' ') + 1);
      out << line << '\n';
    }
  };
  write_row([](const ListingColumn& column) -> const std::string& { return column.heading; });
  const std::size_t rows = columns.empty() ? 0 : columns.front().cells.size();
  for (std::size_t row = 0; row < rows; ++row) {
    write_row(
        [row](const ListingColumn& column) -> const std::string& { return column.cells[row]; });
  }
}

}  // namespace

void WriteListing(std::ostream& out, const std::vector<CalendarDay>& days, CalendarKind calendar,
                  std::optional<std::size_t> width, const Texts& texts) {
  const Style plain(false, false);
  std::vector<ListingColumn> columns = {
      {std::string(texts.date_heading), {}, false}, {std::string(), {}, false},
      {std::string(texts.feasts_heading), {}},      {Capitalised(texts.swedish_names), {}},
      {Capitalised(texts.finnish_names), {}},
  };
  for (const CalendarDay& day : days) {
    const std::string cells[] = {
        WeekdayAbbreviation(day, texts) + ' ' + DateText(day.date, texts), DayMarks(day, plain),
        JoinedFeasts(FeastsIn(day, texts.feast_name)), day.swedish_names, day.finnish_names};
    for (std::size_t i = 0; i < columns.size(); ++i) columns[i].cells.push_back(cells[i]);
  }
  out << MarkLegend(texts, plain, calendar) << '\n';
  WriteColumns(out, columns, width.value_or(SIZE_MAX));
}

}  // namespace kelotarhu::cli
