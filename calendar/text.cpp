#include "calendar/text.h"

#include <cstring>
#include <new>

namespace kelotarhu::calendar {
namespace {

// Larger texts are refused, so that no size computation here can overflow.
constexpr std::size_t kLargestCapacity = static_cast<std::size_t>(-1) / 2;

}  // namespace

Text::~Text() { delete[] data_; }

void Text::clear() noexcept { Truncate(0); }

void Text::Truncate(std::size_t length) noexcept {
  if (data_ == nullptr || length > capacity_) return;
  size_ = length;
  data_[size_] = '\0';
}

bool Text::Reserve(std::size_t capacity) noexcept {
  if (capacity <= capacity_) return true;
  if (capacity > kLargestCapacity) return false;
  // Growing at least twofold keeps a text built by many appends at linear cost.
  const std::size_t doubled = 2 * capacity_;
  const std::size_t new_capacity = capacity > doubled ? capacity : doubled;
  // A nothrow tag of its own: the std::nothrow object would bring a piece of libstdc++
  // (its new-handler) into the DLL, which otherwise holds none.
  char* const buffer = new (std::nothrow_t{}) char[new_capacity + 1];
  if (buffer == nullptr) return false;
  if (data_ != nullptr) std::memcpy(buffer, data_, size_);
  buffer[size_] = '\0';
  delete[] data_;
  data_ = buffer;
  capacity_ = new_capacity;
  return true;
}

bool Text::Assign(std::string_view text) noexcept {
  if (!Reserve(text.size())) return false;
  if (!text.empty()) std::memcpy(data_, text.data(), text.size());
  Truncate(text.size());
  return true;
}

bool Text::Append(std::string_view text) noexcept {
  if (text.empty()) return true;
  if (text.size() > kLargestCapacity - size_ || !Reserve(size_ + text.size())) return false;
  std::memcpy(data_ + size_, text.data(), text.size());
  Truncate(size_ + text.size());
  return true;
}

}  // namespace kelotarhu::calendar
