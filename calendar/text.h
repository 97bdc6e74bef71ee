// A zero-terminated single-byte text that owns its buffer. Unlike std::string it never
// throws: the plug-in is built without C++ exceptions, so every operation that may
// allocate reports a failed allocation by its result and leaves the text as it was.
#pragma once

#include <cstddef>
#include <string_view>

namespace kelotarhu::calendar {

class Text {
 public:
  constexpr Text() noexcept = default;
  ~Text();
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;

  // Never null: the empty text reads "" before anything was allocated.
  const char* c_str() const noexcept { return data_ != nullptr ? data_ : ""; }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  std::string_view view() const noexcept { return {c_str(), size_}; }
  operator std::string_view() const noexcept { return view(); }

  // Keeps the buffer, so that refilling the text allocates nothing.
  void clear() noexcept;

  // Each returns false, with the text unchanged, when memory runs out. The text to
  // add must not lie in this text's own buffer.
  [[nodiscard]] bool Reserve(std::size_t capacity) noexcept;
  [[nodiscard]] bool Assign(std::string_view text) noexcept;
  [[nodiscard]] bool Append(std::string_view text) noexcept;

  // For writers that fill the buffer themselves: after a successful Reserve(n), data()
  // has room for n bytes and a terminator; Truncate(length) then ends the text there.
  char* data() noexcept { return data_; }
  void Truncate(std::size_t length) noexcept;

  friend bool operator==(const Text& a, const Text& b) noexcept { return a.view() == b.view(); }
  friend bool operator==(const Text& a, std::string_view b) noexcept { return a.view() == b; }
  // For streams of the tools and tests; the plug-in itself writes no streams.
  template <typename Stream>
  friend Stream& operator<<(Stream& out, const Text& text) {
    return out << text.view();
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;  // bytes before the terminator
};

}  // namespace kelotarhu::calendar
