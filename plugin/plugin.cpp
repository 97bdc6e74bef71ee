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
  char upper = answer[0];
  platform::UpperCaseInPlace(&upper, 1);
  return upper == letter;
}

// Name-day answers: "K", "k" and "1" mean yes; "E", "e" and "0" mean no.
Answer NameDayAnswer(std::string_view answer) {
  if (answer == "1" || UpperCasedIs(answer, 'K')) return Answer::kYes;
  if (answer == "0" || UpperCasedIs(answer, 'E')) return Answer::kNo;
  return Answer::kNeither;
}

// The result of a call that ran out of memory: the empty text, and a result text that
// holds nothing stale.
const char* OutOfMemory(calendar::Text& result) {
  result.clear();
  return kEmptyText;
}

}  // namespace

std::int32_t Plugin::Startup() {
  ++start_counter_;
  running_ = true;
  started_ = true;
  calendar::RefreshCurrentDate(current_date_);
  // Zero tells the host that the start failed; the next display call retries the build.
  if (!BuildTable(current_date_.year)) return 0;
  return static_cast<std::int32_t>(start_counter_);
}

std::int32_t Plugin::Shutdown() {
  running_ = false;
  return 0;
}

bool Plugin::BuildTable(std::uint16_t year) {
  table_year_.reset();
  if (!calendar::BuildYearTable(table_, year)) return false;
  table_year_ = year;
  return true;
}

const calendar::TNewDay* Plugin::Today() {
  calendar::RefreshCurrentDate(current_date_);
  if (started_ && table_year_ != current_date_.year && !BuildTable(current_date_.year)) {
    return nullptr;
  }
  return &table_.Lookup(current_date_.month, current_date_.day);
}

const char* Plugin::GetNameDay(const char* finnish_answer, const char* swedish_answer,
                               const char* separator_answer) {
  name_day_result_.clear();
  const calendar::TNewDay* const today = Today();
  if (today == nullptr) return OutOfMemory(name_day_result_);
  if (!running_) return name_day_result_.c_str();

  const std::string_view separator_text = HostText(separator_answer);
  const std::string_view separator = separator_text == "0" ? "\r\n" : separator_text;
  const Answer finnish = NameDayAnswer(HostText(finnish_answer));
  const Answer swedish = NameDayAnswer(HostText(swedish_answer));

  bool done = true;
  if (finnish == Answer::kYes && swedish == Answer::kNo) {
    done = name_day_result_.Assign(today->FinnishNames);
  } else if (finnish == Answer::kNo && swedish == Answer::kYes) {
    done = name_day_result_.Assign(today->SwedishNames);
  } else if (finnish != Answer::kNo || swedish != Answer::kNo) {
    done = name_day_result_.Reserve(today->FinnishNames.size() + separator.size() +
                                    today->SwedishNames.size()) &&
           name_day_result_.Append(today->FinnishNames) && name_day_result_.Append(separator) &&
           name_day_result_.Append(today->SwedishNames);
  }
  return done ? name_day_result_.c_str() : OutOfMemory(name_day_result_);
}

const char* Plugin::GetHoliday(const char* red_answer) {
  const calendar::TNewDay* const today = Today();
  if (today == nullptr) return OutOfMemory(holiday_result_);
  const bool red =
      UpperCasedIs(HostText(red_answer), 'K') && today->RedDay == 1 && !today->Feasts.empty();
  const bool done = holiday_result_.Reserve(today->Feasts.size() + (red ? 1 : 0)) &&
                    holiday_result_.Assign(today->Feasts) && (!red || holiday_result_.Append("."));
  return done ? holiday_result_.c_str() : OutOfMemory(holiday_result_);
}

const char* Plugin::GetFlag(const char* flag_path) {
  const calendar::TNewDay* const today = Today();
  if (today == nullptr) return OutOfMemory(flag_result_);
  if (today->FlagDay != 1) {
    flag_result_.clear();
  } else if (!flag_result_.Assign(HostText(flag_path))) {
    return OutOfMemory(flag_result_);
  }
  return flag_result_.c_str();
}

}  // namespace kelotarhu::plugin
