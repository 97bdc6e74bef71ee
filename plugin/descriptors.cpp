// The option descriptors of the display functions ("question=default|" per option)
// and the plug-in's information texts.
#include <array>

#include "platform/platform.h"
#include "plugin/plugin.h"
#include "plugin/texts.h"

namespace kelotarhu::plugin {
namespace {

constexpr char kNameDayDescriptor[] =
    "N\xE4ytet\xE4\xE4nk\xF6 suomalaiset nimet?=K|"
    "N\xE4ytet\xE4\xE4nk\xF6 ruotsalaiset nimet?=K|"
    "Miten ne erotetaan toisistaan?=0 |";
constexpr char kHolidayDescriptor[] = "N\xE4ytet\xE4\xE4nk\xF6 juhlat punaisella?=K|";
constexpr std::string_view kFlagQuestion = "Polku jossa lipun kuva sijaitsee=";
constexpr std::string_view kFlagImage = "plugins\\flag.gif|";

// Every text starts with five blanks.
constexpr std::array<const char*, 7> kInfoTexts = {
    "     Kelotarhu",
    "     Nimip\xE4iv\xE4t: Helsingin yliopiston almanakkatoimisto. "
    "Liit\xE4nn\xE4inen: Kelotarhu-projekti",
    "     0.8.7",
    "     27.02.2005",
    "     03.04.2005",
    "     https://almanakka.helsinki.fi/",
    "     kelotarhu@example.org",
};

// The leading part of a path up to and including its last backslash or colon.
std::string_view FolderOf(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  return last == std::string_view::npos ? std::string_view{} : path.substr(0, last + 1);
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
  // Formed anew each call from the host executable's folder.
  const std::string executable = platform::HostExecutablePath();
  const std::string_view folder = FolderOf(executable);
  param_result_.clear();
  param_result_.append(kFlagQuestion).append(folder).append(kFlagImage);
  return param_result_.c_str();
}

}  // namespace kelotarhu::plugin
