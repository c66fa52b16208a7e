#include "base/document_line_ends.h"

namespace quillory {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from,
                       std::string_view to) {
  std::string replaced;
  replaced.reserve(text.size());
  size_t start = 0;
  for (size_t found; (found = text.find(from, start)) != text.npos;) {
    replaced.append(text.substr(start, found - start));
    replaced.append(to);
    start = found + from.size();
  }
  replaced.append(text.substr(start));
  return replaced;
}

}  // namespace

HeldText HoldForEditing(std::string bytes) {
  const bool lf_only = bytes.find('\n') != std::string::npos &&
                       bytes.find('\r') == std::string::npos;
  if (!lf_only) return HeldText{std::move(bytes), LineEnds::kAsStored};
  return HeldText{ReplaceAll(bytes, "\n", "\r\n"), LineEnds::kLfOnly};
}

std::string BytesToStore(std::string_view text, LineEnds line_ends) {
  if (line_ends == LineEnds::kAsStored) return std::string(text);
  return ReplaceAll(text, "\r\n", "\n");
}

}  // namespace quillory
