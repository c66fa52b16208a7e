#include "base/file_bytes.h"

#include <cstdio>

#include "base/regular_file.h"
#include "base/text_util.h"

namespace quillory {
namespace {

bool HasOnlyLfLineEnds(std::string_view text) {
  return text.find('\n') != std::string_view::npos &&
         text.find('\r') == std::string_view::npos;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
  ReadableFile file = OpenRegularFile(path);
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[1 << 16];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, count);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

std::vector<std::string> SplitLines(std::string_view text) {
  return Split(text, HasOnlyLfLineEnds(text) ? "\n" : "\r\n");
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitLines(*bytes);
}

}  // namespace quillory
