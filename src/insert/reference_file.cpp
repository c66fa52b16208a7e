#include "insert/reference_file.h"

#include "base/document_line_ends.h"
#include "base/file_bytes.h"

namespace quillory {
namespace {

// Splits at every `separator`; an empty text gives no pieces.
std::vector<std::string_view> Pieces(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  if (text.empty()) return pieces;
  size_t start = 0;
  for (size_t end = text.find(separator); end != std::string_view::npos;
       end = text.find(separator, start)) {
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::string PieceOr(const std::vector<std::string_view>& pieces, size_t at) {
  return at < pieces.size() ? std::string(pieces[at]) : std::string();
}

ReferenceEntry ParseEntry(std::string_view text) {
  const std::vector<std::string_view> fields = Pieces(text, kFieldEnd);
  return {PieceOr(fields, 0), PieceOr(fields, 1), PieceOr(fields, 2)};
}

ReferenceGroup ParseGroup(std::string_view text) {
  const std::vector<std::string_view> pieces = Pieces(text, kEntryEnd);
  ReferenceGroup group;
  group.name = PieceOr(pieces, 0);
  for (size_t at = 1; at < pieces.size(); ++at)
    group.entries.push_back(ParseEntry(pieces[at]));
  return group;
}

}  // namespace

ReferenceFile ParseReferenceFile(std::string_view text) {
  const std::vector<std::string_view> parts = Pieces(text, kTitleEnd);
  ReferenceFile file;
  file.title = PieceOr(parts, 0);
  if (parts.size() < 2) return file;
  for (std::string_view group : Pieces(parts[1], kGroupEnd))
    file.groups.push_back(ParseGroup(group));
  return file;
}

ReferenceFile LoadReferenceFile(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return {};
  return ParseReferenceFile(HoldForEditing(std::move(*bytes)).text);
}

}  // namespace quillory
