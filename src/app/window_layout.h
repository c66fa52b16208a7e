#pragma once

#include <vector>

#include "base/twips.h"

namespace quillory {

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// What the main window's arrangement depends on, in twips.
struct LayoutInput {
  int width = 0;   // the window's inner width
  int height = 0;  // the window's inner height
  int tab_row_height = 0;
  int tab_count = 0;  // the tabs that show
  int view_button_height = 0;
  int status_height = 0;
};

// Where every part of the main window goes, in twips. Parts hidden while no
// document is open still get their places, so showing them needs no relayout.
struct MainLayout {
  TwipRect toolbar;       // the icon row above the tag panel
  TwipRect side_panel;    // the tag panel's tab strip
  TwipRect tab_strip;     // the documents' tabs; the editor sits inside it
  TwipRect editor;        // also the preview area
  TwipRect close_button;  // at the right end of the tab row
  TwipRect view_buttons;  // both source / preview buttons, side by side
  TwipRect status;
  TwipRect path_label;
  int tabs_per_row = 1;  // never fewer than one, however narrow the window
  int tab_rows = 1;      // enough for every tab; one while none shows
};

MainLayout LayoutMainWindow(const LayoutInput& input);

// The widths of one row of tabs: each as wide as it wants up to `max_width`;
// when they do not fit in `row_width`, the widest shrink to one level so the
// row fills it exactly. Any unit; the result has one width per wanted one.
std::vector<int> FitTabRow(const std::vector<int>& wanted, int row_width,
                           int max_width);

}  // namespace quillory
