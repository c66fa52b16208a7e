#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/document_kind.h"

namespace quillory {

// How a document's text is coloured beyond the colouring pass.
enum class ScriptLanguage : uint8_t {
  kNone,        // the colouring pass alone
  kStyleSheet,  // all of it as CSS, instead of the pass
  kScript,      // all of it as JavaScript, instead of the pass
  kPage,        // the pass, then style and script elements as CSS and JS
};

ScriptLanguage ScriptLanguageOf(DocumentKind kind);

// What the lexers must know at the start of a line, below
// kStateStyleCount. 0 is the start of a text in every language, and a
// page's markup: a line end the colouring pass coloured reads back as it.
using LineState = uint8_t;

// The state a line end's style number holds.
LineState StateOfLineEndStyle(uint8_t style);
uint8_t LineEndStyle(LineState state);

// Marks a byte of a page that its markup colouring keeps.
inline constexpr uint8_t kUnstyled = 0xFF;

// Gives each byte of `line` (one line without its line end, read as
// `language`, not kNone) its script style in `styles`, which is as long,
// or kUnstyled for a page's markup (tags, text, PHP blocks in a script);
// returns the state at the line's end. A style or script element ends at
// its end tag even inside a string, as browsers end it.
LineState LexLine(std::string_view line, LineState state,
                  ScriptLanguage language, uint8_t* styles);

// Whether `rest`, the bytes after a "<" that starts with "!", "s" or "S",
// opens a comment or a style or script element, or ends before it can tell.
bool MayOpenElementOrComment(std::string_view rest);

// Whether the "<" at `at` of `bytes`, a piece of a page's markup, may open
// a comment or a style or script element, the only marks that take a line
// of markup out of the markup state: it does, or the piece ends before
// it can tell. Inline, as it is asked of every tag of a page: most are
// told apart by the byte after the "<".
inline bool MayLeaveMarkup(std::string_view bytes, size_t at) {
  if (at + 1 == bytes.size()) return true;
  const char next = bytes[at + 1];
  return (next == '!' || (next | 0x20) == 's') &&
         MayOpenElementOrComment(bytes.substr(at + 1));
}

}  // namespace quillory
