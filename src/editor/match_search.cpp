#include "editor/match_search.h"

#include <algorithm>
#include <functional>

#include "editor/case_blind_search.h"
#include "editor/word_bytes.h"

namespace quillory {
namespace {

int64_t Length(std::string_view text) {
  return static_cast<int64_t>(text.size());
}

int64_t FindExact(std::string_view text, std::string_view find, int64_t start) {
  start = std::max<int64_t>(start, 1);
  if (start > Length(text) + 1) return 0;
  if (find.empty()) return start;
  const std::boyer_moore_horspool_searcher searcher(find.begin(), find.end());
  const auto found =
      std::search(text.begin() + (start - 1), text.end(), searcher);
  return found == text.end() ? 0 : (found - text.begin()) + 1;
}

int64_t FindLastExact(std::string_view text, std::string_view find,
                      int64_t limit) {
  if (find.empty()) return FindBackward(text, find, limit);
  limit = std::min(limit, Length(text));
  if (limit < Length(find)) return 0;
  const size_t found = text.substr(0, limit).rfind(find);
  return found == std::string_view::npos ? 0 : static_cast<int64_t>(found) + 1;
}

// `at` is 1-based.
bool IsWholeWord(std::string_view text, int64_t at, int64_t size) {
  const int64_t before = at - 2;
  const int64_t after = at - 1 + size;
  return (before < 0 || !IsWordByte(text[before])) &&
         (after >= Length(text) || !IsWordByte(text[after]));
}

}  // namespace

int64_t FindMatch(std::string_view text, std::string_view find, int64_t start,
                  MatchRule rule) {
  const auto find_from =
      rule.letter_case == LetterCase::kMatched ? &FindExact : &FindForward;
  for (;;) {
    const int64_t found = find_from(text, find, start);
    if (found == 0 || rule.bounds == WordBounds::kAnywhere ||
        IsWholeWord(text, found, Length(find))) {
      return found;
    }
    start = found + 1;
  }
}

// A match that is not a whole word is passed by looking again for one that
// ends before it ends.
int64_t FindLastMatch(std::string_view text, std::string_view find,
                      int64_t limit, MatchRule rule) {
  const auto find_from =
      rule.letter_case == LetterCase::kMatched ? &FindLastExact : &FindBackward;
  for (;;) {
    const int64_t found = find_from(text, find, limit);
    if (found == 0 || rule.bounds == WordBounds::kAnywhere ||
        IsWholeWord(text, found, Length(find))) {
      return found;
    }
    limit = found + Length(find) - 2;
  }
}

std::optional<TextSelection> FindAgain(std::string_view text,
                                       TextSelection selection,
                                       std::string_view find,
                                       SearchDirection direction,
                                       MatchRule rule) {
  if (find.empty()) return std::nullopt;
  int64_t found = 0;
  if (direction == SearchDirection::kForward) {
    found = FindMatch(text, find, selection.start + selection.length + 1, rule);
    if (found == 0) found = FindMatch(text, find, 1, rule);
  } else {
    found = FindLastMatch(text, find, selection.start, rule);
    if (found == 0) found = FindLastMatch(text, find, Length(text), rule);
  }
  if (found == 0) return std::nullopt;
  return TextSelection{found - 1, Length(find)};
}

}  // namespace quillory
