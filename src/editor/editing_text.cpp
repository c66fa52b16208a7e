#include "editor/editing_text.h"

#include <algorithm>

namespace quillory {

std::string TagPairText(std::string_view tag, std::string_view selected) {
  std::string text = "<";
  text.append(tag).append(">").append(selected);
  text.append("</").append(tag).append(">");
  return text;
}

std::string IndentedLineBreak(std::string_view line) {
  const std::string_view run = line.substr(0, line.find_first_not_of(" \t"));
  const auto spaces = std::count(run.begin(), run.end(), ' ');
  const auto tabs = static_cast<std::ptrdiff_t>(run.size()) - spaces;
  return "\r\n" + std::string(spaces, ' ') + std::string(tabs, '\t');
}

std::string TabbedSelection(std::string_view selected) {
  std::string text(selected);
  text += '\t';
  return text;
}

}  // namespace quillory
