#include <gtest/gtest.h>

#include <QAction>

#include "app/ui/document_files.h"
#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "editor/ui/line_gutter.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

class MainWindowAidsTest : public ::testing::Test {
 protected:
  MainWindowAidsTest()
      : window_(folder_.ProgramEnvironment(), fakes_.Services()) {
    window_.resize(900, 600);
    window_.show();
  }

  testing::TestFolder folder_;
  testing::FakeServices fakes_;
  MainWindow window_;
};

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
