#pragma once

#include <cstdint>

namespace quillory {

// What the colouring of style sheets and scripts tells apart. Each kind is
// one style number of the editor control, above the colouring pass's eight.
enum class ScriptKind : uint8_t {
  kPlain,
  kComment,
  kString,
  kNumber,
  kKeyword,
  kSelector,
  kProperty,
  kAtRule,
  kImportant,
  kColour,
  kRegex,
  kTemplate,
};

inline constexpr int kScriptKindCount = 12;
inline constexpr uint8_t kFirstScriptStyle = 8;

constexpr uint8_t ScriptStyle(ScriptKind kind) {
  return static_cast<uint8_t>(kFirstScriptStyle + static_cast<uint8_t>(kind));
}

// NOTE: the byte that ends a line inside a style sheet or script carries
// the lexer's state at the start of the next line as its style number.
// A line end shows nothing, and undo, tab switches and edits keep its
// style with the text, so recolouring can start at any line and needs no
// index of its own. Styles below this are the colours of the text and,
// from 32, the control's own.
inline constexpr int kFirstStateStyle = 40;
inline constexpr int kStateStyleCount = 256 - kFirstStateStyle;

}  // namespace quillory
