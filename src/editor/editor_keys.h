#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quillory {

// The keys the editor's key table names; everything else is kOther.
enum class EditorKey : uint8_t {
  kEnter,
  kUp,
  kDown,
  kTab,
  kPageUp,
  kPageDown,
  kSpace,
  kV,
  kB,
  kDigit1,
  kDigit2,
  kDigit3,
  kDigit4,
  kDigit5,
  kDigit6,
  kOther,
};

struct KeyPress {
  EditorKey key = EditorKey::kOther;
  bool shift = false;
  bool ctrl = false;
};

// What the editor does with a key before the control sees it. Everything
// but kPass consumes the key.
enum class KeyAction : uint8_t {
  kPass,
  kCompletionInsert,
  kCompletionMove,
  kParagraphPair,  // Insert2Tag "P"
  kNextTab,
  kPreviousTab,
  kHeadingPair,  // Insert2Tag "H" + heading level
  kPastePlainText,
  kLineBreakTag,      // "<BR>"
  kNonBreakingSpace,  // "&nbsp;"
  kBoldButton,
  kIndentedLineBreak,
  kTabbedSelection,
};

struct KeyDecision {
  KeyAction action = KeyAction::kPass;
  int heading_level = 0;  // 1 to 6 with kHeadingPair

  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// The key table, first matching row winning. A modifier a row does not name
// does not matter to it, except where a row asks for Ctrl not held.
KeyDecision DecideKey(KeyPress press, bool completion_shown);

inline constexpr int kTabCount = 10;
using PresentTabs = std::array<bool, kTabCount>;

// Ctrl+Tab: the next present tab after `current`, wrapping round to 0;
// empty when no other tab is present.
std::optional<int> NextPresentTab(const PresentTabs& present, int current);
// Ctrl+Shift+Tab: the previous present tab, wrapping round to 9.
std::optional<int> PreviousPresentTab(const PresentTabs& present, int current);

}  // namespace quillory
