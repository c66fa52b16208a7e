#pragma once

#include <cstddef>
#include <string>

namespace quillory::bench {

// `bytes` of table rows, the last one cut where the size ends.
inline std::string TablePage(size_t bytes) {
  const std::string line =
      "<tr><td class=\"name\">Quillory</td><td>Editor for web pages, "
      "<b>fast</b> on huge files.</td></tr>\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  text.resize(bytes);
  return text;
}

}  // namespace quillory::bench
