#include "editor/count_substr.h"

#include <algorithm>

#include "editor/case_blind_search.h"

namespace quillory {

namespace {

int64_t FindFrom(std::string_view text, std::string_view find, int64_t start,
                 CompareMode mode) {
  if (mode == CompareMode::kIgnoreCase) return FindForward(text, find, start);
  const size_t found = text.find(find, static_cast<size_t>(start - 1));
  return found == std::string_view::npos ? 0 : static_cast<int64_t>(found) + 1;
}

}  // namespace

int64_t CountSubstr(std::string_view text, std::string_view find, int64_t start,
                    int64_t end, CompareMode mode) {
  const int64_t length = static_cast<int64_t>(text.size());
  end = end == kToTextEnd ? length : std::min(end, length);
  int64_t count = 0;
  for (int64_t at = std::max<int64_t>(start, 1); at <= end; ++at) {
    at = FindFrom(text, find, at, mode);
    if (at == 0 || at > end) break;
    ++count;
  }
  return count;
}

}  // namespace quillory
