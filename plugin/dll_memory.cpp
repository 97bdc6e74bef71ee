// Windows only: the DLL's own allocation functions. The plug-in allocates only through
// `new (std::nothrow)` and releases through delete; the C++ runtime's versions of these
// are written in terms of the throwing operator new, which would bring std::bad_alloc,
// the unwinder and libstdc++'s exception support into the DLL. These go straight to
// the C runtime's heap and report failure as a null pointer.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
