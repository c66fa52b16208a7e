#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "editor/format_run.h"

namespace quillory {

// Runs written as the colouring rules speak of them: first and last
// position, 1-based and inclusive.
inline FormatRun Reset(int64_t first, int64_t last) {
  return {first, last - first + 1, kPlainColour, BoldChange::kOff};
}
inline FormatRun Tag(int64_t first, int64_t last) {
  return {first, last - first + 1, kTagColour, BoldChange::kKeep};
}
inline FormatRun Php(int64_t first, int64_t last) {
  return {first, last - first + 1, kPhpColour, BoldChange::kKeep};
}
inline FormatRun Keyword(int64_t first, int64_t length) {
  return {first, length, kKeywordColour, BoldChange::kOn};
}
inline FormatRun String(int64_t first, int64_t last) {
  return {first, last - first + 1, kStringColour, BoldChange::kKeep};
}

using Runs = std::vector<FormatRun>;

inline void PrintTo(const FormatRun& run, std::ostream* out) {
  const char* kind = run.bold == BoldChange::kOff  ? "Reset"
                     : run.bold == BoldChange::kOn ? "Keyword"
                     : run.colour == kTagColour    ? "Tag"
                     : run.colour == kPhpColour    ? "Php"
                     : run.colour == kStringColour ? "String"
                                                   : "Other";
  *out << kind << "(" << run.first << ".." << run.last() << ")";
}

}  // namespace quillory
