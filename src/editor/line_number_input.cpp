#include "editor/line_number_input.h"

#include <algorithm>

namespace quillory {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

// NOTE: digits are read with a ceiling at the line count, so a number of any
// length neither overflows nor takes time.
std::optional<int64_t> LineToGoTo(std::string_view typed, int64_t line_count) {
  const std::string_view digits = Trimmed(typed);
  if (digits.empty()) return std::nullopt;
  const int64_t last = std::max<int64_t>(line_count, 1);
  int64_t line = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    line = std::min(line * 10 + (c - '0'), last + 1);
  }
  if (line == 0) return std::nullopt;
  return std::min(line, last);
}

}  // namespace quillory
