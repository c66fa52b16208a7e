#include "insert/ui/tree_viewer.h"

#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

#include "editor/ui/highlighter.h"
#include "insert/ui/new_tag.h"
#include "insert_window_fixture.h"

namespace quillory {
namespace {

class TreeViewerTest : public InsertWindowTest {
 protected:
  TreeViewerTest() {
    viewer_ = new TreeViewer(Host(), &window_);
    // \001 ends the title and body, \002 a group; \003 starts an entry,
    // \004 ends a field.
    viewer_->Load(folder_.Write(
        "t.HET",
        "T\001G1\003f\004desc\004f()\003two\004only\003count\004n\004"
        "count([[[E/array]]])\002G2\001"));
    viewer_->show();
  }

  using Tree = QTreeWidget;
  Tree& Folders() { return *viewer_->findChild<Tree*>("Folders"); }
  Tree& Elements() { return *viewer_->findChild<Tree*>("Elements"); }
  void ClickGroup(int g) {
    QTreeWidgetItem* node = Folders().topLevelItem(0)->child(g);
    emit Folders().itemClicked(node, 0);
  }
  void DoubleClickRow(int r) {
    emit Elements().itemDoubleClicked(Elements().topLevelItem(r), 0);
  }

  QPointer<TreeViewer> viewer_;
};

// Titled by the file, it opens over the main window with the focus in the
// tree. The title is the expanded root, the groups its children; a group's
// entries show with their descriptions, and a new file replaces them.
// Escape closes it.
TEST_F(TreeViewerTest, GroupsUnderTheTitleListTheirEntries) {
  EXPECT_EQ(viewer_->windowTitle(), "Reference - T");
  const QPoint off =
      viewer_->frameGeometry().center() - window_.frameGeometry().center();
  EXPECT_LT(off.manhattanLength(), 20);
  EXPECT_EQ(viewer_->focusWidget(), &Folders());
  QTreeWidgetItem* root = Folders().topLevelItem(0);
  EXPECT_EQ(root->text(0), "T");
  EXPECT_TRUE(root->isExpanded());
  ASSERT_EQ(root->childCount(), 2);
  EXPECT_EQ(root->child(1)->text(0), "G2");
  ClickGroup(0);
  ASSERT_EQ(Elements().topLevelItemCount(), 3);
  EXPECT_EQ(Elements().topLevelItem(0)->text(0), "f");
  EXPECT_EQ(Elements().topLevelItem(0)->text(1), "desc");
  ClickGroup(1);
  EXPECT_EQ(Elements().topLevelItemCount(), 0);
  viewer_->Load(folder_.Path("none.HET"));  // a missing file: an empty root
  ASSERT_EQ(Folders().topLevelItemCount(), 1);
  EXPECT_EQ(Folders().topLevelItem(0)->text(0), "");
  EXPECT_EQ(Folders().topLevelItem(0)->childCount(), 0);
  QTest::keyClick(viewer_, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(viewer_.isNull() || !viewer_->isVisible());
}

// A cancelled dialog keeps the tree open; OK puts the entry in, as does a
// double click on an entry without parameters, and the tree closes.
TEST_F(TreeViewerTest, DoubleClickPutsTheEntryInThroughItsDialog) {
  ClickGroup(0);
  AnswerNextDialog([](QDialog& dialog) { dialog.reject(); });
  DoubleClickRow(2);
  QApplication::processEvents();
  EXPECT_EQ(Rich().Bytes(), "");
  ASSERT_FALSE(viewer_.isNull());
  EXPECT_TRUE(viewer_->isVisible());
  QStringList names;
  AnswerNextDialog([&names](QDialog& dialog) {
    for (QLabel* name : dialog.findChildren<QLabel*>("PropName"))
      names.push_back(name->text());
    dialog.findChild<QLineEdit*>("PropValue")->setText("$a");
    PressOk(dialog);
  });
  DoubleClickRow(2);
  EXPECT_EQ(names, QStringList{"array"});
  EXPECT_EQ(Rich().Bytes(), "count($a)");
  QApplication::processEvents();
  EXPECT_TRUE(viewer_.isNull() || !viewer_->isVisible());
}

TEST_F(TreeViewerTest, EntryWithoutParametersGoesInAtOnce) {
  ClickGroup(0);
  DoubleClickRow(0);
  EXPECT_EQ(Rich().Bytes(), "f()");
  QApplication::processEvents();
  EXPECT_TRUE(viewer_.isNull() || !viewer_->isVisible());
}

class NewTagTest : public InsertWindowTest {
 protected:
  NewTag dialog_{Host(), &window_};
};

TEST_F(NewTagTest, TableRowsFilledAndOkInsertsAtTheCaret) {
  Rich().SetBytes("ab");
  Rich().Select(1, 1);
  dialog_.StartForm(ElementGroup::kTableOrLink, 0);
  const QList<QWidget*> cells = ValueCells(dialog_);
  ASSERT_EQ(cells.size(), 8);
  qobject_cast<QLineEdit*>(cells[1])->setText("1");
  // Counts no page needs are refused with a message, the dialog still open.
  qobject_cast<QLineEdit*>(cells[2])->setText("200000000");
  PressOk(dialog_);
  EXPECT_EQ(fakes_.dialogs.messages,
            std::vector<std::string>{"Too many rows or columns: a table holds "
                                     "at most 1,000,000 cells."});
  EXPECT_EQ(Rich().Bytes(), "ab");
  qobject_cast<QLineEdit*>(cells[2])->setText("1");
  qobject_cast<QComboBox*>(cells[5])->setCurrentIndex(3);
  PressOk(dialog_);
  EXPECT_EQ(Rich().Bytes(),
            "a<table align=right>\r\n<tr>\r\n\t<td></td>\r\n</tr>\r\n"
            "</table>b");
  EXPECT_EQ(Rich().Caret(), static_cast<int>(Rich().Bytes().size()) - 1);
  EXPECT_EQ(Rich().StyleAt(1), 2);  // inserted markup is coloured as a tag
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

// Which rows each element has is the element table; they show named,
// locked where the table says, and the focus starts on the first to fill.
TEST_F(NewTagTest, FormRowsShowNamedLockedAndFocusedOnTheFirstToFill) {
  dialog_.StartForm(ElementGroup::kForm, 6);
  dialog_.show();
  const QList<QWidget*> cells = ValueCells(dialog_);
  ASSERT_EQ(cells.size(), 5);
  EXPECT_EQ(dialog_.findChildren<QLabel*>("PropName").size(), 5);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(cells[2])->isReadOnly());
  EXPECT_EQ(dialog_.focusWidget(), cells[1]);
  QWidget* after_last = cells.back()->nextInFocusChain();
  while (!(after_last->focusPolicy() & Qt::TabFocus)) {
    after_last = after_last->nextInFocusChain();
  }
  EXPECT_EQ(after_last->objectName(), "Command1");
  // The title shows whole beside the title bar's buttons; the window is no
  // taller than its rows and buttons; Cancel inserts nothing.
  QFont bold = dialog_.font();
  bold.setBold(true);
  EXPECT_GT(dialog_.width(),
            QFontMetrics(bold).horizontalAdvance(dialog_.windowTitle()) + 100);
  EXPECT_EQ(dialog_.size(), dialog_.sizeHint());
  dialog_.findChild<QPushButton*>("Cancel")->click();
  EXPECT_EQ(dialog_.result(), QDialog::Rejected);
  EXPECT_EQ(Rich().Bytes(), "");
}

}  // namespace
}  // namespace quillory
