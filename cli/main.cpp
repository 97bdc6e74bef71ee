// kelotarhu: what a day means in the Finnish calendar.
#include <iostream>
#include <string>
#include <string_view>

#include "calendar/today.h"
#include "calendar/year_table.h"

namespace {

// Windows-1252 to UTF-8 for the letters the calendar texts use.
std::string Utf8(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

}  // namespace

int main() {
  using namespace kelotarhu::calendar;
  Date today;
  RefreshCurrentDate(today);
  YearTable table;
  BuildYearTable(table, today.year);
  const TNewDay& day = table.Lookup(today.month, today.day);
  std::cout << Utf8(day.Weekday) << ' ' << today.day << '.' << today.month << '.' << today.year
            << '\n'
            << "Juhlat: " << Utf8(day.Feasts) << (day.RedDay == 1 ? " (punainen)" : "") << '\n'
            << "Liputus: " << (day.FlagDay == 1 ? "kyll\xC3\xA4" : "ei") << '\n'
            << "Nimip\xC3\xA4iv\xC3\xA4t: " << Utf8(day.FinnishNames) << '\n'
            << "Namnsdag: " << Utf8(day.SwedishNames) << '\n';
  return 0;
}
