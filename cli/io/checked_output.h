// Standard output through one buffer that remembers why a write failed, so that output
// lost to a full disk, a closed pipe or a closed standard output is reported, not
// passed over in silence.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

namespace kelotarhu::cli {

class CheckedOutputBuffer : public std::streambuf {
 public:
  CheckedOutputBuffer();

  // Writes what is buffered; nothing when every byte written so far reached standard
  // output, else why not (the first failure's errno value).
  std::optional<int> Finish();

 protected:
  int_type overflow(int_type byte) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

 private:
  bool WriteBuffered();

  std::array<char, 8192> buffer_;
  int error_ = 0;  // of the first write that failed; once set, output is dropped
};

// The stream every output mode writes to, and the check after the last write.
class CheckedOutput {
 public:
  std::ostream& stream() { return stream_; }

  // Flushes the stream: nothing when all of the output was written, else why not (the
  // first failure's errno value).
  std::optional<int> Finish();

 private:
  CheckedOutputBuffer buffer_;
  std::ostream stream_{&buffer_};
};

}  // namespace kelotarhu::cli
