#pragma once

#include <cstdint>
#include <string>

#include "insert/font_choice.h"

namespace quillory {

// "RRGGBB" for a 0x00BBGGRR colour.
std::string HtmlColour(uint32_t colour);

// The font element and style tags put around the selection.
struct FontWrap {
  std::string opening;
  std::string closing;
};
FontWrap FontWrapFor(const FontChoice& choice);

// What the chooser shows first: the remembered font, with Arial for an empty
// face and 9 points for a size of 0.
FontChoice ChooserStart(FontChoice remembered);

}  // namespace quillory
