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
using Sci = QsciScintillaBase;

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

// Lines below the view left unwrapped would be wrapped all at once by the
// first caret move down there, a long pause long after the command.
TEST_F(MainWindowAidsTest, WrapAndLineNumbersCommandsWrapEveryLineAtOnce) {
  // Lines of every length up to several widths, so that some of them wrap
  // anew whenever the width changes.
  std::string text;
  for (int words = 1; words <= 80; ++words) {
    for (int i = 0; i < words; ++i) text += "word ";
    text += "\r\n";
  }
  OpenFile("a.html", text);
  const long last = Rich().SendScintilla(Sci::SCI_GETLINECOUNT) - 1;
  const auto shown_at = [&] {
    return Rich().SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, last);
  };
  for (const char* command : {"Wrap", "setNum", "setNum"}) {
    Trigger(command);
    const long wrapped = shown_at();
    Rich().SendScintilla(Sci::SCI_ENSUREVISIBLE, last);
    EXPECT_EQ(wrapped, shown_at()) << command;
  }
  EXPECT_GT(shown_at(), last + 40);
}

}  // namespace
}  // namespace quillory
