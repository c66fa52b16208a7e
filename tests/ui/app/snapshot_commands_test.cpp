#include "app/ui/snapshot_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include <random>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "core/editor/plain_snapshot_history.h"
#include "editor/snapshot_history.h"
#include "editor/ui/editor.h"
#include "support/editing_window.h"

namespace quillory {
namespace {

constexpr int kTag = 2;

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "<p>line " + std::to_string(i) + "</p>\r\n";
  }
  return text;
}

class SnapshotCommandsTest : public testing::EditingWindowTest {
 protected:
  void Undo() { window_.Action("Undo")->trigger(); }
  void Redo() { window_.Action("Redo")->trigger(); }
  int Position() {
    return window_.Tabs().History(window_.Tabs().ActiveSlot()).position();
  }
  std::string Styles() { return Rich().StylesInRange(0, Rich().Length()); }
};

TEST_F(SnapshotCommandsTest, UndoWalksBackThroughTheLevelsAndStopsAtZero) {
  OpenFile("a.html", "");
  Type("abc");
  Undo();
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(Position(), 2);
  Undo();
  EXPECT_EQ(Text(), "ab");
  Undo();
  EXPECT_EQ(Text(), "a");
  EXPECT_EQ(Position(), 0);
  Undo();
  EXPECT_EQ(Text(), "a");
  EXPECT_EQ(Position(), 0);
}

TEST_F(SnapshotCommandsTest, RedoComesBackUpAndStopsAtTheNewestLevel) {
  OpenFile("a.html", "");
  Type("abc");
  for (int i = 0; i < 3; ++i) Undo();
  Redo();
  EXPECT_EQ(Text(), "ab");
  Redo();
  EXPECT_EQ(Text(), "abc");
  Redo();
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(Position(), 2);
}

TEST_F(SnapshotCommandsTest, ShortcutsReachTheCommandsFromTheEditor) {
  OpenFile("a.html", "");
  Type("ab");
  QTest::keyClick(&Rich(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&Rich(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), "a");
  QTest::keyClick(&Rich(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Text(), "ab");
}

TEST_F(SnapshotCommandsTest, AfterTwentyFiveChangesOnlyTheLastTwentyOneRemain) {
  OpenFile("a.html", "");
  Type(std::string(25, 'x'));
  for (int i = 0; i < 30; ++i) Undo();
  EXPECT_EQ(Text(), std::string(5, 'x'));
}

TEST_F(SnapshotCommandsTest, UndoBringsBackTheColoursOfTheLevel) {
  OpenFile("a.html", "");
  Type("<p>");
  const std::string coloured = Styles();
  ASSERT_EQ(Rich().StyleAt(0), kTag);
  Rich().Select(0, Rich().Length());
  Type("z");
  Undo();
  Undo();
  EXPECT_EQ(Text(), "<p>");
  EXPECT_EQ(Styles(), coloured);
}

TEST_F(SnapshotCommandsTest, UndoKeepsTheCaretAndTheScrollPosition) {
  OpenFile("a.html", NumberedLines(400));
  Rich().Select(6000, 6000);
  Rich().ScrollLines(250 - Rich().FirstVisibleLine());
  Type("ab");
  const int first_visible = Rich().FirstVisibleLine();
  Undo();
  Undo();
  EXPECT_EQ(Rich().Caret(), 6002);
  EXPECT_EQ(Rich().FirstVisibleLine(), first_visible);
}

TEST_F(SnapshotCommandsTest, ANewChangeAfterUndoKeepsTheLevelsAboveForRedo) {
  OpenFile("a.html", "");
  Type("abcd");  // levels a, ab, abc, abcd
  Undo();
  Undo();
  Undo();     // position 1, showing "ab"
  Type("X");  // level 1 becomes abX, position 2
  Redo();
  EXPECT_EQ(Text(), "abcd");
}

TEST_F(SnapshotCommandsTest, EachTabHasItsOwnHistory) {
  OpenFile("a.html", "");
  Type("ab");
  OpenFile("b.html", "");
  Type("xyz");
  window_.Tabs().Activate(0);
  Undo();
  Undo();
  EXPECT_EQ(Text(), "a");
  window_.Tabs().Activate(1);
  EXPECT_EQ(Position(), 3);
}

TEST_F(SnapshotCommandsTest, ClosingASlotClearsItsHistory) {
  OpenFile("a.html", "");
  Type("ab");
  window_.Files().Close();
  const int slot = window_.NewTab("b.html");
  ASSERT_EQ(slot, 1);
  for (int i = 0; i < 9; ++i) window_.NewTab("c.html");
  window_.Tabs().Activate(0);
  EXPECT_EQ(window_.Tabs().History(0).position(), 0);
  EXPECT_FALSE(window_.Tabs().History(0).LevelFilled(0));
}

// Real edits through the control, undos and redos mixed in, against a
// history that keeps whole copies of text and styles.
TEST_F(SnapshotCommandsTest, RandomEditingMatchesFullCopies) {
  OpenFile("a.php", "<p>a</p>\r\n<?php echo 'x'; ?>\r\n");
  std::mt19937 random(5);
  const std::vector<std::string> pieces = {"<",   "b>", "'",  "\r\n", "<?php ",
                                           " ?>", "x",  "\"", ""};
  PlainSnapshotHistory plain;
  for (int step = 0; step < 400; ++step) {
    const StyledText before{Text(), Styles()};
    const int choice = static_cast<int>(random() % 10);
    std::optional<StyledText> expected;
    if (choice < 6) {
      const int length = Rich().Length();
      const int from = static_cast<int>(random() % (length + 1));
      const int to = std::min(length, from + static_cast<int>(random() % 4));
      const std::string& piece = pieces[random() % pieces.size()];
      if (from == to && piece.empty()) continue;  // no change, no snapshot
      Rich().Select(from, to);
      Rich().ReplaceSelection(piece);
      plain.Record({Text(), Styles()});
      continue;
    }
    if (choice < 8) {
      expected = plain.Undo();
      Undo();
    } else {
      expected = plain.Redo();
      Redo();
    }
    ASSERT_EQ(Position(), plain.position()) << "step " << step;
    const StyledText now{Text(), Styles()};
    ASSERT_EQ(now, expected.value_or(before)) << "step " << step;
  }
}

}  // namespace
}  // namespace quillory
