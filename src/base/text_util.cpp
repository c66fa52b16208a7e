#include "base/text_util.h"

#include <algorithm>

namespace quillory {

std::vector<std::string> Split(std::string_view text,
                               std::string_view separator) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  size_t start = 0;
  while (true) {
    const size_t found = text.find(separator, start);
    if (found == std::string_view::npos || separator.empty()) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
}

std::string Join(const std::vector<std::string>& pieces,
                 std::string_view separator) {
  std::string joined;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += separator;
    joined += pieces[i];
  }
  return joined;
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  return lower;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string_view AfterLast(std::string_view text, char separator) {
  const size_t found = text.rfind(separator);
  return found == std::string_view::npos ? text : text.substr(found + 1);
}

std::string_view FileNameOfPath(std::string_view path) {
  return AfterLast(path, '/');
}

std::string_view FolderOfPath(std::string_view path) {
  return path.substr(0, path.size() - FileNameOfPath(path).size());
}

}  // namespace quillory
