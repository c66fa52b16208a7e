#include "app/window_layout.h"

#include <gtest/gtest.h>

#include "app/path_caption.h"

namespace quillory {
namespace {

LayoutInput Window(int width, int height) {
  LayoutInput input;
  input.width = width;
  input.height = height;
  input.tab_row_height = 390;
  input.view_button_height = 300;
  input.status_height = 330;
  return input;
}

// Where each part sits is the layout's own arithmetic, seen on screen;
// these are its rules.
// A narrow window still has one tab per row.
TEST(LayoutMainWindowTest, TabsPerRowIsRoundedWidthOverFifteenHundred) {
  // 2140 - 60 + 200 = 2280 twips: 1.52 rounds to 2.
  EXPECT_EQ(LayoutMainWindow(Window(2140, 9000)).tabs_per_row, 2);
  EXPECT_EQ(LayoutMainWindow(Window(0, 0)).tabs_per_row, 1);
}

TEST(LayoutMainWindowTest, MoreTabRowsPushTheEditorDown) {
  LayoutInput input = Window(15000, 10500);
  input.tab_rows = 2;
  const MainLayout layout = LayoutMainWindow(input);
  EXPECT_EQ(layout.editor.top, layout.tab_strip.top + 2 * 390 + 70);
}

TEST(MiddleEllipsisCutTest, PathThatFitsIsShownWhole) {
  EXPECT_EQ(MiddleEllipsisCut(20, 200, 200), std::nullopt);
  EXPECT_EQ(MiddleEllipsisCut(20, 300, 200), std::nullopt);
}

// L path length, W/T label over text width: R = L - Int(L*W/T) + 3 dropped,
// H = R \ 2, head L\2 - H, tail from 1-based R + L\2 - H (0-based here).
TEST(MiddleEllipsisCutTest, DropsTheMiddleByTheWidthRatio) {
  struct Row {
    int length, label_width, text_width, head_length, tail_start;
  };
  const Row rows[] = {
      {40, 100, 200, 9, 31},  // R = 23, H = 11
      {31, 200, 300, 8, 21},  // Int(20.67) = 20: R = 14, H = 7
      {10, 0, 500, 0, 10},    // a tiny label never cuts outside the path
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.length);
    const auto cut =
        MiddleEllipsisCut(row.length, row.label_width, row.text_width);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->head_length, row.head_length);
    EXPECT_EQ(cut->tail_start, row.tail_start);
  }
}

}  // namespace
}  // namespace quillory
