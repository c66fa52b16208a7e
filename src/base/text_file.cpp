#include "base/text_file.h"

#include <optional>
#include <string_view>

#include "base/file_bytes.h"

namespace quillory {
namespace {

std::string JoinLinesEndedByCr(std::string_view bytes) {
  std::string joined;
  joined.reserve(bytes.size());
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t cr = bytes.find('\r', start);
    if (start > 0) joined += "\r\n";
    if (cr == std::string_view::npos) {
      joined.append(bytes.substr(start));
      break;
    }
    joined.append(bytes.substr(start, cr - start));
    start = cr + 1;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return joined;
}

}  // namespace

std::string ReadTextFile(const std::string& path) {
  return ReadFileBytes(path).value_or(std::string());
}

std::string ReadLinesJoined(const std::string& path) {
  return TryReadLinesJoined(path).value_or(std::string());
}

std::optional<std::string> TryReadLinesJoined(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return JoinLinesEndedByCr(*bytes);
}

}  // namespace quillory
