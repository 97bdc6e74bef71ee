// Native builds only: lets tests and tools stand in for the machine's clock and for
// the executable path. The Windows DLL has no such seam; its tests patch imports.
#pragma once

#include <string_view>

#include "platform/platform.h"

namespace kelotarhu::platform {

using ClockSource = LocalDate (*)();
// The source's text must stay valid until the source is replaced.
using ExecutablePathSource = std::string_view (*)();

// Passing nullptr restores the real source.
void SetClockSource(ClockSource source);
void SetExecutablePathSource(ExecutablePathSource source);

}  // namespace kelotarhu::platform
