#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "editor/format_run.h"
#include "editor/run_styles.h"

namespace quillory {

// Runs written as the colouring rules speak of them: first and last
// position, 1-based and inclusive; a keyword by its first and length.
template <RunKind kKind>
FormatRun RunOf(int64_t first, int64_t last) {
  return {first, static_cast<uint32_t>(last - first + 1), kKind};
}
inline constexpr auto Reset = &RunOf<RunKind::kReset>;
inline constexpr auto Tag = &RunOf<RunKind::kTag>;
inline constexpr auto Php = &RunOf<RunKind::kPhp>;
inline constexpr auto String = &RunOf<RunKind::kString>;
inline FormatRun Keyword(int64_t first, int64_t length) {
  return {first, static_cast<uint32_t>(length), RunKind::kKeyword};
}

using Runs = std::vector<FormatRun>;

// `styles`, one style number a byte, after `runs` are applied to them.
inline std::string Applied(const Runs& runs, std::string styles) {
  if (runs.empty()) return styles;
  const TextRange span = RunsSpan(runs);
  ApplyRuns(runs, span,
            std::span(reinterpret_cast<uint8_t*>(styles.data()), styles.size())
                .subspan(span.first - 1, span.last - span.first + 1));
  return styles;
}

inline void PrintTo(const FormatRun& run, std::ostream* out) {
  constexpr const char* kNames[] = {"Reset", "Tag", "Php", "Keyword", "String"};
  *out << kNames[static_cast<int>(run.kind)] << "(" << run.first << ".."
       << run.last() << ")";
}

}  // namespace quillory
