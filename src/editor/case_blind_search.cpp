#include "editor/case_blind_search.h"

#include <algorithm>
#include <functional>

#include "base/text_util.h"

namespace quillory {

namespace {

struct FoldedHash {
  size_t operator()(char c) const { return std::hash<char>()(LowerAscii(c)); }
};

struct FoldedEqual {
  bool operator()(char a, char b) const {
    return LowerAscii(a) == LowerAscii(b);
  }
};

int64_t Length(std::string_view text) {
  return static_cast<int64_t>(text.size());
}

}  // namespace

int64_t FindForward(std::string_view text, std::string_view find,
                    int64_t start) {
  start = std::max<int64_t>(start, 1);
  if (start > Length(text) + 1) return 0;
  if (find.empty()) return start;
  const std::boyer_moore_horspool_searcher searcher(
      find.begin(), find.end(), FoldedHash(), FoldedEqual());
  const auto from = text.begin() + (start - 1);
  const auto found = std::search(from, text.end(), searcher);
  return found == text.end() ? 0 : (found - text.begin()) + 1;
}

// NOTE: searching the reversed text for the reversed find text gives the
// occurrence that ends last, which is the one that starts last.
int64_t FindBackward(std::string_view text, std::string_view find,
                     int64_t limit) {
  if (find.empty()) {
    limit = std::min(limit, Length(text) + 1);
    return limit >= 1 ? limit : 0;
  }
  limit = std::min(limit, Length(text));
  if (limit < Length(find)) return 0;
  const std::boyer_moore_horspool_searcher searcher(
      find.rbegin(), find.rend(), FoldedHash(), FoldedEqual());
  const auto from = text.rbegin() + (Length(text) - limit);
  const auto found = std::search(from, text.rend(), searcher);
  if (found == text.rend()) return 0;
  return (text.rend() - found) - Length(find) + 1;
}

}  // namespace quillory
