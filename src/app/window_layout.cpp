#include "app/window_layout.h"

#include <algorithm>
#include <cmath>

namespace quillory {
namespace {

// Design-time places of the parts whose left and top the rules keep fixed.
constexpr int kMargin = 60;
constexpr int kToolbarHeight = 480;
constexpr int kSidePanelTop = kToolbarHeight;
constexpr int kSidePanelHeight = 1020;
constexpr int kTabStripTop = kSidePanelTop + kSidePanelHeight + 30;
constexpr int kEditorInset = 60;
constexpr int kTabWidth = 1500;
constexpr int kCloseButtonSize = 300;
constexpr int kViewButtonWidth = 1500;
constexpr int kStatusWidth = 4500;

int TabsPerRow(int strip_width) {
  const int rounded = static_cast<int>(
      std::nearbyint(static_cast<double>(strip_width) / kTabWidth));
  return std::max(1, rounded);
}

int TotalUpTo(const std::vector<int>& widths, int level) {
  int total = 0;
  for (const int width : widths) total += std::min(width, level);
  return total;
}

}  // namespace

std::vector<int> FitTabRow(const std::vector<int>& wanted, int row_width,
                           int max_width) {
  std::vector<int> widths = wanted;
  for (int& width : widths) width = std::clamp(width, 0, max_width);
  if (widths.empty() || TotalUpTo(widths, max_width) <= row_width) {
    return widths;
  }
  int level = std::max(0, row_width) / static_cast<int>(widths.size());
  while (level < max_width && TotalUpTo(widths, level + 1) <= row_width) {
    ++level;
  }
  int spare = std::max(0, row_width) - TotalUpTo(widths, level);
  for (int& width : widths) {
    // The pixels the level leaves over go to the first shrunk tabs.
    const bool gets_spare = width > level && spare > 0;
    width = std::min(width, level) + gets_spare;
    spare -= gets_spare;
  }
  return widths;
}

MainLayout LayoutMainWindow(const LayoutInput& in) {
  MainLayout out;
  out.toolbar = {kMargin, 0, in.width - kMargin, kToolbarHeight};
  out.side_panel = {kMargin, kSidePanelTop, in.width - 50 - kMargin,
                    kSidePanelHeight};

  TwipRect& tabs = out.tab_strip;
  tabs = {kMargin, kTabStripTop, in.width - kMargin + 200, 0};
  tabs.height = in.height - 600 - tabs.top;
  out.tabs_per_row = TabsPerRow(tabs.width);
  out.tab_rows =
      std::max(1, (in.tab_count + out.tabs_per_row - 1) / out.tabs_per_row);

  TwipRect& editor = out.editor;
  editor.left = tabs.left + kEditorInset;
  editor.top = tabs.top + in.tab_row_height * out.tab_rows + 70;
  editor.width = in.width - 100 - editor.left;
  editor.height = in.height - 700 - editor.top;

  out.close_button = {editor.left + editor.width - kCloseButtonSize,
                      tabs.top + (in.tab_row_height - kCloseButtonSize) / 2,
                      kCloseButtonSize, kCloseButtonSize};
  out.view_buttons = {editor.left, in.height - 300 - in.view_button_height,
                      2 * kViewButtonWidth, in.view_button_height};
  out.status = {kMargin, in.height - in.status_height + 50, kStatusWidth,
                in.status_height - 50};
  const int path_left = out.status.left + kStatusWidth + kMargin;
  out.path_label = {path_left, out.status.top, in.width - kMargin - path_left,
                    out.status.height};
  return out;
}

}  // namespace quillory
