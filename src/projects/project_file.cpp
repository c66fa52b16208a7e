#include "projects/project_file.h"

#include <charconv>

#include "base/text_util.h"

namespace quillory {
namespace {

constexpr std::string_view kItemSeparator = "\t\t\t\t";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string ProjectItem(std::string_view caption, int slot) {
  return std::string(caption) + std::string(kItemSeparator) +
         std::to_string(slot);
}

// A caption may itself hold TABs, so the slot is what follows the last
// separator.
std::optional<int> SlotOfProjectItem(std::string_view item) {
  const size_t at = item.rfind(kItemSeparator);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view digits = item.substr(at + kItemSeparator.size());
  int slot = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), slot);
  if (error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return slot;
}

std::string ProjectText(const std::vector<std::string>& paths) {
  return Join(paths, kLineEnd);
}

std::string ProjectAppendix(std::string_view path) {
  return std::string(kLineEnd) + std::string(path);
}

std::string ProjectSavedStatus(std::string_view entry,
                               std::string_view project_file) {
  return Join(Split(entry, "%1"), AfterLast(project_file, '/'));
}

std::string WithListExtension(std::string_view file_name) {
  std::string named(file_name);
  if (AfterLast(file_name, '/').find('.') == std::string_view::npos) {
    named += ".";
    named += kListExtension;
  }
  return named;
}

}  // namespace quillory
