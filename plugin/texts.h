// Fixed texts of the plug-in, Windows-1252.
#pragma once

#include <string_view>

namespace kelotarhu::plugin {

inline constexpr char kEmptyText[] = "";

// Null pointers from the host count as the empty text.
constexpr std::string_view HostText(const char* text) { return text ? text : kEmptyText; }

}  // namespace kelotarhu::plugin
