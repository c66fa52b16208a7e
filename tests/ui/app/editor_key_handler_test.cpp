#include "app/ui/editor_key_handler.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QTest>

#include "app/ui/document_tabs.h"
#include "editor/ui/completion_popup.h"
#include "editor/ui/editor.h"
#include "support/editing_window.h"

namespace quillory {
namespace {

constexpr int kTag = 2;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

class EditorKeyHandlerTest : public testing::EditingWindowTest {
 protected:
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&Rich(), key, modifiers);
  }
  QString Status() { return window_.findChild<QLabel*>("Status")->text(); }
};

TEST_F(EditorKeyHandlerTest, ShiftEnterInsertsAParagraphPair) {
  OpenFile("a.html", "ab");
  Rich().Select(1, 1);
  Key(Qt::Key_Return, kShift);
  EXPECT_EQ(Text(), "a<P></P>b");
  EXPECT_EQ(Rich().Caret(), 8);
}

TEST_F(EditorKeyHandlerTest, CtrlShiftEnterIsALineBreakTagNotAParagraph) {
  OpenFile("a.html", "");
  Key(Qt::Key_Return, kCtrl | kShift);
  EXPECT_EQ(Text(), "<BR>");
}

TEST_F(EditorKeyHandlerTest, CtrlDigitsInsertHeadingPairs) {
  OpenFile("a.html", "");
  const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3,
                            Qt::Key_4, Qt::Key_5, Qt::Key_6};
  for (Qt::Key digit : digits) Key(digit, kCtrl);
  EXPECT_EQ(Text(), "<H1></H1><H2></H2><H3></H3><H4></H4><H5></H5><H6></H6>");
}

TEST_F(EditorKeyHandlerTest, CtrlTwoWrapsTheSelectionInAnH2Pair) {
  OpenFile("a.html", "a title b");
  Rich().Select(2, 7);
  Key(Qt::Key_2, kCtrl);
  EXPECT_EQ(Text(), "a <H2>title</H2> b");
}

TEST_F(EditorKeyHandlerTest, CtrlTabGoesToTheNextPresentTabAndWraps) {
  OpenFile("a.html", "A");
  OpenFile("b.html", "B");
  OpenFile("c.html", "C");
  window_.Tabs().FreeSlot(1);
  window_.Tabs().Activate(2);
  Key(Qt::Key_Tab, kCtrl);
  EXPECT_EQ(window_.Tabs().ActiveSlot(), 0);
  Key(Qt::Key_Tab, kCtrl);
  EXPECT_EQ(window_.Tabs().ActiveSlot(), 2);
  EXPECT_EQ(Text(), "C");
}

TEST_F(EditorKeyHandlerTest, CtrlShiftTabGoesToThePreviousPresentTabAndWraps) {
  OpenFile("a.html", "A");
  OpenFile("b.html", "B");
  OpenFile("c.html", "C");
  window_.Tabs().Activate(0);
  Key(Qt::Key_Backtab, kCtrl | kShift);
  EXPECT_EQ(window_.Tabs().ActiveSlot(), 2);
  Key(Qt::Key_Backtab, kCtrl | kShift);
  EXPECT_EQ(window_.Tabs().ActiveSlot(), 1);
}

TEST_F(EditorKeyHandlerTest, CtrlVPastesOnlyThePlainTextColoured) {
  OpenFile("a.html", "xy");
  auto* data = new QMimeData();
  data->setHtml("<b>bold</b>");
  data->setText("<i>");
  QApplication::clipboard()->setMimeData(data);
  Rich().Select(1, 2);
  Key(Qt::Key_V, kCtrl);
  EXPECT_EQ(Text(), "x<i>");
  EXPECT_EQ(Rich().StyleAt(1), kTag);
  EXPECT_EQ(window_.Tabs().History(0).position(), 1);
}

TEST_F(EditorKeyHandlerTest, CtrlEnterAndCtrlSpaceReplaceTheSelection) {
  OpenFile("a.html", "a-b");
  Rich().Select(1, 2);
  Key(Qt::Key_Space, kCtrl);
  EXPECT_EQ(Text(), "a&nbsp;b");
  Key(Qt::Key_Return, kCtrl);
  EXPECT_EQ(Text(), "a&nbsp;<BR>b");
}

TEST_F(EditorKeyHandlerTest, CtrlBInsertsOrWrapsABoldPair) {
  OpenFile("a.html", "word");
  Key(Qt::Key_B, kCtrl);
  EXPECT_EQ(Text(), "<B></B>word");
  Rich().Select(7, 11);
  Key(Qt::Key_B, kCtrl);
  EXPECT_EQ(Text(), "<B></B><B>word</B>");
}

TEST_F(EditorKeyHandlerTest, EnterIndentsWithSpacesBeforeTabs) {
  OpenFile("a.html", "\t \tabc");
  Rich().Select(6, 6);
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(), "\t \tabc\r\n \t\t");
  EXPECT_EQ(Rich().Caret(), 11);
}

TEST_F(EditorKeyHandlerTest, TabAndShiftTabFollowTheSelectionWithATab) {
  OpenFile("a.html", "abcd");
  Rich().Select(1, 3);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Text(), "abc\td");
  Rich().Select(0, 1);
  Key(Qt::Key_Backtab, kShift);
  EXPECT_EQ(Text(), "a\tbc\td");
}

TEST_F(EditorKeyHandlerTest, EnterAndArrowsBelongToAShownCompletionList) {
  OpenFile("a.html", "");
  Type("<");
  ASSERT_TRUE(window_.Completion().CompletionShown());
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  EXPECT_FALSE(window_.Completion().CompletionShown());
  EXPECT_EQ(Text().find("\r\n"), std::string::npos);
  EXPECT_GT(Text().size(), 1u);
}

TEST_F(EditorKeyHandlerTest, OtherKeysReachTheControl) {
  OpenFile("a.html", "");
  Type("a b");
  Key(Qt::Key_Left);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(), "ab");
}

TEST_F(EditorKeyHandlerTest, StatusLineShowsLineColumnAndSelection) {
  OpenFile("a.html", "ab\r\ncdef\r\n");
  Rich().Select(6, 6);
  Key(Qt::Key_Right);
  EXPECT_EQ(Status(), "Line: 2  Column: 3");
  Rich().Select(4, 6);
  Key(Qt::Key_Shift);
  EXPECT_EQ(Status(), "Line: 2  Column: 0  Selected: 2 characters");
}

TEST_F(EditorKeyHandlerTest, ClickUpdatesTheStatusLine) {
  OpenFile("a.html", "abc");
  Rich().Select(0, 0);
  QTest::mouseClick(Rich().viewport(), Qt::LeftButton);
  EXPECT_TRUE(Status().startsWith("Line: 1  Column: "));
}

TEST_F(EditorKeyHandlerTest, WrapCommandWrapsAtTheWindowEdge) {
  OpenFile("a.html", "a");
  window_.Action("Wrap")->trigger();
  EXPECT_EQ(Rich().SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE),
            QsciScintillaBase::SC_WRAP_WORD);
  window_.Action("Wrap")->trigger();
  EXPECT_EQ(Rich().SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE),
            QsciScintillaBase::SC_WRAP_NONE);
}

}  // namespace
}  // namespace quillory
