#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/script_lines.h"
#include "editor/sliced_colouring.h"
#include "editor/text_source.h"

namespace quillory {

// Colours the style sheets and scripts of a document a line at a time,
// over what the colouring pass gave a page, or in place of the pass for a
// style sheet or script. Each line starts from the state its previous
// line's end holds, so a request colours the lines of its range and goes
// on only while a line ends in another state than it did before: at most
// to the end of the element or text the change reaches. Knows the text
// through TextSource and the styles through StyleStore only.
class ScriptColourer {
 public:
  // Colours a range of a page with the colouring pass: a line, with the
  // line end before it and the CR of a CR LF after it, as typing on it
  // colours a text with CR LF line ends.
  using MarkupColouring = std::function<void(TextRange range)>;

  // Called before the colouring pass writes over `range`: remembers the
  // state the range's last line ended in.
  void Prepare(TextSource& source, StyleStore& store, TextRange range);
  // Colours the lines of the prepared range and the lines after it whose
  // start state changed. A later line of a page that now holds markup, or
  // a line of the range whose markup outside it still shows a script's
  // styles, is given the colouring pass first through `colour_markup`.
  void Colour(TextSource& source, StyleStore& store, ScriptLanguage language,
              const MarkupColouring& colour_markup);

  // Gives back the memory a long text needed.
  void FreeMemory();

 private:
  struct Line;

  static Line ReadLine(TextSource& source, int64_t first);

  void EndStyles(const Line& line, ScriptLanguage language, LineState next,
                 uint8_t old_end_style);
  bool StaleOutsideRange(const Line& line) const;
  void Keep(int64_t first, const uint8_t* styles, size_t count);
  void Flush();

  TextRange range_{1, 0};
  int64_t prepared_end_ = 0;  // the line end byte Prepare read, or 0
  uint8_t prepared_style_ = 0;
  StyleStore* store_ = nullptr;
  std::vector<uint8_t> line_styles_;
  int64_t pending_first_ = 0;
  std::vector<uint8_t> pending_;
};

}  // namespace quillory
