#include "cli/export/ics_export.h"

#include <cstdio>

#include "cli/days/calendar_day.h"
#include "cli/text/language.h"
#include "kelotarhu_version.h"

namespace kelotarhu::cli {
namespace {

constexpr std::size_t kMostOctetsPerLine = 75;  // RFC 5545 3.1, CRLF not counted
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int32_t kUnixEpochDayCount = calendar::DayCount(1970, 1, 1);
static_assert(kLastStamp / kSecondsPerDay + kUnixEpochDayCount == kLastDayCount);

// "20261206", DATE form.
std::string IcsDate(calendar::Date date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04u%02u%02u", unsigned{date.year}, unsigned{date.month},
                unsigned{date.day});
  return text;
}

class EventWriter {
 public:
  EventWriter(std::ostream& out, std::string stamp) : out_(out), stamp_(std::move(stamp)) {}

  // An all-day event on `date`; `uid_kind` tells it apart from the day's other events.
  // `categories` are TEXT values, each escaped on its own.
  void Write(calendar::Date date, const std::string& uid_kind, std::string_view summary,
             const std::vector<std::string>& categories = {}) {
    const std::int32_t day_count = DayCountOf(date);
    Line("BEGIN:VEVENT");
    Line("UID:" + IcsDate(date) + '-' + uid_kind + "@kelotarhu");
    Line("DTSTAMP:" + stamp_);
    Line("DTSTART;VALUE=DATE:" + IcsDate(date));
    if (day_count < kLastDayCount) {
      Line("DTEND;VALUE=DATE:" + IcsDate(calendar::DateOfDayCount(day_count + 1)));
    } else {
      Line("DURATION:P1D");  // the calendar has no 1 January 10000 to end on
    }
    Line("SUMMARY:" + IcsText(summary));
    if (!categories.empty()) {
      std::string line = "CATEGORIES:";
      for (const std::string& category : categories) {
        line.append(line.back() == ':' ? "" : ",").append(IcsText(category));
      }
      Line(line);
    }
    Line("TRANSP:TRANSPARENT");  // a whole day, but nobody is busy for it
    Line("END:VEVENT");
  }

  void Line(std::string_view line) { out_ << FoldedLine(line); }

 private:
  std::ostream& out_;
  std::string stamp_;
};

// "Flag day: Independence Day", or "Flag day" alone on a day without a feast; from the
// almanac with the flag day's kind: "Official flag day: Independence Day".
std::string FlagDaySummary(const CalendarDay& day, const std::vector<std::string>& feasts,
                           const Texts& texts) {
  const std::string joined = JoinedFeasts(feasts);
  return Capitalised(FlagDayText(day, texts)) + (joined.empty() ? "" : ": " + joined);
}

// From the almanac, what kind of day it is: "Public holiday", "Official flag day".
std::vector<std::string> Categories(const CalendarDay& day, const Texts& texts) {
  std::vector<std::string> categories;
  if (!day.almanac) return categories;
  if (day.almanac->public_holiday) categories.push_back(Capitalised(texts.public_holiday));
  if (day.flag_day) categories.push_back(Capitalised(FlagDayText(day, texts)));
  return categories;
}

void WriteEventsOfDay(EventWriter& events, const CalendarDay& day, const IcsContent& content,
                      const Texts& texts) {
  const std::vector<std::string> feasts = FeastsIn(day, texts.feast_name);
  const std::vector<std::string> categories = Categories(day, texts);
  if (content.feasts) {
    for (std::size_t i = 0; i < feasts.size(); ++i) {
      events.Write(day.date, "feast-" + std::to_string(i + 1), feasts[i], categories);
    }
  }
  if (content.flag_days && day.flag_day) {
    events.Write(day.date, "flag", FlagDaySummary(day, feasts, texts), categories);
  }
  if (content.finnish_names && !day.finnish_names.empty()) {
    events.Write(day.date, "names-fi", Fill(texts.finnish_names_event, {day.finnish_names}));
  }
  if (content.swedish_names && !day.swedish_names.empty()) {
    events.Write(day.date, "names-sv", Fill(texts.swedish_names_event, {day.swedish_names}));
  }
}

}  // namespace

std::string IcsTimestamp(std::int64_t seconds) {
  const std::int64_t days = seconds / kSecondsPerDay;
  const std::int64_t time = seconds % kSecondsPerDay;
  const calendar::Date date =
      calendar::DateOfDayCount(static_cast<std::int32_t>(days + kUnixEpochDayCount));
  char text[32];
  std::snprintf(text, sizeof text, "%sT%02d%02d%02dZ", IcsDate(date).c_str(),
                static_cast<int>(time / 3600), static_cast<int>(time / 60 % 60),
                static_cast<int>(time % 60));
  return text;
}

std::string IcsText(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\\' || c == ';' || c == ',') {
      escaped += '\\';
      escaped += c;
    } else if (c == '\n') {
      escaped += "\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string FoldedLine(std::string_view line) {
  std::string folded;
  std::size_t room = kMostOctetsPerLine;
  while (line.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && IsContinuationByte(line[cut])) --cut;  // stay before the character
    folded.append(line.substr(0, cut)).append("\r\n ");
    line.remove_prefix(cut);
    room = kMostOctetsPerLine - 1;  // the blank that begins a continuation counts
  }
  return folded.append(line).append("\r\n");
}

void WriteIcs(std::ostream& out, const std::vector<CalendarDay>& days, const IcsContent& content,
              const Texts& texts) {
  EventWriter events(out, IcsTimestamp(content.stamp));
  events.Line("BEGIN:VCALENDAR");
  events.Line("VERSION:2.0");
  std::string language(texts.code);  // PRODID ends with the language, in capitals
  for (char& c : language) c = static_cast<char>(c - 'a' + 'A');
  events.Line("PRODID:-//Kelotarhu//kelotarhu " + std::string(kVersion) + "//" + language);
  events.Line("CALSCALE:GREGORIAN");
  events.Line("METHOD:PUBLISH");
  for (const CalendarDay& day : days) WriteEventsOfDay(events, day, content, texts);
  events.Line("END:VCALENDAR");
}

}  // namespace kelotarhu::cli
