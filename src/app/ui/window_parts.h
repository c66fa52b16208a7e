#pragma once

#include <array>

class QLabel;
class QRadioButton;
class QToolButton;
class QWidget;

namespace quillory {

class SlotTabBar;

// The parts of the main window that its layout places, all children of
// `area`.
struct WindowParts {
  QWidget& area;
  QWidget& toolbar;
  QWidget& side_panel;
  SlotTabBar& tab_bar;
  QWidget& editor;
  QWidget& preview;
  QWidget& live_preview;  // beside the editor while it shows
  QWidget& live_button;   // at the toolbar's end
  QWidget& close_button;
  std::array<QRadioButton*, 2> view_buttons;
  QLabel& status;
  QLabel& opened_path;
};

// Places every part for the area's present size and the tabs that show,
// with as many rows of tabs as they need.
void ArrangeWindowParts(const WindowParts& parts);

// `CLoseB`, the button that closes the active document.
QToolButton* MakeCloseButton(QWidget* area);

}  // namespace quillory
