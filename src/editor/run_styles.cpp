#include "editor/run_styles.h"

#include <algorithm>
#include <cstring>

namespace quillory {
namespace {

constexpr uint8_t kBoldBit = 1;

// NOTE: plain text and keywords share black, so four colours cover the five
// kinds; the index order fixes the style numbers.
constexpr BgrColour kStyleColours[] = {
    ColourOf(RunKind::kReset), ColourOf(RunKind::kTag), ColourOf(RunKind::kPhp),
    ColourOf(RunKind::kString)};

constexpr uint8_t ColourBits(RunKind kind) {
  switch (kind) {
    case RunKind::kTag:
      return 1 << 1;
    case RunKind::kPhp:
      return 2 << 1;
    case RunKind::kString:
      return 3 << 1;
    case RunKind::kReset:
    case RunKind::kKeyword:
      return 0;
  }
  return 0;
}

void ApplyRun(const FormatRun& run, uint8_t* styles) {
  const uint8_t colour = ColourBits(run.kind);
  switch (BoldOf(run.kind)) {
    case BoldChange::kOff:
      std::memset(styles, colour, run.length);
      return;
    case BoldChange::kOn:
      std::memset(styles, colour | kBoldBit, run.length);
      return;
    case BoldChange::kKeep:
      for (uint32_t i = 0; i < run.length; ++i) {
        styles[i] = static_cast<uint8_t>((styles[i] & kBoldBit) | colour);
      }
      return;
  }
}

}  // namespace

BgrColour StyleColour(int style) { return kStyleColours[(style >> 1) & 3]; }

bool StyleBold(int style) { return (style & kBoldBit) != 0; }

TextRange RunsSpan(std::span<const FormatRun> runs) {
  if (runs.empty()) return {1, 0};
  TextRange span{runs.front().first, runs.front().last()};
  for (const FormatRun& run : runs) {
    span.first = std::min(span.first, run.first);
    span.last = std::max(span.last, run.last());
  }
  return span;
}

void ApplyRuns(std::span<const FormatRun> runs, TextRange span,
               std::span<uint8_t> styles) {
  for (const FormatRun& run : runs) {
    ApplyRun(run, styles.data() + (run.first - span.first));
  }
}

}  // namespace quillory
