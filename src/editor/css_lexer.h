#pragma once

#include <cstdint>
#include <string_view>

namespace quillory {

// Where a style sheet's lexer stands at the start of a line.
struct CssState {
  enum class Mode : uint8_t { kCode, kComment, kSingleQuoted, kDoubleQuoted };

  Mode mode = Mode::kCode;
  uint8_t depth = 0;      // open braces, at most kMaxDepth
  bool in_value = false;  // after a property's ":"

  static constexpr uint8_t kMaxDepth = 3;
  friend bool operator==(const CssState&, const CssState&) = default;
};

// Gives each byte of `line` (one line without its line end) the style
// number of its ScriptKind in `styles`, which is as long, starting from
// `state`; returns the state at the line's end. Never reads outside `line`
// and never looks at it more than a bounded number of times per byte.
CssState LexCss(std::string_view line, CssState state, uint8_t* styles);

}  // namespace quillory
