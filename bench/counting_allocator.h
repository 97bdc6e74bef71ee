// The benchmark program's own global operator new, which counts every allocation.
#pragma once

#include <cstdint>

namespace kelotarhu::bench {

// Allocations made by the program so far.
std::uint64_t AllocationCount();

}  // namespace kelotarhu::bench
