#pragma once

#include <string>
#include <string_view>

#include "editor/case_blind_search.h"

namespace quillory {

// Replace all done the slow, literal way: one occurrence at a time, the
// whole text rebuilt after each, the search going on after the inserted
// text. The reference the one-pass version must match.
inline std::string LiteralReplaceAll(std::string text, std::string_view find,
                                     std::string_view replacement,
                                     int64_t first_position) {
  if (find.empty()) return text;
  int64_t next = first_position;
  while (const int64_t found = FindForward(text, find, next)) {
    text = text.substr(0, found - 1) + std::string(replacement) +
           text.substr(found - 1 + find.size());
    next = found + static_cast<int64_t>(replacement.size());
  }
  return text;
}

}  // namespace quillory
