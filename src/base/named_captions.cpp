#include "base/named_captions.h"

#include "base/file_bytes.h"

namespace quillory {

void NamedCaptions::LoadFromBytes(std::string_view bytes) {
  texts_.clear();
  for (const std::string& line : SplitLines(bytes)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    texts_.insert_or_assign(line.substr(0, equals), line.substr(equals + 1));
  }
}

void NamedCaptions::LoadFromFile(const std::string& path) {
  LoadFromBytes(ReadFileBytes(path).value_or(""));
}

std::optional<std::string> NamedCaptions::Find(std::string_view name) const {
  const auto found = texts_.find(name);
  if (found == texts_.end()) return std::nullopt;
  return found->second;
}

std::string NamedCaptions::FindOr(std::string_view name,
                                  std::string_view fallback) const {
  return Find(name).value_or(std::string(fallback));
}

}  // namespace quillory
