#include "editor/ui/find_window.h"

#include <gtest/gtest.h>

#include <Qsci/qsciscintillabase.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

#include "support/window_test.h"

namespace quillory {
namespace {

// Where each search starts and what it selects is the find session table;
// these are the window's flows around it.
class FindWindowTest : public testing::WindowTest {
 protected:
  FindWindow* Window() { return window_.findChild<FindWindow*>("FindF"); }
  template <typename Widget>
  Widget* Part(const char* name) {
    return Window()->findChild<Widget*>(name);
  }
  void Fill(const char* edit, const char* text) {
    Part<QLineEdit>(edit)->setText(text);
  }
  void Click(const char* button) {
    QTest::mouseClick(Part<QPushButton>(button), Qt::LeftButton);
  }
};

// Find and replace are two panels of one window; each puts the focus in
// its find text, and each click searches on from the last find. Closed, the
// window forgets its search: the next one starts where its options say, here
// backwards from the caret.
TEST_F(FindWindowTest, CommandsShowTheirPanelsInOneWindow) {
  OpenFile("a.html", "ab ab ab ab");
  Trigger("Fnd");
  FindWindow* first = Window();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(Part<QWidget>("Frame1")->isVisible());
  EXPECT_FALSE(Part<QWidget>("Frame2")->isVisible());
  EXPECT_EQ(first->focusWidget(), Part<QLineEdit>("Text1"));
  Fill("Text1", "ab");
  Click("Command1");
  Click("Command1");  // the same search goes on
  EXPECT_EQ(Rich().SelectionStart(), 3);
  Trigger("repl");
  EXPECT_EQ(Window(), first);
  EXPECT_TRUE(Part<QWidget>("Frame2")->isVisible());
  EXPECT_FALSE(Part<QWidget>("Frame1")->isVisible());
  EXPECT_EQ(first->focusWidget(), Part<QLineEdit>("Text2"));
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Window(), nullptr);
  Trigger("Fnd");
  Rich().Select(8, 8);
  Part<QRadioButton>("Option1_2")->setChecked(true);
  Fill("Text1", "ab");
  Click("Command1");
  EXPECT_EQ(Rich().SelectionStart(), 6);
}

// Enter searches on under the case and word options and keeps the find
// text, so the next Enter searches again; not found is said in the window.
TEST_F(FindWindowTest, EnterFindsNextUnderTheOptionsAndSaysNotFound) {
  OpenFile("a.html", "Div divide div DIV");
  Trigger("Fnd");
  Fill("Text1", "div");
  Part<QCheckBox>("MatchCase")->setChecked(true);
  Part<QCheckBox>("WholeWord")->setChecked(true);
  auto* find = Part<QLineEdit>("Text1");
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(Rich().SelectionStart(), 11);
  EXPECT_EQ(Rich().SelectionEnd(), 14);
  EXPECT_EQ(Window()->focusWidget(), find);
  // The match shows in the desktop's selection colour, not a pale grey.
  const int x = static_cast<int>(
      Rich().SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, 12));
  EXPECT_EQ(Rich().viewport()->grab().toImage().pixelColor(x, 2),
            Rich().palette().color(QPalette::Active, QPalette::Highlight));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(Part<QLabel>("NotFound")->text(), "The text was not found.");
  EXPECT_EQ(fakes_.dialogs.messages, std::vector<std::string>{});
  Part<QCheckBox>("MatchCase")->setChecked(false);
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(Rich().SelectionStart(), 0);
  EXPECT_EQ(Part<QLabel>("NotFound")->text().toStdString(), "");
}

// F3 and Shift+F3 search from the editor with the last find text and
// options, also once the window is closed, going round the ends.
TEST_F(FindWindowTest, FindAgainFromTheEditorKeepsTheLastSearch) {
  OpenFile("a.html", "ab xab AB ab");
  Trigger("Fnd");
  Fill("Text1", "ab");
  Part<QCheckBox>("WholeWord")->setChecked(true);
  Click("Command1");
  Window()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // Three matches, so that back and on part ways after a wrap.
  for (const auto& [command, start] : {std::pair{"FindAgain", 7},
                                       {"FindAgain", 10},
                                       {"FindAgain", 0},
                                       {"FindBack", 10}}) {
    Trigger(command);
    EXPECT_EQ(Rich().SelectionStart(), start) << command;
  }
}

// The caret goes to the start of the line asked for, the last line for a
// number past the end; what is no line number is said and changes nothing.
TEST_F(FindWindowTest, GoToLinePutsTheCaretAtTheLineStart) {
  OpenFile("a.html", "one\r\ntwo\r\nthree");
  for (const auto& [typed, caret] :
       {std::pair{"2", 5}, {"1000000000000", 10}, {"-3", 10}, {"abc", 10}}) {
    fakes_.dialogs.typed_texts = {typed};
    Trigger("GoToLine");
    EXPECT_EQ(Rich().Caret(), caret) << typed;
  }
  EXPECT_EQ(fakes_.dialogs.messages,
            std::vector<std::string>(2, "Type a line number from 1 to 3."));
  EXPECT_EQ(Text(), "one\r\ntwo\r\nthree");
}

// An 8-bit document cannot hold "→"; searching for the "?" it would
// become must not find, nor replace, the question marks that are there.
TEST_F(FindWindowTest, TextTheDocumentCannotHoldIsNotFound) {
  OpenFile("a.html", "<?php \xE9 ?>");
  Trigger("repl");
  Fill("Text2", "→");
  Fill("Text3", "&rarr;");
  Click("Command2");
  EXPECT_EQ(Part<QLabel>("NotFound")->text(), "The text was not found.");
  Click("Command3");
  EXPECT_EQ(Text(), "<?php \xE9 ?>");
  Fill("Text2", "é");
  Click("Command3");
  EXPECT_EQ(Text(), "<?php &rarr; ?>");
}

// With every document closed the window is left with nothing to search;
// nothing it does may reach the next document or its undo levels.
TEST_F(FindWindowTest, WithNoDocumentOpenNothingIsChanged) {
  OpenFile("a.html", "a cat");
  Trigger("repl");
  Trigger("ClsW");
  Fill("Text2", "cat");
  Fill("Text3", "dog");
  Click("Command3");
  Click("Command2");
  Click("Command2");
  OpenFile("b.html", "b cat");
  Trigger("Undo");
  Trigger("Undo");
  EXPECT_EQ(Text(), "b cat");
}

}  // namespace
}  // namespace quillory
