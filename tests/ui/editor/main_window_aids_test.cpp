#include <gtest/gtest.h>

#include <QAction>

#include "app/ui/document_files.h"
#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "editor/ui/line_gutter.h"
#include "support/window_test.h"

namespace quillory {
namespace {

using MainWindowAidsTest = testing::WindowTest;

TEST_F(MainWindowAidsTest, OpeningAFileColoursItsWholeText) {
  const std::string path =
      folder_.Write("page.php", "<p>\r\n<?php echo 'a'; ?>\r\n");
  window_.Files().OpenFile(path, false);
  Editor& rich = *window_.ActiveEditor();
  EXPECT_EQ(rich.StyleAt(0), 2);   // tag
  EXPECT_EQ(rich.StyleAt(11), 1);  // keyword "echo"
  EXPECT_EQ(rich.StyleAt(16), 6);  // string
}

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
