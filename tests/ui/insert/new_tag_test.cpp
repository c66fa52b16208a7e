#include "insert/ui/new_tag.h"

#include "editor/ui/highlighter.h"
#include "insert_window_fixture.h"

namespace quillory {
namespace {

class NewTagTest : public InsertWindowTest {
 protected:
  NewTag dialog_{Rich(), window_.Highlighter(), window_.Captions(), &window_};
};

TEST_F(NewTagTest, TableRowsFilledAndOkInsertsAtTheCaret) {
  Rich().SetBytes("ab");
  Rich().Select(1, 1);
  dialog_.StartForm(ElementGroup::kTableOrLink, 0);
  const QList<QWidget*> cells = ValueCells(dialog_);
  ASSERT_EQ(cells.size(), 8);
  qobject_cast<QLineEdit*>(cells[1])->setText("1");
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
  // The radio dialog has a row without a name.
  NewTag radio(Rich(), window_.Highlighter(), window_.Captions(), &window_);
  radio.StartForm(ElementGroup::kForm, 7);
  radio.show();
  EXPECT_EQ(testing::UnnamedControls(radio), std::vector<std::string>{});
}

}  // namespace
}  // namespace quillory
