#include "base/lang_table.h"

#include "base/file_bytes.h"

namespace quillory {

bool LangTable::LoadFromBytes(std::string_view main_lng) {
  std::vector<std::string> pieces = SplitLines(main_lng);
  if (pieces.size() < 2) return false;
  pieces.pop_back();
  entries_ = std::move(pieces);
  return true;
}

bool LangTable::LoadFromFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  return bytes && LoadFromBytes(*bytes);
}

std::optional<std::string> LangTable::Entry(int index) const {
  if (index < 0 || index >= Size()) return std::nullopt;
  return entries_[static_cast<size_t>(index)];
}

std::string LangTable::EntryOr(int index, std::string_view fallback) const {
  return Entry(index).value_or(std::string(fallback));
}

std::string WithLineBreaks(std::string_view entry) {
  std::string shown;
  shown.reserve(entry.size());
  for (size_t i = 0; i < entry.size();) {
    const std::string_view rest = entry.substr(i);
    if (rest.starts_with("<BR>") || rest.starts_with("<br>")) {
      shown += "\r\n";
      i += 4;
    } else {
      shown += entry[i++];
    }
  }
  return shown;
}

}  // namespace quillory
