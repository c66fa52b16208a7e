#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "editor/format_run.h"

namespace quillory {

// Runs written as the colouring rules speak of them: first and last
// position, 1-based and inclusive.
inline FormatRun Reset(int64_t first, int64_t last) {
  return {first, static_cast<uint32_t>(last - first + 1), RunKind::kReset};
}
inline FormatRun Tag(int64_t first, int64_t last) {
  return {first, static_cast<uint32_t>(last - first + 1), RunKind::kTag};
}
inline FormatRun Php(int64_t first, int64_t last) {
  return {first, static_cast<uint32_t>(last - first + 1), RunKind::kPhp};
}
inline FormatRun Keyword(int64_t first, int64_t length) {
  return {first, static_cast<uint32_t>(length), RunKind::kKeyword};
}
inline FormatRun String(int64_t first, int64_t last) {
  return {first, static_cast<uint32_t>(last - first + 1), RunKind::kString};
}

using Runs = std::vector<FormatRun>;

inline void PrintTo(const FormatRun& run, std::ostream* out) {
  constexpr const char* kNames[] = {"Reset", "Tag", "Php", "Keyword", "String"};
  *out << kNames[static_cast<int>(run.kind)] << "(" << run.first << ".."
       << run.last() << ")";
}

}  // namespace quillory
