#include "kelotarhu_runner.h"

#include <sstream>

namespace kelotarhu::testing {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

}  // namespace kelotarhu::testing
