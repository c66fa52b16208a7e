#include "editor/ui/find_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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

// Replace all from the caret leaves the text before it, colours the whole
// text, and undoes one replacement at a time.
TEST_F(FindWindowTest, ReplaceAllColoursAndUndoesOneReplacementAtATime) {
  std::string text = "[p] ";
  for (int i = 0; i < 30; ++i) text += "[b]";
  OpenFile("a.html", text);
  Rich().Select(2, 2);
  Trigger("repl");
  Part<QRadioButton>("Option1_1")->setChecked(true);
  Fill("Text2", "[");
  Fill("Text3", "<");
  Click("Command3");
  Fill("Text2", "]");
  Fill("Text3", ">");
  Click("Command3");
  std::string all = "[p> ";
  for (int i = 0; i < 30; ++i) all += "<b>";
  EXPECT_EQ(Text(), all);
  EXPECT_EQ(Rich().StyleAt(4), 2);  // a tag
  EXPECT_EQ(Rich().StyleAt(0), 0);
  Trigger("Undo");
  // Level 19 is the text with the last replacement not yet made.
  EXPECT_EQ(Text(), all.substr(0, all.size() - 1) + "]");
  EXPECT_EQ(History().position(), 19);
}

// An 8-bit document cannot hold "→"; searching for the "?" it would
// become must not find, nor replace, the question marks that are there.
TEST_F(FindWindowTest, TextTheDocumentCannotHoldIsNotFound) {
  OpenFile("a.html", "<?php \xE9 ?>");
  Trigger("repl");
  Fill("Text2", "→");
  Fill("Text3", "&rarr;");
  Click("Command2");
  EXPECT_EQ(fakes_.dialogs.messages,
            std::vector<std::string>{"The text was not found."});
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
