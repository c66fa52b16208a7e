#include "app/ui/document_tabs.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWheelEvent>

#include "app/ui/modified_marker.h"
#include "app/ui/slot_tab_bar.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class DocumentTabsTest : public testing::WindowTest {
 protected:
  // A new tab holding `text`, with the whole text in style `style`.
  int Open(const std::string& caption, const std::string& text, int style = 0) {
    const int slot = window_.NewTab(caption);
    Rich().SetBytes(text);
    Rich().SetStyles(0, std::string(text.size(), static_cast<char>(style)));
    return slot;
  }
};

// Which slot a tab takes is the free slot table. Screen readers hear of the
// open documents only.
TEST_F(DocumentTabsTest, NewTabsBecomeActiveWithTheIconOfTheirKind) {
  for (const char* caption : {"a.html", "B.HTML", "c.txt"}) Open(caption, "");
  EXPECT_EQ(Bar().currentIndex(), 2);
  EXPECT_FALSE(Bar().isTabVisible(3));
  EXPECT_EQ(window_.windowTitle(), "Quillory - c.txt");
  // The icon follows the caption's kind, B.HTML's as c.txt's (the kind
  // table's case rule).
  EXPECT_FALSE(Bar().tabIcon(0).isNull());
  EXPECT_TRUE(Bar().tabIcon(2).isNull());
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&Bar());
  ASSERT_EQ(spoken->childCount(), 3);
  EXPECT_EQ(spoken->child(1)->text(QAccessible::Name), "B.HTML");
  Tabs().FreeSlot(0);
  ASSERT_EQ(spoken->childCount(), 2);
  EXPECT_EQ(spoken->child(0)->text(QAccessible::Name), "B.HTML");
}

// Switching is no edit: the text, selection, scroll and colours come back
// and nothing counts as a change; the horizontal scroll range is the shown
// document's.
TEST_F(DocumentTabsTest, SwitchingBackRestoresTextSelectionScrollAndColours) {
  const std::string first = NumberedLines(500);
  Open("first.html", first, 3);
  Rich().Select(120, 140);
  Rich().ScrollLines(200 - Rich().FirstVisibleLine());
  const int first_line = Rich().FirstVisibleLine();
  ASSERT_GT(first_line, 100);

  Open("second.php", "<?php echo 1; ?>", 5);
  EXPECT_EQ(Text(), "<?php echo 1; ?>");
  EXPECT_EQ(Rich().StyleAt(3), 5);
  int edits = 0;
  QObject::connect(&Rich(), &Editor::TextEdited, [&] { ++edits; });

  Bar().setCurrentIndex(0);
  EXPECT_EQ(Text(), first);
  EXPECT_EQ(Rich().SelectionStart(), 120);
  EXPECT_EQ(Rich().SelectionEnd(), 140);
  EXPECT_EQ(Rich().FirstVisibleLine(), first_line);
  EXPECT_EQ(Rich().StyleAt(0), 3);
  EXPECT_EQ(Rich().StyleAt(static_cast<int>(first.size()) - 1), 3);
  Bar().setCurrentIndex(1);
  EXPECT_EQ(edits, 0);
  EXPECT_FALSE(Guards().parsing_now);
  // A long line widens the scroll range of its own document only.
  // Scintilla widens the range a moment after the paint that shows a line.
  Open("wide.html", std::string(20000, 'x'));
  Rich().viewport()->repaint();
  const auto scroll_width = [this] {
    return Rich().SendScintilla(QsciScintillaBase::SCI_GETSCROLLWIDTH);
  };
  QTRY_VERIFY(scroll_width() > Rich().viewport()->width());
  Bar().setCurrentIndex(1);
  Rich().viewport()->repaint();
  QTest::qWait(200);
  EXPECT_LT(scroll_width(), Rich().viewport()->width());
}

// The bar's own wheel steps onto hidden tabs as well; resting on one would
// leave the active tab unmarked, and closing it would then show no other.
TEST_F(DocumentTabsTest, TheWheelPassesOverHiddenTabs) {
  const auto wheel_down = [this] {
    QWheelEvent event(QPointF(5, 5), Bar().mapToGlobal(QPointF(5, 5)), {},
                      {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&Bar(), &event);
  };
  for (const char* caption : {"a.html", "b.html", "c.html"})
    Open(caption, caption);
  Tabs().FreeSlot(1);
  Tabs().Activate(0);
  wheel_down();
  EXPECT_EQ(Tabs().ActiveSlot(), 2);
  wheel_down();
  wheel_down();
  EXPECT_EQ(Bar().currentIndex(), 2);
  Tabs().FreeSlot(2);
  EXPECT_EQ(Tabs().ActiveSlot(), 0);
  EXPECT_EQ(Text(), "a.html");
}

// A 500-pixel window has five tabs to a row; a full row shrinks its tabs to
// fill the strip, a row with room gives each its caption's width. The
// editor stays below them.
TEST_F(DocumentTabsTest, TabsStandInRowsAsWideAsTheirCaptionsWithThePathAsTip) {
  window_.resize(500, 600);
  QApplication::processEvents();
  for (int i = 0; i < 5; ++i) {
    OpenFile("a_rather_long_page_name_" + std::to_string(i) + ".html", "");
  }
  OpenFile("p.html", "");
  auto& bar = static_cast<SlotTabBar&>(Bar());
  const int row = bar.RowHeight();
  EXPECT_EQ(bar.SlotRect(0).left(), 0);
  EXPECT_EQ(bar.SlotRect(4).top(), 0);
  EXPECT_EQ(bar.SlotRect(4).right() + 1, bar.width());
  const QRect alone = bar.SlotRect(5);
  EXPECT_EQ(alone.topLeft(), QPoint(0, row));
  EXPECT_GT(alone.width(), bar.fontMetrics().horizontalAdvance("p.html"));
  EXPECT_LT(alone.width(), bar.width() / 5);
  EXPECT_GT(Rich().y(), bar.y() + 2 * row);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.SlotRect(1).center());
  EXPECT_EQ(Tabs().ActiveSlot(), 1);
  Trigger("ClsW");
  EXPECT_LT(Rich().y(), bar.y() + 2 * row);
  EXPECT_EQ(bar.tabToolTip(5), QString::fromStdString(folder_.Path("p.html")));
}

// Over the tab's picture, which shows around it.
TEST(ModifiedMarkerTest, MarkerSitsInTheLowerRightCorner) {
  QPixmap blue(16, 16);
  blue.fill(Qt::blue);
  const auto marked = WithModifiedMarker(QIcon(blue)).pixmap(16, 16).toImage();
  EXPECT_EQ(marked.pixelColor(3, 3), QColor(Qt::blue));
  EXPECT_EQ(marked.pixelColor(13, 13), QColor(0xd0, 0x20, 0x20));
}

}  // namespace
}  // namespace quillory
