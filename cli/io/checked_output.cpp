#include "cli/io/checked_output.h"

#include <cstring>
#include <string_view>

#include "cli/io/console.h"

namespace kelotarhu::cli {

CheckedOutputBuffer::CheckedOutputBuffer() {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool CheckedOutputBuffer::WriteBuffered() {
  const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (error_ == 0 && !pending.empty()) error_ = WriteStandardOutput(pending);
  return error_ == 0;
}

CheckedOutputBuffer::int_type CheckedOutputBuffer::overflow(int_type byte) {
  if (!WriteBuffered()) return traits_type::eof();
  if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
  *pptr() = traits_type::to_char_type(byte);
  pbump(1);
  return byte;
}

std::streamsize CheckedOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  if (count > epptr() - pptr()) {
    if (!WriteBuffered()) return 0;
    // Larger than the buffer: straight through.
    if (count > epptr() - pptr()) {
      error_ = WriteStandardOutput(std::string_view(bytes, static_cast<std::size_t>(count)));
      return error_ == 0 ? count : 0;
    }
  }
  std::memcpy(pptr(), bytes, static_cast<std::size_t>(count));
  pbump(static_cast<int>(count));
  return count;
}

int CheckedOutputBuffer::sync() { return WriteBuffered() ? 0 : -1; }

std::optional<int> CheckedOutputBuffer::Finish() {
  if (WriteBuffered()) return std::nullopt;
  return error_;
}

std::optional<int> CheckedOutput::Finish() {
  stream_.flush();
  return buffer_.Finish();
}

}  // namespace kelotarhu::cli
