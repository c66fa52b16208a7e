#include "app/window_layout.h"

#include <gtest/gtest.h>

#include "app/path_caption.h"

namespace quillory {
namespace {

LayoutInput Window(int width, int height) {
  return {.width = width,
          .height = height,
          .tab_row_height = 390,
          .view_button_height = 300,
          .status_height = 330};
}

// Where each part sits is the layout's own arithmetic, seen on screen;
// these are its rules.
// A narrow window still has one tab per row.
TEST(LayoutMainWindowTest, TabsPerRowIsRoundedWidthOverFifteenHundred) {
  // 2140 - 60 + 200 = 2280 twips: 1.52 rounds to 2.
  EXPECT_EQ(LayoutMainWindow(Window(2140, 9000)).tabs_per_row, 2);
  EXPECT_EQ(LayoutMainWindow(Window(0, 0)).tabs_per_row, 1);
}

// 7440 - 60 + 200 = 7580 twips: five tabs to a row.
TEST(LayoutMainWindowTest, TabsThatDoNotFitARowPushTheEditorDown) {
  for (auto [tabs, rows] : {std::pair{0, 1}, {5, 1}, {6, 2}, {10, 2}}) {
    LayoutInput input = Window(7440, 10500);
    input.tab_count = tabs;
    const MainLayout layout = LayoutMainWindow(input);
    EXPECT_EQ(layout.tab_rows, rows) << tabs;
    EXPECT_EQ(layout.editor.top, layout.tab_strip.top + rows * 390 + 70);
  }
}

// A path that fits is shown whole. Otherwise, L path length, W/T label
// over text width: R = L - Int(L*W/T) + 3 dropped, H = R \ 2, head
// L\2 - H, tail from 1-based R + L\2 - H (0-based here).
TEST(MiddleEllipsisCutTest, DropsTheMiddleByTheWidthRatio) {
  EXPECT_EQ(MiddleEllipsisCut(20, 200, 200), std::nullopt);
  EXPECT_EQ(MiddleEllipsisCut(20, 300, 200), std::nullopt);
  const auto cut = [](int length, int label_width, int text_width) {
    const auto c = MiddleEllipsisCut(length, label_width, text_width);
    return c ? std::pair(c->head_length, c->tail_start) : std::pair(-1, -1);
  };
  EXPECT_EQ(cut(40, 100, 200), std::pair(9, 31));  // R = 23, H = 11
  EXPECT_EQ(cut(31, 200, 300), std::pair(8, 21));  // Int(20.67) = 20: R = 14
  EXPECT_EQ(cut(10, 0, 500), std::pair(0, 10));  // never cuts outside the path
}

}  // namespace
}  // namespace quillory
