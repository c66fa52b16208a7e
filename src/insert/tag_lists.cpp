#include "insert/tag_lists.h"

#include "base/document_line_ends.h"
#include "base/file_bytes.h"
#include "editor/editing_text.h"

namespace quillory {
namespace {

constexpr std::string_view kEntryEnd = "||";
constexpr std::string_view kCaptionEnd = "///";

// The line break that follows the previous "||" is layout, not snippet.
std::string_view WithoutLeadingBreak(std::string_view piece) {
  if (piece.starts_with("\r\n")) return piece.substr(2);
  if (piece.starts_with('\n') || piece.starts_with('\r'))
    return piece.substr(1);
  return piece;
}

}  // namespace

std::vector<TagEntry> ParseTagFile(std::string_view text) {
  std::vector<TagEntry> entries;
  for (size_t end = text.find(kEntryEnd); end != std::string_view::npos;
       end = text.find(kEntryEnd)) {
    const std::string_view piece = WithoutLeadingBreak(text.substr(0, end));
    text.remove_prefix(end + kEntryEnd.size());
    const size_t split = piece.find(kCaptionEnd);
    if (split == std::string_view::npos) continue;
    entries.push_back({std::string(piece.substr(0, split)),
                       std::string(piece.substr(split + kCaptionEnd.size()))});
  }
  return entries;
}

std::vector<TagEntry> LoadTagFile(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return {};
  return ParseTagFile(HoldForEditing(std::move(*bytes)).text);
}

std::string_view TagFileName(TagCategory category) {
  switch (category) {
    case TagCategory::kHtml:
      return "htmltags.lng";
    case TagCategory::kJavaScript:
      return "JavaScriptTags.lng";
    case TagCategory::kPhp:
      return "PHPTags.lng";
    case TagCategory::kCss:
      break;
  }
  return {};
}

std::string TagEntryText(TagCategory category, const TagEntry& entry,
                         std::string_view selected) {
  if (category == TagCategory::kHtml &&
      entry.snippet.find('<') == std::string::npos) {
    return TagPairText(entry.snippet, selected);
  }
  return entry.snippet;
}

}  // namespace quillory
