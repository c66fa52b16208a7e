#pragma once

#include <cstdint>

#include "editor/format_run.h"
#include "editor/script_styles.h"

namespace quillory {

// Which of the two sets of colours the editor shows: the light one is the
// desktop's usual, the dark one follows a dark desktop palette.
enum class EditorPalette : uint8_t { kLight, kDark };

// How the editor shows the text of one style number.
struct StyleLook {
  BgrColour colour = 0;
  bool bold = false;
  friend bool operator==(const StyleLook&, const StyleLook&) = default;
};

// The look of style number `style` (the colouring pass's eight, the script
// kinds after them, line ends carrying a state as plain text). On the
// light palette the pass's styles show exactly the pass's colours.
StyleLook LookOfStyle(int style, EditorPalette palette);

// The editor's own colours around the text.
struct EditorChrome {
  BgrColour background = 0;
  BgrColour caret = 0;
  BgrColour current_line = 0;
};

EditorChrome ChromeOf(EditorPalette palette);

// Whether a window colour (red in the low byte) calls for the dark set:
// text would be light on it.
EditorPalette PaletteForBackground(BgrColour window);

}  // namespace quillory
