#pragma once

#include <cstdint>

namespace quillory {

// Colours as the window system gives them: red in the low byte (0x00BBGGRR).
using BgrColour = uint32_t;

inline constexpr BgrColour kPlainColour = 0x000000;
inline constexpr BgrColour kTagColour = 0xFF0000;
inline constexpr BgrColour kPhpColour = 0x808000;
inline constexpr BgrColour kKeywordColour = 0x000000;
inline constexpr BgrColour kStringColour = 0x777777;

// What a run does to the bold attribute of its characters.
enum class BoldChange : uint8_t { kKeep, kOff, kOn };

// One colouring step: the `length` characters from 1-based position `first`
// get `colour`, and bold as `bold` says. Runs apply in list order, a later run
// overriding an earlier one where they overlap. `length` is at least 1.
struct FormatRun {
  int64_t first = 0;
  int64_t length = 0;
  BgrColour colour = kPlainColour;
  BoldChange bold = BoldChange::kKeep;

  int64_t last() const { return first + length - 1; }
  friend bool operator==(const FormatRun&, const FormatRun&) = default;
};

}  // namespace quillory
