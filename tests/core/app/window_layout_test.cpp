#include "app/window_layout.h"

#include <gtest/gtest.h>

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

TEST(LayoutMainWindowTest, EditorFillsTheTabAreaByTheRules) {
  const MainLayout layout = LayoutMainWindow(Window(15000, 10500));
  EXPECT_EQ(layout.tab_strip.width, 15000 - layout.tab_strip.left + 200);
  EXPECT_EQ(layout.tab_strip.height, 10500 - 600 - layout.tab_strip.top);
  EXPECT_EQ(layout.editor.top, layout.tab_strip.top + 390 + 70);
  EXPECT_EQ(layout.editor.width, 15000 - 100 - layout.editor.left);
  EXPECT_EQ(layout.editor.height, 10500 - 700 - layout.editor.top);
  EXPECT_EQ(layout.side_panel.width, 15000 - 50 - layout.side_panel.left);
  EXPECT_EQ(layout.view_buttons.top, 10500 - 300 - 300);
  EXPECT_EQ(layout.status.top, 10500 - 330 + 50);
}

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

}  // namespace
}  // namespace quillory
