#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "editor/search_target.h"

namespace quillory {

enum class LetterCase : uint8_t { kIgnored, kMatched };
// A whole word is bounded on both sides by the start or end of the text or
// a byte that is not a word byte of the colouring pass.
enum class WordBounds : uint8_t { kAnywhere, kWholeWord };

// How a find text must match. The default is the plain search that ignores
// the case of ASCII letters and matches anywhere.
struct MatchRule {
  LetterCase letter_case = LetterCase::kIgnored;
  WordBounds bounds = WordBounds::kAnywhere;
};

// FindForward and FindBackward of case_blind_search.h under `rule`:
// 1-based positions, 0 for none.
int64_t FindMatch(std::string_view text, std::string_view find, int64_t start,
                  MatchRule rule);
int64_t FindLastMatch(std::string_view text, std::string_view find,
                      int64_t limit, MatchRule rule);

enum class SearchDirection : uint8_t { kForward, kBackward };

// The match that find next and find previous select from the editor: the
// first one after `selection` (the last one before it backwards), going
// round the other end of the text when there is none. Nothing for an empty
// `find` or a text without a match.
std::optional<TextSelection> FindAgain(std::string_view text,
                                       TextSelection selection,
                                       std::string_view find,
                                       SearchDirection direction,
                                       MatchRule rule);

}  // namespace quillory
