#include "editor/editor_keys.h"

namespace quillory {

namespace {

std::optional<int> HeadingLevel(EditorKey key) {
  const int digit =
      static_cast<int>(key) - static_cast<int>(EditorKey::kDigit1) + 1;
  if (digit < 1 || digit > 6) return std::nullopt;
  return digit;
}

KeyDecision DecideCtrlKey(KeyPress press) {
  switch (press.key) {
    case EditorKey::kTab:
      return {press.shift ? KeyAction::kPreviousTab : KeyAction::kNextTab};
    case EditorKey::kPageDown:
      return {KeyAction::kNextTab};
    case EditorKey::kPageUp:
      return {KeyAction::kPreviousTab};
    case EditorKey::kV:
      return {KeyAction::kPastePlainText};
    case EditorKey::kEnter:
      return {KeyAction::kLineBreakTag};
    case EditorKey::kSpace:
      return {KeyAction::kNonBreakingSpace};
    case EditorKey::kB:
      return {KeyAction::kBoldButton};
    default:
      break;
  }
  if (const auto level = HeadingLevel(press.key)) {
    return {KeyAction::kHeadingPair, *level};
  }
  return {};
}

}  // namespace

KeyDecision DecideKey(KeyPress press, bool completion_shown) {
  if (completion_shown) {
    if (press.key == EditorKey::kEnter) return {KeyAction::kCompletionInsert};
    if (press.key == EditorKey::kUp || press.key == EditorKey::kDown) {
      return {KeyAction::kCompletionMove};
    }
  }
  if (press.ctrl) return DecideCtrlKey(press);
  if (press.key == EditorKey::kEnter) {
    return {press.shift ? KeyAction::kParagraphPair
                        : KeyAction::kIndentedLineBreak};
  }
  if (press.key == EditorKey::kTab) return {KeyAction::kTabbedSelection};
  return {};
}

std::optional<int> NextPresentTab(const PresentTabs& present, int current) {
  for (int step = 1; step < kTabCount; ++step) {
    const int tab = (current + step) % kTabCount;
    if (present[tab]) return tab;
  }
  return std::nullopt;
}

std::optional<int> PreviousPresentTab(const PresentTabs& present, int current) {
  for (int step = 1; step < kTabCount; ++step) {
    const int tab = (current - step + kTabCount) % kTabCount;
    if (present[tab]) return tab;
  }
  return std::nullopt;
}

}  // namespace quillory
