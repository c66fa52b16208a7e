#include "app/ui/editor_key_handler.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <tuple>

#include "app/ui/document_tabs.h"
#include "editor/ui/completion_popup.h"
#include "support/window_test.h"

namespace quillory {
namespace {

constexpr int kTag = 2;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

using EditorKeyHandlerTest = testing::WindowTest;

// Each row of the key table that edits, pressed as a real key on a
// selection from `from` to `to`.
TEST_F(EditorKeyHandlerTest, KeysThatEditReplaceOrWrapTheSelection) {
  // The text, the selection, the key, the text it becomes and the caret
  // after it (-1: not checked).
  using Row = std::tuple<std::string, int, int, Qt::Key, Qt::KeyboardModifiers,
                         std::string, int>;
  const Row rows[] = {
      {"ab", 1, 1, Qt::Key_Return, kShift, "a<P></P>b", 8},
      {"a-b", 1, 2, Qt::Key_Return, kCtrl, "a<BR>b", -1},
      {"a-b", 1, 2, Qt::Key_Space, kCtrl, "a&nbsp;b", -1},
      {"", 0, 0, Qt::Key_6, kCtrl, "<H6></H6>", -1},
      {"a title b", 2, 7, Qt::Key_2, kCtrl, "a <H2>title</H2> b", -1},
      {"word", 0, 4, Qt::Key_B, kCtrl, "<B>word</B>", -1},
      // Enter copies the indent, spaces before tabs.
      {"\t \tabc", 6, 6, Qt::Key_Return, {}, "\t \tabc\r\n \t\t", 11},
      {"abcd", 1, 3, Qt::Key_Tab, {}, "abc\td", -1},
      {"abcd", 0, 1, Qt::Key_Backtab, kShift, "a\tbcd", -1},
  };
  OpenFile("a.html", "");
  for (const auto& [text, from, to, key, modifiers, expected, caret] : rows) {
    SCOPED_TRACE(expected);
    Rich().SetBytes(text);
    Rich().Select(from, to);
    Key(key, modifiers);
    EXPECT_EQ(Text(), expected);
    if (caret >= 0) EXPECT_EQ(Rich().Caret(), caret);
  }
  // Keys the table passes on reach the control.
  Rich().SetBytes("ab\r\n");
  Rich().Select(4, 4);
  Type("c d");
  for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Backspace, Qt::Key_V,
                            Qt::Key_2, Qt::Key_Up, Qt::Key_End, Qt::Key_Up}) {
    Key(key, key == Qt::Key_End ? kCtrl : Qt::NoModifier);
  }
  Type("!");
  EXPECT_EQ(Text(), "ab!\r\ncv2d");
}

// Combinations outside the key table and the ordinary editing keys leave
// the text and the zoom alone; Alt+F is the File menu's mnemonic.
TEST_F(EditorKeyHandlerTest, StrayCombinationsChangeNothing) {
  OpenFile("a.html", "one\r\ntwo");
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_L, kCtrl},
      {Qt::Key_1, Qt::AltModifier},
      {Qt::Key_A, Qt::MetaModifier},
      {Qt::Key_Plus, kCtrl},
      {Qt::Key_Minus, kCtrl},
      {Qt::Key_Plus, kCtrl | Qt::KeypadModifier},
      {Qt::Key_T, kCtrl},
      {Qt::Key_Backspace, Qt::AltModifier},
  };
  for (const auto& [key, modifiers] : keys) {
    Rich().Select(5, 5);
    Key(key, modifiers);
    EXPECT_EQ(Text(), "one\r\ntwo")
        << QKeySequence(key | modifiers).toString().toStdString();
  }
  EXPECT_EQ(Rich().SendScintilla(QsciScintillaBase::SCI_GETZOOM), 0);
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_F, Qt::AltModifier}, {Qt::Key_F10, Qt::NoModifier}}) {
    Key(key, modifiers);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "Menu1");
    menu->close();
  }
  Rich().Select(8, 8);
  Key(Qt::Key_Backspace, kCtrl);
  EXPECT_EQ(Text(), "one\r\n");
  Key(Qt::Key_A, kCtrl);
  Key(Qt::Key_X, kCtrl);
  EXPECT_EQ(Text(), "");
}

TEST_F(EditorKeyHandlerTest, CtrlTabAndCtrlPageKeysGoToPresentTabsAndWrap) {
  for (const char* name : {"a.html", "b.html", "c.html", "d.html"}) {
    OpenFile(name, name);
  }
  Tabs().FreeSlot(1);
  Tabs().Activate(0);
  // Each key pressed with Ctrl (Backtab with Ctrl+Shift), and the slot it
  // leads to.
  const std::pair<Qt::Key, int> steps[] = {
      {Qt::Key_Backtab, 3},  {Qt::Key_Tab, 0},    {Qt::Key_Tab, 2},
      {Qt::Key_PageDown, 3}, {Qt::Key_PageUp, 2}, {Qt::Key_PageUp, 0}};
  for (const auto& [key, slot] : steps) {
    Key(key, key == Qt::Key_Backtab ? kCtrl | kShift : kCtrl);
    EXPECT_EQ(Tabs().ActiveSlot(), slot)
        << QKeySequence(key).toString().toStdString();
    if (slot == 2) EXPECT_EQ(Text(), "c.html");
  }
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
  EXPECT_EQ(Tabs().History(0).position(), 1);
}

// Keys and clicks, and as well what changes the text or the caret without
// them (a command, Find, a tab switch); empty once no document is open.
TEST_F(EditorKeyHandlerTest, StatusLineFollowsEveryChange) {
  OpenFile("a.html", "ab\r\ncdef\r\n");
  Rich().Select(6, 6);
  Key(Qt::Key_Right);
  EXPECT_EQ(Status(), "Line: 2  Column: 3");
  Rich().Select(4, 6);
  Key(Qt::Key_Shift);
  EXPECT_EQ(Status(), "Line: 2  Column: 0  Selected: 2 characters");
  Rich().SetBytes("abc");
  Rich().Select(0, 0);
  QTest::mouseClick(Rich().viewport(), Qt::LeftButton);
  EXPECT_TRUE(Status().startsWith("Line: 1  Column: "));

  const auto shows = [this](const char* status) {
    return QTest::qWaitFor([&] { return Status() == status; });
  };
  Rich().ReplaceRange(0, 0, "x\r\n");
  EXPECT_TRUE(shows("Line: 2  Column: 0"));
  Rich().Select(3, 4);
  EXPECT_TRUE(shows("Line: 2  Column: 0  Selected: 1 characters"));
  OpenFile("b.html", "b");
  Tabs().Activate(0);
  EXPECT_EQ(Status(), "Line: 2  Column: 0  Selected: 1 characters");
  Trigger("CloseAllWnd");
  EXPECT_TRUE(shows(""));
}

}  // namespace
}  // namespace quillory
