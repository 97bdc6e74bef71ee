#include "plugin/plugin.h"

#include "calendar/today.h"
#include "platform/platform.h"
#include "plugin/texts.h"

namespace kelotarhu::plugin {
namespace {

enum class Answer { kYes, kNo, kNeither };

// Whether a yes-or-no answer, upper-cased whole and untrimmed, is exactly `letter`.
// Upper-casing keeps the length, so only a one-byte answer can match.
bool UpperCasedIs(std::string_view answer, char letter) {
  if (answer.size() != 1) return false;
  std::string upper(answer);
  platform::UpperCaseInPlace(upper);
  return upper[0] == letter;
}

// Name-day answers: "K", "k" and "1" mean yes; "E", "e" and "0" mean no.
Answer NameDayAnswer(std::string_view answer) {
  if (answer == "1" || UpperCasedIs(answer, 'K')) return Answer::kYes;
  if (answer == "0" || UpperCasedIs(answer, 'E')) return Answer::kNo;
  return Answer::kNeither;
}

}  // namespace

std::int32_t Plugin::Startup() {
  ++start_counter_;
  running_ = true;
  started_ = true;
  calendar::RefreshCurrentDate(current_date_);
  BuildTable(current_date_.year);
  return static_cast<std::int32_t>(start_counter_);
}

std::int32_t Plugin::Shutdown() {
  running_ = false;
  return 0;
}

void Plugin::BuildTable(std::uint16_t year) {
  table_year_.reset();
  calendar::BuildYearTable(table_, year);
  table_year_ = year;
}

const calendar::TNewDay& Plugin::Today() {
  calendar::RefreshCurrentDate(current_date_);
  if (started_ && table_year_ != current_date_.year) BuildTable(current_date_.year);
  return table_.Lookup(current_date_.month, current_date_.day);
}

const char* Plugin::GetNameDay(const char* finnish_answer, const char* swedish_answer,
                               const char* separator_answer) {
  name_day_result_.clear();
  const calendar::TNewDay& today = Today();
  if (!running_) return name_day_result_.c_str();

  const std::string_view separator_text = HostText(separator_answer);
  const std::string_view separator = separator_text == "0" ? "\r\n" : separator_text;
  const Answer finnish = NameDayAnswer(HostText(finnish_answer));
  const Answer swedish = NameDayAnswer(HostText(swedish_answer));

  if (finnish == Answer::kYes && swedish == Answer::kNo) {
    name_day_result_.assign(today.FinnishNames);
  } else if (finnish == Answer::kNo && swedish == Answer::kYes) {
    name_day_result_.assign(today.SwedishNames);
  } else if (finnish != Answer::kNo || swedish != Answer::kNo) {
    name_day_result_.reserve(today.FinnishNames.size() + separator.size() +
                             today.SwedishNames.size());
    name_day_result_.append(today.FinnishNames).append(separator).append(today.SwedishNames);
  }
  return name_day_result_.c_str();
}

const char* Plugin::GetHoliday(const char* red_answer) {
  const calendar::TNewDay& today = Today();
  holiday_result_.assign(today.Feasts);
  if (UpperCasedIs(HostText(red_answer), 'K') && today.RedDay == 1 && !holiday_result_.empty()) {
    holiday_result_ += '.';
  }
  return holiday_result_.c_str();
}

const char* Plugin::GetFlag(const char* flag_path) {
  const calendar::TNewDay& today = Today();
  if (today.FlagDay == 1) {
    flag_result_.assign(HostText(flag_path));
  } else {
    flag_result_.clear();
  }
  return flag_result_.c_str();
}

}  // namespace kelotarhu::plugin
