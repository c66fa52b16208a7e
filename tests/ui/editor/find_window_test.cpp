#include "editor/ui/find_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/ui/document_tabs.h"
#include "support/window_test.h"

namespace quillory {
namespace {

constexpr int kPlain = 0;
constexpr int kTag = 2;

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
  void Choose(int option) {
    Part<QRadioButton>(("Option1_" + std::to_string(option)).c_str())
        ->setChecked(true);
  }
  std::string Selected() { return Rich().SelectedBytes(); }
};

// Find and replace are two panels of one window; each puts the focus in
// its find text.
TEST_F(FindWindowTest, CommandsShowTheirPanelsInOneWindow) {
  OpenFile("a.html", "x");
  Trigger("Fnd");
  FindWindow* first = Window();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(Part<QWidget>("Frame1")->isVisible());
  EXPECT_FALSE(Part<QWidget>("Frame2")->isVisible());
  EXPECT_EQ(first->focusWidget(), Part<QLineEdit>("Text1"));
  Trigger("repl");
  EXPECT_EQ(Window(), first);
  EXPECT_TRUE(Part<QWidget>("Frame2")->isVisible());
  EXPECT_FALSE(Part<QWidget>("Frame1")->isVisible());
  EXPECT_EQ(first->focusWidget(), Part<QLineEdit>("Text2"));
  EXPECT_EQ(first->windowTitle(), "Find and replace");
  EXPECT_TRUE(Part<QRadioButton>("Option1_0")->isChecked());
}

// Past the last occurrence it says so, then starts again from the top.
TEST_F(FindWindowTest, FindsIgnoringCaseThenSaysNotFoundThenWraps) {
  OpenFile("a.html", "<div>a</DIV>");
  Trigger("Fnd");
  Fill("Text1", "DIV");
  Click("Command1");
  EXPECT_EQ(Selected(), "div");
  Click("Command1");
  EXPECT_EQ(Selected(), "DIV");
  EXPECT_EQ(Rich().SelectionStart(), 8);
  EXPECT_TRUE(fakes_.dialogs.messages.empty());
  Click("Command1");
  ASSERT_EQ(fakes_.dialogs.messages.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.messages[0], "The text was not found.");
  Click("Command1");
  EXPECT_EQ(Rich().SelectionStart(), 1);
  EXPECT_EQ(Selected(), "div");
}

// Backwards finds the one before the caret; replace all from the caret
// leaves the text before it.
TEST_F(FindWindowTest, OptionsChooseWhereTheSearchStarts) {
  OpenFile("a.html", "ab ab ab ab");
  Rich().Select(5, 5);
  Trigger("Fnd");
  Choose(2);
  Fill("Text1", "ab");
  Click("Command1");
  EXPECT_EQ(Rich().SelectionStart(), 3);
  Rich().Select(5, 5);
  Trigger("repl");
  Choose(1);
  Fill("Text2", "AB");
  Fill("Text3", "abab");
  Click("Command3");
  EXPECT_EQ(Text(), "ab ab abab abab");
}

TEST_F(FindWindowTest, ReplaceAllColoursTheWholeText) {
  OpenFile("a.html", "[p] x\r\n[b] y\r\n");
  Trigger("repl");
  Fill("Text2", "[");
  Fill("Text3", "<");
  Click("Command3");
  Fill("Text2", "]");
  Fill("Text3", ">");
  Click("Command3");
  EXPECT_EQ(Text(), "<p> x\r\n<b> y\r\n");
  EXPECT_EQ(Rich().StyleAt(0), kTag);
  EXPECT_EQ(Rich().StyleAt(7), kTag);
  EXPECT_EQ(Rich().StyleAt(4), kPlain);
}

TEST_F(FindWindowTest, ReplaceAllUndoesOneReplacementAtATime) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "a.";
  OpenFile("a.html", text);
  Trigger("repl");
  Fill("Text2", "a");
  Fill("Text3", "bb");
  Click("Command3");
  std::string all;
  for (int i = 0; i < 30; ++i) all += "bb.";
  EXPECT_EQ(Text(), all);
  Trigger("Undo");
  // Level 19 is the text with the last replacement not yet made.
  EXPECT_EQ(Text(), all.substr(0, all.size() - 3) + "a.");
  const int slot = window_.Tabs().ActiveSlot();
  EXPECT_EQ(window_.Tabs().History(slot).position(), 19);
}

// An 8-bit document cannot hold "→"; searching for the "?" it would
// become must not find, nor replace, the question marks that are there.
TEST_F(FindWindowTest, TextTheDocumentCannotHoldIsNotFound) {
  OpenFile("a.html", "<?php \xE9 ?>");
  Trigger("repl");
  Fill("Text2", "→");
  Fill("Text3", "&rarr;");
  Click("Command2");
  EXPECT_EQ(fakes_.dialogs.messages.size(), 1u);
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

TEST_F(FindWindowTest, ClosingTheWindowStartsTheNextSearchAfresh) {
  OpenFile("a.html", "ab ab");
  Trigger("Fnd");
  Fill("Text1", "ab");
  Click("Command1");
  Window()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Window(), nullptr);
  Trigger("Fnd");
  EXPECT_FALSE(Window()->Session().started());
}

}  // namespace
}  // namespace quillory
