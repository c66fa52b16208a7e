#include <gtest/gtest.h>

#include <QAction>

#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "editor/ui/line_gutter.h"
#include "support/window_test.h"

namespace quillory {
namespace {

using MainWindowAidsTest = testing::WindowTest;

TEST_F(MainWindowAidsTest, LineNumbersCommandSwitchesOffThenOn) {
  window_.NewTab("a.html");
  Editor* rich = window_.ActiveEditor();
  ASSERT_NE(LineGutter::Of(rich), nullptr);
  window_.Action("setNum")->trigger();
  EXPECT_EQ(LineGutter::Of(rich), nullptr);
  window_.Action("setNum")->trigger();
  EXPECT_NE(LineGutter::Of(rich), nullptr);
}

}  // namespace
}  // namespace quillory
