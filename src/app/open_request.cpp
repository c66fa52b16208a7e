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

namespace {

// Longer than any count within the bounds.
constexpr size_t kCountDigits = 20;

// The count, once its line has come and holds nothing but digits.
std::optional<size_t> PathCount(std::string_view bytes) {
  const size_t line_end = bytes.find('\n');
  size_t count = 0;
  if (line_end == std::string_view::npos ||
      std::from_chars(bytes.data(), bytes.data() + line_end, count).ptr !=
          bytes.data() + line_end) {
    return std::nullopt;
  }
  return count;
}

bool PathsTooLong(std::string_view paths) {
  size_t start = 0;
  for (size_t end = paths.find('\0'); end != std::string_view::npos;
       end = paths.find('\0', start)) {
    if (end - start > kOpenRequestPathLimit) return true;
    start = end + 1;
  }
  return paths.size() - start > kOpenRequestPathLimit;
}

}  // namespace

bool OpenRequestRefused(std::string_view bytes) {
  if (bytes.size() > kOpenRequestLimit) return true;
  const size_t line_end = bytes.find('\n');
  if (line_end == std::string_view::npos) return bytes.size() > kCountDigits;
  const std::optional<size_t> count = PathCount(bytes);
  return !count || *count > kOpenRequestPathCount ||
         PathsTooLong(bytes.substr(line_end + 1));
}

std::optional<std::vector<std::string>> ParseOpenRequest(
    std::string_view bytes) {
  if (OpenRequestRefused(bytes)) return std::nullopt;
  const std::optional<size_t> count = PathCount(bytes);
  if (!count) return std::nullopt;
  const size_t line_end = bytes.find('\n');
  std::vector<std::string> paths;
  size_t start = line_end + 1;
  while (paths.size() < *count) {
    const size_t end = bytes.find('\0', start);
    if (end == std::string_view::npos) return std::nullopt;
    paths.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}

}  // namespace quillory
