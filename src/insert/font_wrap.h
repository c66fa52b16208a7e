#pragma once

#include <cstdint>
#include <string>

namespace quillory {

// The last font the user confirmed in the font chooser; at start every field
// is empty, zero or false.
struct FontChoice {
  std::string face;
  int32_t size = 0;     // points
  uint32_t colour = 0;  // 0x00BBGGRR
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int32_t charset = 0;
};

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
