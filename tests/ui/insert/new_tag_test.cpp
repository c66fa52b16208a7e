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

TEST_F(NewTagTest, OkReplacesTheSelection) {
  Rich().SetBytes("old");
  Rich().Select(0, 3);
  dialog_.StartForm(ElementGroup::kTableOrLink, 1);
  qobject_cast<QLineEdit*>(ValueCells(dialog_)[2])->setText("Home");
  PressOk(dialog_);
  EXPECT_EQ(Rich().Bytes(), "<a>Home</a>");
}

TEST_F(NewTagTest, FormRowsShowNamesListsAndLockedCells) {
  dialog_.StartForm(ElementGroup::kForm, 6);
  EXPECT_EQ(dialog_.windowTitle(), "Insert form element");
  const QList<QWidget*> cells = ValueCells(dialog_);
  ASSERT_EQ(cells.size(), 5);
  EXPECT_EQ(qobject_cast<QLineEdit*>(cells[0])->text(), "Input");
  EXPECT_TRUE(qobject_cast<QLineEdit*>(cells[2])->isReadOnly());
  EXPECT_EQ(qobject_cast<QLineEdit*>(cells[2])->text(), "file");
  EXPECT_EQ(dialog_.findChildren<QLabel*>("PropName").size(), 5);
}

TEST_F(NewTagTest, CheckBoxListGivesTheBareWord) {
  dialog_.StartForm(ElementGroup::kForm, 8);
  const QList<QWidget*> cells = ValueCells(dialog_);
  qobject_cast<QLineEdit*>(cells[1])->setText("c");
  qobject_cast<QLineEdit*>(cells[3])->setText("1");
  auto* list = qobject_cast<QComboBox*>(cells[4]);
  EXPECT_EQ(list->currentIndex(), 0);
  list->setCurrentIndex(1);
  PressOk(dialog_);
  EXPECT_EQ(Rich().Bytes(),
            "<Input Name=\"c\" Type=\"checkbox\" Value=\"1\" checked>");
}

TEST_F(NewTagTest, TemplateRowsAndOptionalParameter) {
  dialog_.StartFromTree("f", "f([[[E/x]]][[[EO,/y]]])");
  EXPECT_EQ(dialog_.windowTitle(), "f");
  EXPECT_FALSE(dialog_.Hhm());
  const QList<QLabel*> names = dialog_.findChildren<QLabel*>("PropName");
  ASSERT_EQ(names.size(), 2);
  EXPECT_EQ(names[1]->text(), "y - Optional");
  qobject_cast<QLineEdit*>(ValueCells(dialog_)[0])->setText("1");
  PressOk(dialog_);
  EXPECT_TRUE(dialog_.Hhm());
  EXPECT_EQ(Rich().Bytes(), "f(1)");
}

TEST_F(NewTagTest, ClosingWithoutOkInsertsNothing) {
  dialog_.StartForm(ElementGroup::kForm, 0);
  dialog_.reject();
  EXPECT_EQ(Rich().Bytes(), "");
}

TEST_F(NewTagTest, NamedAfterItsElementWithNamedFieldsFocusOnTheFirstToFill) {
  dialog_.StartForm(ElementGroup::kImage, 0);
  EXPECT_EQ(dialog_.windowTitle(), "Img");
  dialog_.show();
  EXPECT_EQ(dialog_.focusWidget(), ValueCells(dialog_)[1]);  // "Src"
  QWidget* after_last = ValueCells(dialog_).back()->nextInFocusChain();
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
