#include "editor/replace_all.h"

#include "editor/match_search.h"

namespace quillory {

ReplaceAllResult ReplaceAll(std::string_view text, std::string_view find,
                            std::string_view replacement, SearchFrom from,
                            int64_t caret, MatchRule rule) {
  ReplaceAllResult result;
  if (find.empty()) {
    result.text = text;
    return result;
  }
  const int64_t size = static_cast<int64_t>(find.size());
  int64_t copied = 0;  // 0-based: old text before this is in the result
  int64_t next = from == SearchFrom::kTextStart ? 1 : caret + 1;
  while (const int64_t found = FindMatch(text, find, next, rule)) {
    result.text.append(text.substr(copied, found - 1 - copied));
    result.starts.push_back(static_cast<int64_t>(result.text.size()));
    result.text.append(replacement);
    copied = found - 1 + size;
    next = found + size;
  }
  result.text.append(text.substr(copied));
  return result;
}

}  // namespace quillory
