#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace quillory {

// Colours as the window system gives them: red in the low byte (0x00BBGGRR).
using BgrColour = uint32_t;

// What a run does to the bold attribute of its characters.
enum class BoldChange : uint8_t { kKeep, kOff, kOn };

// The five things a colouring run can do.
enum class RunKind : uint8_t {
  kReset,    // plain black, bold off
  kTag,      // blue
  kPhp,      // teal
  kKeyword,  // black, bold on
  kString,   // grey
};

constexpr BgrColour ColourOf(RunKind kind) {
  constexpr BgrColour kColours[] = {0x000000, 0xFF0000, 0x808000, 0x000000,
                                    0x777777};
  return kColours[static_cast<int>(kind)];
}

constexpr BoldChange BoldOf(RunKind kind) {
  return kind == RunKind::kReset     ? BoldChange::kOff
         : kind == RunKind::kKeyword ? BoldChange::kOn
                                     : BoldChange::kKeep;
}

// One colouring step: the `length` characters from 1-based position `first`
// get the colour of `kind`, and bold as it says. Runs apply in list order, a
// later run overriding an earlier one where they overlap. `length` is at
// least 1. Kept to 16 bytes: a whole text's runs are megabytes.
struct FormatRun {
  int64_t first = 0;
  uint32_t length = 0;
  RunKind kind = RunKind::kReset;

  int64_t last() const { return first + length - 1; }
  BgrColour colour() const { return ColourOf(kind); }
  BoldChange bold() const { return BoldOf(kind); }
  friend bool operator==(const FormatRun&, const FormatRun&) = default;
};

// Appends the run first..last (inclusive, not empty); a run too long for one
// FormatRun becomes several of the same kind, which colour alike.
inline void AddRun(std::vector<FormatRun>& runs, int64_t first, int64_t last,
                   RunKind kind) {
  constexpr int64_t kLongest = std::numeric_limits<uint32_t>::max();
  for (; last - first + 1 > kLongest; first += kLongest) {
    runs.push_back({first, static_cast<uint32_t>(kLongest), kind});
  }
  runs.push_back({first, static_cast<uint32_t>(last - first + 1), kind});
}

}  // namespace quillory
