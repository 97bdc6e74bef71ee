// The name-day data file as a person edits it (UTF-8, one TAB-separated row per slot),
// read into Windows-1252 slots without the code under test: for the name-list tests
// and as the fuzzer's expected names.
#pragma once

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::test {

// Unicode code points of the bytes 0x80-0x9F in Windows-1252; 0 where the byte is unused.
inline constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

inline std::optional<char> Windows1252Byte(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  const auto* const end = std::end(kWindows1252High);
  const auto* const found = std::find(std::begin(kWindows1252High), end, code_point);
  if (code_point == 0 || found == end) return std::nullopt;
  return static_cast<char>(0x80 + (found - std::begin(kWindows1252High)));
}

// Decodes well-formed UTF-8 and encodes it as Windows-1252; nothing when the text is
// malformed or holds a character Windows-1252 lacks.
inline std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) return std::nullopt;
    char32_t code_point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code_point = (code_point << 6) | (next & 0x3F);
    }
    const std::optional<char> byte = Windows1252Byte(code_point);
    if (!byte) return std::nullopt;
    out += *byte;
    i += static_cast<std::size_t>(length);
  }
  return out;
}

struct Slot {
  int month = 0;
  int day = 0;
  std::string finnish;  // Windows-1252
  std::string swedish;
};

inline std::vector<std::string> SplitOn(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + separator.size());
  }
}

// The data file: a header line, then one row per slot: month, day, Finnish and Swedish
// entries separated by TABs. The slots in file order, or nothing with `error` set when
// the file cannot be read or a line is malformed.
inline std::optional<std::vector<Slot>> ReadNameDataFile(const std::string& path,
                                                         std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  std::string line;
  std::getline(file, line);
  if (line != "month\tday\tfinnish\tswedish") {
    error = "the first line is not the header: " + line;
    return std::nullopt;
  }
  std::vector<Slot> slots;
  while (std::getline(file, line)) {
    const std::vector<std::string> fields = SplitOn(line, "\t");
    const std::optional<std::string> finnish =
        fields.size() == 4 ? Utf8ToWindows1252(fields[2]) : std::nullopt;
    const std::optional<std::string> swedish =
        fields.size() == 4 ? Utf8ToWindows1252(fields[3]) : std::nullopt;
    if (!finnish || !swedish || fields[0].empty() || fields[1].empty()) {
      error = "malformed row: " + line;
      return std::nullopt;
    }
    slots.push_back({std::stoi(fields[0]), std::stoi(fields[1]), *finnish, *swedish});
  }
  return slots;
}

}  // namespace kelotarhu::test
