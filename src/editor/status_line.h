#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/lang_table.h"

namespace quillory {

struct CaretPlace {
  int64_t line = 1;    // 1-based, counted in CR LF pairs before the caret
  int64_t column = 0;  // bytes from the start of the line to the caret

  friend bool operator==(const CaretPlace&, const CaretPlace&) = default;
};

// Where the 0-based `caret` lies in `text`. Only CR LF pairs wholly before
// the caret end a line.
CaretPlace PlaceOfCaret(std::string_view text, int64_t caret);

// The status line: entry 62, the line, two spaces, entry 63, the column,
// and with a selection two spaces, entry 64, its length and entry 65.
std::string StatusCaption(const LangTable& texts, CaretPlace place,
                          int64_t selection_length);

}  // namespace quillory
