#include "app/ui/snapshot_commands.h"

#include <gtest/gtest.h>

#include <random>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "core/editor/plain_snapshot_history.h"
#include "editor/snapshot_history.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class SnapshotCommandsTest : public testing::WindowTest {
 protected:
  int Position() { return History().position(); }
  std::string Styles() { return Rich().StylesInRange(0, Rich().Length()); }
};

// Ctrl+Z and Ctrl+Y are the end-to-end run; the commands are enabled
// while there is a level to go to, for the active tab. Each tab has its
// own history, cleared when the tab closes.
TEST_F(SnapshotCommandsTest, UndoAndRedoWalkTheLevelsAndStop) {
  OpenFile("a.html", "");
  EXPECT_FALSE(Action("Undo")->isEnabled());
  Type("abc");
  for (const char* text : {"ab", "a", ""}) {
    EXPECT_TRUE(Action("Undo")->isEnabled());
    Trigger("Undo");
    EXPECT_EQ(Text(), text);
  }
  EXPECT_FALSE(Action("Undo")->isEnabled());
  for (const char* text : {"a", "ab", "abc"}) {
    EXPECT_TRUE(Action("Redo")->isEnabled());
    Trigger("Redo");
    EXPECT_EQ(Text(), text);
  }
  EXPECT_FALSE(Action("Redo")->isEnabled());
  EXPECT_EQ(Position(), 2);
  Trigger("Undo");
  OpenFile("b.html", "");
  EXPECT_FALSE(Action("Redo")->isEnabled());
  Type("xyz");
  Tabs().Activate(0);
  EXPECT_TRUE(Action("Redo")->isEnabled());
  Trigger("Undo");
  EXPECT_EQ(Text(), "a");
  Tabs().Activate(1);
  EXPECT_EQ(Position(), 3);
  Tabs().Activate(0);
  Files().Close();
  EXPECT_FALSE(Tabs().History(0).LevelFilled(0));
  EXPECT_EQ(Tabs().History(0).position(), 0);
}

// The right-click menu's entries go through the same history as the keys.
TEST_F(SnapshotCommandsTest, ContextMenuCutsAndUndoes) {
  OpenFile("a.html", "xabcy");
  Rich().Select(1, 4);
  auto choose = [this](const QString& entry) {
    QTimer::singleShot(0, [entry] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions()) {
        if (action->text() == entry) action->trigger();
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, {5, 5});
    QApplication::sendEvent(Rich().viewport(), &event);
  };
  choose("Cu&t");
  EXPECT_EQ(Text(), "xy");
  choose(Action("Undo")->text());
  EXPECT_EQ(Text(), "xabcy");
}

TEST_F(SnapshotCommandsTest, UndoKeepsTheCaretAndTheScrollPosition) {
  OpenFile("a.html", NumberedLines(400));
  Rich().Select(6000, 6000);
  Rich().ScrollLines(250 - Rich().FirstVisibleLine());
  Type("ab");
  const int first_visible = Rich().FirstVisibleLine();
  Trigger("Undo");
  Trigger("Undo");
  EXPECT_EQ(Rich().Caret(), 6002);
  EXPECT_EQ(Rich().FirstVisibleLine(), first_visible);
}

// Real edits through the control, undos and redos mixed in, against a
// history that keeps whole copies of text and styles.
TEST_F(SnapshotCommandsTest, RandomEditingMatchesFullCopies) {
  OpenFile("a.php", "<p>a</p>\r\n<?php echo 'x'; ?>\r\n");
  std::mt19937 random(5);
  const std::string pieces[] = {"<",   "b>", "'",  "\r\n", "<?php ",
                                " ?>", "x",  "\"", ""};
  PlainSnapshotHistory plain({Text(), Styles()});
  for (int step = 0; step < 400; ++step) {
    const StyledText before{Text(), Styles()};
    const unsigned choice = random() % 10;
    if (choice < 6) {
      const int from = static_cast<int>(random() % (Rich().Length() + 1));
      const int to = from + static_cast<int>(random() % 4);
      Rich().Select(from, std::min(Rich().Length(), to));
      const std::string& piece = pieces[random() % std::size(pieces)];
      if (Rich().SelectedBytes().empty() && piece.empty()) continue;
      Rich().ReplaceSelection(piece);
      plain.Changed();
      plain.Record({Text(), Styles()});
      continue;
    }
    const std::optional<StyledText> expected =
        choice < 8 ? plain.Undo() : plain.Redo();
    Trigger(choice < 8 ? "Undo" : "Redo");
    ASSERT_EQ(Position(), plain.position()) << "step " << step;
    ASSERT_EQ((StyledText{Text(), Styles()}), expected.value_or(before))
        << "step " << step;
  }
}

}  // namespace
}  // namespace quillory
