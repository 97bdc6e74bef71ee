#include "kelotarhu_runner.h"

#include <sstream>

namespace kelotarhu::testing {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::size_t DisplayColumns(const std::string& text) {
  std::size_t columns = 0;
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return columns;
}

}  // namespace kelotarhu::testing
