#pragma once

#include <cstdint>
#include <string_view>

namespace quillory {

// Where a script's lexer stands at the start of a line.
struct JsState {
  enum class Mode : uint8_t {
    kCode,        // a "/" here opens a regular expression
    kAfterValue,  // a "/" here divides
    kComment,
    kSingleQuoted,
    kDoubleQuoted,
    kTemplate,
  };

  Mode mode = Mode::kCode;
  // Open "${" substitutions of template literals around the position, at
  // most kMaxNesting.
  uint8_t nesting = 0;
  // Braces open inside the innermost substitution, at most kMaxBraces: a
  // "}" beyond them ends the substitution. Those inside outer ones are not
  // carried over line ends.
  uint8_t braces = 0;

  static constexpr uint8_t kMaxNesting = 3;
  static constexpr uint8_t kMaxBraces = 2;
  friend bool operator==(const JsState&, const JsState&) = default;
};

// Gives each byte of `line` (one line without its line end) the style
// number of its ScriptKind in `styles`, which is as long, starting from
// `state`; returns the state at the line's end. Never reads outside `line`
// and looks at each byte a bounded number of times.
JsState LexJs(std::string_view line, JsState state, uint8_t* styles);

// Whether `word` is one of the script's reserved words and literals.
bool IsJsKeyword(std::string_view word);

}  // namespace quillory
