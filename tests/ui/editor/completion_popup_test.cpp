#include "editor/ui/completion_popup.h"

#include <gtest/gtest.h>

#include <QTest>

#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "editor/ui/line_gutter.h"
#include "support/window_test.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

class CompletionPopupTest : public testing::WindowTest {
 protected:
  CompletionPopupTest() {
    window_.NewTab("a.html");
    Rich().SetBytes("<p>\r\n");
    Rich().Select(5, 5);
    Rich().setFocus();
  }

  CompletionPopup& List() {
    return *window_.findChild<CompletionPopup*>("SyntaxHTML");
  }
};

// Enter with nothing chosen removes the letters typed after the less-than.
TEST_F(CompletionPopupTest, LessThanOpensTheListUnderTheCaretWithNoChoice) {
  QTest::keyClick(&Rich(), '<');
  ASSERT_TRUE(List().isVisible());
  EXPECT_TRUE(List().CompletionShown());
  EXPECT_EQ(List().CompletionStart(), 6);
  EXPECT_EQ(List().currentRow(), -1);
  const long margin = Rich().SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL);
  const QPoint caret(
      Rich().SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, 6L) - margin,
      Rich().SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, 6L));
  const QSize gutter = LineGutter::TextSize(&Rich());
  const QPoint wanted = Rich().geometry().topLeft() + caret +
                        QPoint(gutter.width(), gutter.height());
  const QPoint text_start(margin + Rich().SendScintilla(Sci::SCI_GETMARGINLEFT),
                          0);
  const int text_left =
      Rich().viewport()->mapTo(window_.centralWidget(), text_start).x();
  EXPECT_EQ(List().pos(), QPoint(std::max(wanted.x(), text_left), wanted.y()))
      << "never over the gutter";
  QTest::keyClicks(&Rich(), "zq");
  EXPECT_EQ(List().currentRow(), -1);
  QTest::keyClick(&Rich(), Qt::Key_Return);
  EXPECT_EQ(Rich().Bytes(), "<p>\r\n<");
  EXPECT_FALSE(List().isVisible());
}

// Opened on the last line in view, the list goes above the caret's line
// rather than over the status line and off the window.
TEST_F(CompletionPopupTest,
       NearTheBottomTheListOpensAboveTheCaretInsideTheText) {
  Rich().SetBytes(NumberedLines(200));
  const long last_in_view = Rich().SendScintilla(Sci::SCI_LINESONSCREEN) - 1;
  const long caret =
      Rich().SendScintilla(Sci::SCI_GETLINEENDPOSITION, last_in_view);
  Rich().Select(caret, caret);
  QTest::keyClick(&Rich(), '<');
  ASSERT_TRUE(List().isVisible());
  QWidget* text_area = Rich().viewport();
  const QRect text(text_area->mapTo(window_.centralWidget(), QPoint()),
                   text_area->size());
  EXPECT_TRUE(text.contains(List().geometry())) << "inside the text area";
  const int line_top =
      text.top() + static_cast<int>(Rich().SendScintilla(
                       Sci::SCI_POINTYFROMPOSITION, 0UL, caret + 1));
  EXPECT_LE(List().geometry().bottom(), line_top) << "above the caret's line";
}

// Down with nothing chosen takes the first entry, then up wraps to the
// last, leaving the caret; the other steps are the core step table.
TEST_F(CompletionPopupTest, ArrowsAndTypedLettersSelectAndEnterInserts) {
  QTest::keyClick(&Rich(), '<');
  QTest::keyClick(&Rich(), Qt::Key_Down);
  EXPECT_EQ(List().currentRow(), 0);
  QTest::keyClick(&Rich(), Qt::Key_Up);
  EXPECT_EQ(List().currentRow(), List().count() - 1);
  EXPECT_EQ(Rich().Caret(), 6);
  QTest::keyClicks(&Rich(), "TA");  // letters compared ignoring case
  ASSERT_NE(List().currentItem(), nullptr);
  EXPECT_EQ(List().currentItem()->text(), "table>");
  QTest::keyClick(&Rich(), Qt::Key_Return);
  EXPECT_FALSE(List().isVisible());
  EXPECT_FALSE(List().CompletionShown());
  EXPECT_EQ(Rich().Bytes(), "<p>\r\n<table>");
  EXPECT_EQ(Rich().Caret(), 12);
}

// Esc goes no further than the list: the editor would drop its second
// selection on it.
TEST_F(CompletionPopupTest, EscClosesWithoutChoosingAndIsConsumed) {
  Type("<b");
  Rich().SendScintilla(Sci::SCI_SETSELECTION, 1UL, 1L);
  Rich().SendScintilla(Sci::SCI_ADDSELECTION, 7UL, 7L);
  QTest::keyClick(&Rich(), Qt::Key_Escape);
  EXPECT_FALSE(List().isVisible());
  EXPECT_FALSE(List().CompletionShown());
  EXPECT_EQ(Rich().SendScintilla(Sci::SCI_GETSELECTIONS), 2);
  EXPECT_EQ(Rich().Bytes(), "<p>\r\n<b");
}

// Moving the caret before the start, or deleting the less-than, closes the
// list; which edits break the word is the core table.
TEST_F(CompletionPopupTest, BreakingTheWordCloses) {
  Type("<b");
  EXPECT_TRUE(List().isVisible());
  Rich().Select(2, 2);
  QApplication::processEvents();
  EXPECT_FALSE(List().isVisible());

  // The list's start then lies past the end of an emptied text.
  Rich().SetBytes("");
  QTest::keyClick(&Rich(), '<');
  QTest::keyClick(&Rich(), Qt::Key_Backspace);
  EXPECT_FALSE(List().isVisible());
  EXPECT_EQ(Rich().Bytes(), "");
}

// Its start is a place in the document it was opened in; Enter in a file
// opened or a tab shown since must not replace that document's bytes. A
// script document opens no list.
TEST_F(CompletionPopupTest, ShowingAnotherDocumentCloses) {
  Type("<b");
  OpenFile("b.html", "hello world");
  EXPECT_FALSE(List().isVisible());
  QTest::keyClick(&Rich(), Qt::Key_Return);
  EXPECT_EQ(Text(), "\r\nhello world");

  QTest::keyClick(&Rich(), '<');
  Tabs().Activate(0);
  EXPECT_FALSE(List().CompletionShown());
  QTest::keyClick(&Rich(), '<');
  Tabs().FreeSlot(0);
  Tabs().FreeSlot(1);
  EXPECT_FALSE(List().isVisible());
  OpenFile("a.js", "");
  QTest::keyClick(&Rich(), '<');
  EXPECT_FALSE(List().isVisible());
  EXPECT_FALSE(List().CompletionShown());
}

TEST_F(CompletionPopupTest, DoubleClickInsertsTheEntry) {
  Type("<b");
  QListWidgetItem* entry = List().findItems("br>", Qt::MatchExactly).front();
  List().scrollToItem(entry);
  const QPoint middle = List().visualItemRect(entry).center();
  QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, middle);
  QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, middle);
  EXPECT_EQ(Rich().Bytes(), "<p>\r\n<br>");
  EXPECT_FALSE(List().isVisible());
}

}  // namespace
}  // namespace quillory
