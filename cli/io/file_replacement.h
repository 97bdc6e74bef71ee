// An --output file is replaced whole or not at all: the new bytes go to a new file in
// the same folder, which is flushed to disk and then renamed over the old one. A full
// disk, a file-size limit, a failed write or an interrupted run leave the old file as it
// was, and no new file behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelotarhu::cli {

// Why a file could not be written: the C library's error number where the reason is one
// of its own (so that it can be worded in the user's language), else 0, and the reason
// in the system's words.
struct FileFailure {
  int error_number = 0;
  std::string system_words;
};

// Makes `bytes` the contents of the file at `path` (UTF-8): nothing when done, else why
// not. A symbolic link is followed and stays; the replaced file
// keeps its permission bits. What is there but no regular file (a terminal, a pipe, a
// device) cannot be replaced and is written in place.
std::optional<FileFailure> ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace kelotarhu::cli
