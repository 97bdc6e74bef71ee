#include "cli/days/name_search.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

#include "calendar/date.h"
#include "cli/days/calendar_day.h"
#include "cli/days/day_span.h"
#include "cli/text/utf8.h"

namespace kelotarhu::cli {
namespace {

// The lists do not change with the year; a leap year's table also holds 29 February.
constexpr std::uint16_t kLeapYear = 2024;
static_assert(calendar::YearIsLeap(kLeapYear));

// Suggestions shown at most.
constexpr std::size_t kMostSuggestions = 6;

// Edits (a letter added, dropped, changed, or two neighbours swapped) that turn one
// text into the other: the optimal string alignment distance, one row at a time.
std::size_t EditDistance(std::u32string_view a, std::u32string_view b) {
  std::vector<std::size_t> before_last(b.size() + 1), last(b.size() + 1), row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) last[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        row[j] = std::min(row[j], before_last[j - 2] + 1);
      }
    }
    std::swap(before_last, last);
    std::swap(last, row);
  }
  return last[b.size()];
}

// Finnish doubles letters where a typist often writes one ("Ana" for "Anna", "Mati"
// for "Matti"): the text with each run of one letter written once.
std::u32string WithoutDoubledLetters(std::u32string_view text) {
  std::u32string single;
  for (const char32_t c : text) {
    if (single.empty() || single.back() != c) single += c;
  }
  return single;
}

// How close a list's name is to what was typed; smaller is closer, doubled letters
// counting least.
struct Closeness {
  std::size_t undoubled_distance;
  std::size_t distance;
  friend auto operator<=>(const Closeness&, const Closeness&) = default;
};

// A name may be this many edits away to count as close: one in a short name, two in a
// longer one, any number of doubled letters besides.
bool IsClose(const Closeness& closeness, std::size_t typed_length) {
  return closeness.undoubled_distance == 0 || closeness.distance <= (typed_length <= 4 ? 1u : 2u);
}

void AddMatch(std::vector<NameDay>& days, const std::string& name, const CalendarDay& day,
              NameList list) {
  const int month = day.date.month;
  const int day_number = day.date.day;
  for (NameDay& found : days) {
    if (found.month == month && found.day == day_number && found.name == name) {
      found.lists.push_back(list);
      return;
    }
  }
  days.push_back({name, month, day_number, {list}});
}

// The names nearest the typed one, in order of closeness and then of the alphabet.
std::vector<std::string> CloseNames(const std::u32string& folded,
                                    const std::map<std::u32string, std::string>& names) {
  const std::u32string undoubled = WithoutDoubledLetters(folded);
  std::vector<std::tuple<Closeness, std::string>> close;
  for (const auto& [folded_name, name] : names) {
    const Closeness closeness{EditDistance(folded, folded_name),
                              EditDistance(undoubled, WithoutDoubledLetters(folded_name))};
    if (IsClose(closeness, folded.size())) close.emplace_back(closeness, name);
  }
  std::sort(close.begin(), close.end());
  std::vector<std::string> best;
  for (const auto& [closeness, name] : close) {
    if (best.size() == kMostSuggestions) break;
    best.push_back(name);
  }
  return best;
}

// A name in capitals, letter by letter, so that an edit is one letter whatever its bytes;
// nothing for a text that is not UTF-8.
std::optional<std::u32string> Folded(std::string_view name) {
  const std::string upper = UpperCase(name);
  std::u32string letters;
  for (std::string_view rest = upper; !rest.empty();) {
    const std::optional<char32_t> letter = NextCharacter(rest);
    if (!letter) return std::nullopt;
    letters += *letter;
  }
  return letters;
}

}  // namespace

NameSearch FindNameDays(std::string_view name) {
  const std::optional<std::u32string> folded = Folded(name);
  NameSearch search;
  std::map<std::u32string, std::string> every_name;  // folded -> as the list spells it
  for (const CalendarDay& day : DaysOfYear(kLeapYear, CalendarKind::kAlmanac)) {  // names alike
    for (const auto& [list, names] : {std::pair{NameList::kFinnish, &day.finnish_names},
                                      std::pair{NameList::kSwedish, &day.swedish_names}}) {
      for (const std::string& listed : SplitAt(*names, kNameSeparator)) {
        const std::u32string folded_listed = Folded(listed).value_or(U"");
        if (folded_listed == folded) AddMatch(search.days, listed, day, list);
        every_name.emplace(folded_listed, listed);
      }
    }
  }
  if (search.days.empty() && folded) search.close = CloseNames(*folded, every_name);
  return search;
}

}  // namespace kelotarhu::cli
