// The test program's own global operator new: it allocates as usual (noting the largest
// block) until a FailingAllocations object lives; then every allocation fails, as it
// does when memory runs out: the plain forms throw std::bad_alloc, the nothrow forms
// return null.
#pragma once

#include <cstddef>

namespace kelotarhu::hardening {

class FailingAllocations {
 public:
  FailingAllocations();
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

// The size of the largest block allocated so far in this program. A text longer than
// that fits no buffer that anything holds yet, so copying it must allocate.
std::size_t LargestAllocation();

}  // namespace kelotarhu::hardening
