#pragma once

#include <QString>

#include "editor/match_search.h"

namespace quillory {

// The text and options of the last search, kept for find next and find
// previous from the editor after the find window is gone.
struct LastSearch {
  QString find;
  MatchRule rule;
};

}  // namespace quillory
