#include "app/open_request.h"

#include <charconv>

namespace quillory {

std::string OpenRequestBytes(const std::vector<std::string>& paths) {
  std::string bytes = std::to_string(paths.size()) + "\n";
  for (const std::string& path : paths) {
    bytes += path;
    bytes += '\0';
  }
  return bytes;
}

std::optional<std::vector<std::string>> ParseOpenRequest(
    std::string_view bytes) {
  const size_t line_end = bytes.find('\n');
  size_t count = 0;
  if (line_end == std::string_view::npos ||
      std::from_chars(bytes.data(), bytes.data() + line_end, count).ptr !=
          bytes.data() + line_end) {
    return std::nullopt;
  }
  std::vector<std::string> paths;
  size_t start = line_end + 1;
  while (paths.size() < count) {
    const size_t end = bytes.find('\0', start);
    if (end == std::string_view::npos) return std::nullopt;
    paths.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}

}  // namespace quillory
