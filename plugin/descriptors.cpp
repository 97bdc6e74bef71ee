// The option descriptors of the display functions ("question=default|" per option)
// and the plug-in's information texts.
#include <array>

#include "calendar/windows_1252.h"
#include "kelotarhu_version.h"
#include "platform/platform.h"
#include "plugin/plugin.h"
#include "plugin/texts.h"

namespace kelotarhu::plugin {
namespace {

using namespace calendar::literals;

constexpr const char* kNameDayDescriptor =
    "Näytetäänkö suomalaiset nimet?=K|"
    "Näytetäänkö ruotsalaiset nimet?=K|"
    "Miten ne erotetaan toisistaan?=0 |"_cp1252;
constexpr const char* kHolidayDescriptor = "Näytetäänkö juhlat punaisella?=K|"_cp1252;
constexpr std::string_view kFlagQuestion = "Polku jossa lipun kuva sijaitsee=";
constexpr std::string_view kFlagImage = "plugins\\flag.gif|";

// Every text starts with five blanks.
constexpr std::array<const char*, 7> kInfoTexts = {
    "     Kelotarhu",
    "     Nimipäivät: Helsingin yliopiston almanakkatoimisto. "
    "Liitännäinen: Kelotarhu-projekti"_cp1252,
    "     " KELOTARHU_VERSION,
    "     27.02.2005",
    "     03.04.2005",
    "     https://almanakka.helsinki.fi/",
    "     kelotarhu@example.org",
};

// The length of a path's leading part up to and including its last backslash or colon.
std::size_t FolderLength(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  return last == std::string_view::npos ? 0 : last + 1;
}

// GetModuleFileNameA truncates silently when the buffer is too small, so the buffer
// grows until the answer fits with room to spare; long paths reach 32767 characters.
constexpr std::size_t kFirstPathBuffer = 260;  // MAX_PATH
constexpr std::size_t kLargestPathBuffer = 65536;

// Appends the host executable's path to `text`; false when memory ran out. A path the
// system cannot tell, or one longer than any Windows path, adds nothing.
bool AppendHostExecutablePath(calendar::Text& text) {
  const std::size_t start = text.size();
  for (std::size_t buffer = kFirstPathBuffer;; buffer *= 2) {
    // Room for `buffer` bytes, the terminator included, after the text so far.
    if (!text.Reserve(start + buffer - 1)) return false;
    const std::size_t length = platform::HostExecutablePath(text.data() + start, buffer);
    if (length < buffer) {
      text.Truncate(start + length);
      return true;
    }
    if (buffer >= kLargestPathBuffer) {
      text.Truncate(start);
      return true;
    }
  }
}

}  // namespace

const char* InfoText(std::uint32_t type) {
  return type < kInfoTexts.size() ? kInfoTexts[type] : kEmptyText;
}

const char* Plugin::GetParam(const char* function_name) {
  const std::string_view name = HostText(function_name);
  if (name == "GetNameDay") return kNameDayDescriptor;
  if (name == "GetHoliday") return kHolidayDescriptor;
  if (name != "GetFlag") return kEmptyText;
  // Formed anew each call from the host executable's folder: the path is read in
  // after the question and cut back to its folder.
  param_result_.clear();
  if (!param_result_.Append(kFlagQuestion) || !AppendHostExecutablePath(param_result_)) {
    param_result_.clear();
    return kEmptyText;
  }
  std::string_view path = param_result_.view();
  path.remove_prefix(kFlagQuestion.size());
  param_result_.Truncate(kFlagQuestion.size() + FolderLength(path));
  if (!param_result_.Append(kFlagImage)) {
    param_result_.clear();
    return kEmptyText;
  }
  return param_result_.c_str();
}

}  // namespace kelotarhu::plugin
