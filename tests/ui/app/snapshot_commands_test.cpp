#include "app/ui/snapshot_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "editor/snapshot_history.h"
#include "support/window_test.h"

namespace quillory {
namespace {

using SnapshotCommandsTest = testing::WindowTest;

// Ctrl+Z and Ctrl+Y are the end-to-end run; the commands are enabled
// while there is a level to go to, for the active tab. Each tab has its
// own history, cleared when the tab closes.
TEST_F(SnapshotCommandsTest, UndoAndRedoWalkTheLevelsAndStop) {
  OpenFile("a.html", "");
  EXPECT_FALSE(Action("Undo")->isEnabled());
  Type("abc");
  for (const auto& [command, texts] :
       {std::pair{"Undo", std::vector<std::string>{"ab", "a", ""}},
        {"Redo", {"a", "ab", "abc"}}}) {
    for (const std::string& text : texts) {
      EXPECT_TRUE(Action(command)->isEnabled()) << text;
      Trigger(command);
      EXPECT_EQ(Text(), text);
    }
    EXPECT_FALSE(Action(command)->isEnabled()) << command;
  }
  EXPECT_EQ(History().position(), 2);
  Trigger("Undo");
  OpenFile("b.html", "");
  EXPECT_FALSE(Action("Redo")->isEnabled());
  Type("xyz");
  Tabs().Activate(0);
  EXPECT_TRUE(Action("Redo")->isEnabled());
  Trigger("Undo");
  EXPECT_EQ(Text(), "a");
  Tabs().Activate(1);
  EXPECT_EQ(History().position(), 3);
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

}  // namespace
}  // namespace quillory
