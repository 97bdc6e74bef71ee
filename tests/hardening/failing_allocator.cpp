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

namespace {

// Every form of operator new comes here: the standard library's array and nothrow
// forms call the plain one, but a sanitizer's runtime replaces them all, so each is
// replaced here too.
void* Allocate(std::size_t size) noexcept {
  using namespace kelotarhu::hardening;
  if (allocations_fail) return nullptr;
  largest_allocation = std::max(largest_allocation, size);
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* block = Allocate(size)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
