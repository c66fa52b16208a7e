#include "editor/run_styles.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// How many resets lead `runs`, when they cover one stretch and no reset
// follows anything else; 0 otherwise.
size_t LeadingResets(std::span<const FormatRun> runs) {
  size_t lead = 0;
  while (lead < runs.size() && runs[lead].kind == RunKind::kReset &&
         (lead == 0 || runs[lead].first == runs[lead - 1].last() + 1)) {
    ++lead;
  }
  for (size_t i = lead; i < runs.size(); ++i) {
    if (runs[i].kind == RunKind::kReset) return 0;
  }
  return lead;
}

// NOTE: with the resets first, a byte they cover is bold exactly when a
// keyword run covers it, whatever lies between; so every run can write its
// colour whole, without reading the bold bit back, and the keywords are
// made bold at the end. Only the few bytes outside the resets bring a bold
// bit of their own, which is put back.
void ApplyAfterResets(std::span<const FormatRun> runs, size_t lead,
                      TextRange span, std::span<uint8_t> styles) {
  const TextRange reset{runs.front().first, runs[lead - 1].last()};
  std::vector<int64_t> bold_outside;
  for (int64_t at = span.first; at <= span.last; ++at) {
    if (at == reset.first) at = reset.last + 1;
    if (at <= span.last && StyleBold(styles[at - span.first])) {
      bold_outside.push_back(at);
    }
  }
  for (const FormatRun& run : runs) {
    std::memset(styles.data() + (run.first - span.first), ColourBits(run.kind),
                run.length);
  }
  for (int64_t at : bold_outside) styles[at - span.first] |= kBoldBit;
  for (const FormatRun& run : runs.subspan(lead)) {
    if (run.kind != RunKind::kKeyword) continue;
    uint8_t* bytes = styles.data() + (run.first - span.first);
    for (uint32_t i = 0; i < run.length; ++i) bytes[i] |= kBoldBit;
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
  if (const size_t lead = LeadingResets(runs); lead > 0) {
    return ApplyAfterResets(runs, lead, span, styles);
  }
  for (const FormatRun& run : runs) {
    ApplyRun(run, styles.data() + (run.first - span.first));
  }
}

}  // namespace quillory
