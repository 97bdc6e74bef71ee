#include "failing_allocator.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace kelotarhu::hardening {
namespace {

bool allocations_fail = false;
std::size_t largest_allocation = 0;

}  // namespace

FailingAllocations::FailingAllocations() { allocations_fail = true; }
FailingAllocations::~FailingAllocations() { allocations_fail = false; }

std::size_t LargestAllocation() { return largest_allocation; }

}  // namespace kelotarhu::hardening

// The array forms, the nothrow forms and the sized deletes of the standard library all
// come here.
void* operator new(std::size_t size) {
  using namespace kelotarhu::hardening;
  if (allocations_fail) throw std::bad_alloc();
  largest_allocation = std::max(largest_allocation, size);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
