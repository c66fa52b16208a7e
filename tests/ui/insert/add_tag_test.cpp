#include "insert/ui/add_tag.h"

#include <QAction>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "insert_window_fixture.h"

namespace quillory {
namespace {

class AddTagTest : public InsertWindowTest {
 protected:
  QListWidget& List(QWidget& window, const char* name) {
    return *window.findChild<QListWidget*>(name);
  }
  void DoubleClick(QListWidget& list, int row) {
    emit list.itemDoubleClicked(list.item(row));
  }
  // The window as a user meets it: active, the categories focused. Both
  // ways of opening it show no entries until a category is chosen.
  QListWidget& ShownEntries(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    List(window, "List1").setFocus(Qt::TabFocusReason);
    QListWidget& entries = List(window, "List2");
    EXPECT_EQ(entries.count(), 0);
    return entries;
  }
};

// The menu's chooser shows the categories only; a double click on a tag
// name wraps the selection in one coloured edit, and the chooser closes.
TEST_F(AddTagTest, ChooserWrapsTheSelectionAndCloses) {
  Rich().SetBytes("a text b");
  Rich().Select(2, 6);
  window_.findChild<QAction*>("Insert_Tag")->trigger();
  QPointer<QWidget> chooser = window_.findChild<AddTag*>("AddTag");
  ASSERT_TRUE(chooser);
  EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
  QListWidget& categories = List(*chooser, "List1");
  QListWidget& entries = ShownEntries(*chooser);
  ASSERT_EQ(categories.count(), 4);
  EXPECT_EQ(categories.item(3)->text(), "PHP");
  categories.setCurrentRow(2);  // CSS has no entries
  EXPECT_EQ(entries.count(), 0);
  categories.setCurrentRow(0);
  const auto found = entries.findItems("<p>", Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  DoubleClick(entries, entries.row(found[0]));
  EXPECT_EQ(Text(), "a <p>text</p> b");
  EXPECT_EQ(Rich().Caret(), 13);
  EXPECT_EQ(Rich().StyleAt(2), 2);  // coloured as a tag
  window_.findChild<QAction*>("Undo")->trigger();
  EXPECT_EQ(Text(), "a text b");
  QApplication::processEvents();
  EXPECT_TRUE(chooser.isNull() || !chooser->isVisible());
}

// The panel stays for many insertions; closing it unchecks the command.
// The program may end with it open.
TEST_F(AddTagTest, PanelStaysOpenUntilClosed) {
  QAction& command = *window_.findChild<QAction*>("TagPanel");
  command.trigger();
  QPointer<AddTag> panel = window_.findChild<AddTag*>("AddTag");
  ASSERT_TRUE(panel);
  ShownEntries(*panel);
  List(*panel, "List1").setCurrentRow(3);
  DoubleClick(List(*panel, "List2"), 0);
  DoubleClick(List(*panel, "List2"), 0);
  EXPECT_EQ(Text(), "<?php  ?><?php  ?>");
  EXPECT_TRUE(panel->isVisible());
  panel->close();
  QApplication::processEvents();
  EXPECT_FALSE(command.isChecked());
  command.trigger();  // the main window then closes with a panel open
  EXPECT_TRUE(command.isChecked());
}

}  // namespace
}  // namespace quillory
