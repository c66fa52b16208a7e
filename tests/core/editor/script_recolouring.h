#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "core/editor/held_styles.h"
#include "editor/colouring_range.h"
#include "editor/script_colouring.h"
#include "editor/script_styles.h"

namespace quillory {

// One letter a byte: "-" for what the colouring pass keeps, "|" for a line
// end carrying a state, and a letter for each script kind.
inline std::string ScriptLetters(std::string_view styles) {
  constexpr char kKindLetters[] = ".csnkSpai#rt";
  std::string letters;
  for (char style : styles) {
    const auto number = static_cast<uint8_t>(style);
    letters += number < kFirstScriptStyle ? '-'
               : number >= kFirstStateStyle
                   ? '|'
                   : kKindLetters[number - kFirstScriptStyle];
  }
  return letters;
}

// A document's text and styles as the editor holds them, coloured as the
// highlighter colours it, with the colouring pass standing in as the reset
// of the range it starts with (what it gives markup is its own business).
class ScriptDocument {
 public:
  ScriptDocument(std::string text, ScriptLanguage language)
      : text_(std::move(text)),
        styles_(std::string(text_.size(), '\0')),
        language_(language) {}

  // Colours positions `range`, as a request for them does.
  void Colour(TextRange range) {
    WholeText source(text_);
    colourer_.Prepare(source, styles_, range);
    if (language_ == ScriptLanguage::kPage) Reset(range);
    colourer_.Colour(source, styles_, language_,
                     [this](TextRange markup) { Reset(markup); });
  }
  void ColourAll() { Colour({1, static_cast<int64_t>(text_.size())}); }

  // Replaces `removed` bytes at 0-based `at` as typing or pasting does (the
  // bytes after keep their styles, new ones come plain) and colours what
  // the editor then asks for: the caret's line, or a pasted piece.
  void Edit(size_t at, size_t removed, std::string_view inserted) {
    text_.replace(at, removed, inserted);
    styles_.styles().replace(at, removed, std::string(inserted.size(), '\0'));
    const auto caret = static_cast<int64_t>(at + inserted.size());
    const bool pasted = inserted.find_first_of("\r\n") != std::string::npos;
    Colour(pasted
               ? TextRange{static_cast<int64_t>(at) + 1, caret}
               : ResolveColouringRange(text_, caret, kFromCaret, kFromCaret));
  }

  const std::string& text() const { return text_; }
  std::string Letters() const { return ScriptLetters(styles_.styles()); }

 private:
  void Reset(TextRange range) {
    if (range.empty()) return;
    std::string& styles = styles_.styles();
    std::fill(styles.begin() + (range.first - 1), styles.begin() + range.last,
              '\0');
  }

  std::string text_;
  HeldStyles styles_;
  ScriptLanguage language_;
  ScriptColourer colourer_;
};

}  // namespace quillory
