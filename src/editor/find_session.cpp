#include "editor/find_session.h"

#include <string>

#include "base/text_util.h"

namespace quillory {

bool FindSession::FindNext(SearchTarget& target, std::string_view find,
                           SearchFrom from, FindPanel panel, MatchRule rule) {
  if (!started_) {
    last_ = from == SearchFrom::kTextStart ? 0 : target.Caret();
    started_ = true;
  }
  const std::string_view text = target.Text();
  const bool backwards = from == SearchFrom::kBackwardsFromCaret;
  if (backwards) {
    // NOTE: the find panel's limit lets an occurrence of one or two
    // characters be found again; the replace panel steps strictly before.
    const int64_t limit = panel == FindPanel::kFind ? last_ + 1 : last_;
    last_ = FindLastMatch(text, find, limit, rule);
  } else {
    last_ = FindMatch(text, find, last_ + 1, rule);
  }
  if (last_ == 0) {
    last_ = backwards ? static_cast<int64_t>(text.size()) - 1 : 0;
    return false;
  }
  target.Select({last_ - 1, static_cast<int64_t>(find.size())});
  return true;
}

bool FindSession::Replace(SearchTarget& target, std::string_view find,
                          std::string_view replacement, SearchFrom from,
                          MatchRule rule) {
  const std::string selected = target.SelectedText();
  if (rule.letter_case == LetterCase::kMatched
          ? selected == find
          : EqualsIgnoringCase(selected, find)) {
    target.ReplaceSelection(replacement);
  }
  return FindNext(target, find, from, FindPanel::kReplace, rule);
}

}  // namespace quillory
