// One loaded instance of the plug-in: its life cycle, its year table and the result
// texts that each entry point owns. The exports drive a single instance; tests may
// make their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/date.h"
#include "calendar/text.h"
#include "calendar/year_table.h"

namespace kelotarhu::plugin {

class Plugin {
 public:
  // Counts the start, sets the running flag and builds the table of today's year.
  std::int32_t Startup();
  // Clears the running flag; the table stays.
  std::int32_t Shutdown();

  // Display functions; null pointers count as the empty text. Each result stays valid
  // until the same function is called again on this instance. When memory runs out,
  // the result is the empty text and the next call answers normally.
  const char* GetNameDay(const char* finnish_answer, const char* swedish_answer,
                         const char* separator);
  const char* GetHoliday(const char* red_answer);
  const char* GetFlag(const char* flag_path);

  // The option descriptor of a display function, or the empty text.
  const char* GetParam(const char* function_name);

  const calendar::YearTable& table() const { return table_; }

 private:
  // Refreshes today's date and returns its record. A table built in an earlier year is
  // first rebuilt for today's year, so a host that stays started over New Year reads
  // this year's feasts. Null when that rebuild ran out of memory.
  const calendar::TNewDay* Today();

  // Builds the table for `year`; the year is recorded only once the build completes,
  // so that a build cut short (out of memory, false) is done again by the next call.
  bool BuildTable(std::uint16_t year);

  bool running_ = false;
  bool started_ = false;
  std::optional<std::uint16_t> table_year_;
  std::uint32_t start_counter_ = 0;  // wraps as the 32-bit value it is
  calendar::Date current_date_;
  calendar::YearTable table_;
  calendar::Text name_day_result_;
  calendar::Text holiday_result_;
  calendar::Text flag_result_;
  calendar::Text param_result_;
};

// Stateless entry points.
inline constexpr std::string_view kDisplayFunctions = "GetNameDay|GetHoliday|GetFlag";
inline constexpr std::int32_t kDllType = 1;
// Information text 0-6; the empty text for any other type.
const char* InfoText(std::uint32_t type);

}  // namespace kelotarhu::plugin
