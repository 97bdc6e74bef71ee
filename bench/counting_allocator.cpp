#include "counting_allocator.h"

#include <cstdlib>
#include <new>

namespace kelotarhu::bench {
namespace {

std::uint64_t allocation_count = 0;

}  // namespace

std::uint64_t AllocationCount() { return allocation_count; }

}  // namespace kelotarhu::bench

// The array, nothrow and sized forms of the standard library come here too.
void* operator new(std::size_t size) {
  ++kelotarhu::bench::allocation_count;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
