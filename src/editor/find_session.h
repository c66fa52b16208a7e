#pragma once

#include <cstdint>
#include <string_view>

#include "editor/match_search.h"
#include "editor/search_target.h"

namespace quillory {

// The interface text shown when find next finds nothing.
inline constexpr int kNotFoundEntry = 50;

// The three search options, in the order of the window's option buttons.
enum class SearchFrom : uint8_t { kTextStart, kCaret, kBackwardsFromCaret };

// The find window's two panels; their backward searches stop at different
// limits.
enum class FindPanel : uint8_t { kFind, kReplace };

// The find window's search state while it stays loaded: whether a search
// has started, and `last`, the 1-based position of the last occurrence found
// or where the next search continues. A new window starts a new session.
class FindSession {
 public:
  // Selects the next occurrence of `find` in the target and returns true;
  // returns false when there is none, after which the caller shows entry
  // kNotFoundEntry and the next search starts again from the other end.
  bool FindNext(SearchTarget& target, std::string_view find, SearchFrom from,
                FindPanel panel, MatchRule rule = {});

  // Replaces the selection by `replacement` when it is an occurrence of
  // `find` under `rule`, then finds the next one as the replace panel does.
  // Returns FindNext's answer.
  bool Replace(SearchTarget& target, std::string_view find,
               std::string_view replacement, SearchFrom from,
               MatchRule rule = {});

  bool started() const { return started_; }
  int64_t last() const { return last_; }

 private:
  bool started_ = false;
  int64_t last_ = 0;
};

}  // namespace quillory
