#include "insert/ui/rich_editor.h"

#include <QPointer>
#include <QTextEdit>

#include "insert_window_fixture.h"

namespace quillory {
namespace {

class RichEditorTest : public InsertWindowTest {
 protected:
  RichEditorTest() {
    Trigger("REDIT");
    editor_ = window_.findChild<RichEditor*>("RichEditor");
  }

  QTextEdit& Surface() { return *editor_->findChild<QTextEdit*>("Rich"); }
  void Click(const char* button) {
    QTest::mouseClick(editor_->findChild<QPushButton*>(button), Qt::LeftButton);
  }
  bool Green(const char* button) {
    return editor_->findChild<QPushButton*>(button)->palette().color(
               QPalette::Button) == QColor(0, 255, 0);
  }

  QPointer<RichEditor> editor_;
};

// Formats set with a button and with Ctrl keys, which type nothing, come
// out as tags in one undoable insertion; the buttons follow the caret.
TEST_F(RichEditorTest, InsertsTheFormattedTextAsHtml) {
  ASSERT_TRUE(editor_);
  QTest::keyClicks(&Surface(), "ab cd");
  QTest::keyClick(&Surface(), Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(&Surface(), Qt::Key_Left, Qt::ShiftModifier);
  Click("Command2");
  fakes_.dialogs.chosen_colours.push_back(0x0000FF);
  QTest::keyClicks(&Surface(), "oi", Qt::ControlModifier);
  EXPECT_TRUE(Green("Command2") && Green("Command3") && !Green("Command4"));
  QTest::keyClick(&Surface(), Qt::Key_Home);
  EXPECT_FALSE(Green("Command2"));
  QTest::keyClick(&Surface(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_FALSE(editor_->findChild<QPushButton*>("Command8_2")->isEnabled());

  const int level = History().position();
  Click("Command5");
  EXPECT_EQ(Text(),
            "<div style='text-align:center'>ab <font style='color:#FF0000'>"
            "<b><i>cd</i></b></font></div>");
  EXPECT_FALSE(editor_ && editor_->isVisible());
  EXPECT_EQ(History().position(), level + 1);
}

}  // namespace
}  // namespace quillory
