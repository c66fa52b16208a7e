#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_actions.h"
#include "insert/ui/panel_tool_button.h"
#include "support/window_test.h"
#include "tools/ui/tool_commands.h"

namespace quillory {
namespace {

// Every window the menus and the tag panel open, in every shipped language,
// as a screen reader and a reader of the screen meet it.
class EveryWindowTest : public testing::WindowTest,
                        public ::testing::WithParamInterface<const char*> {
 protected:
  EveryWindowTest() {
    ChooseLanguage(GetParam());
    OpenFile("a.html", "<p>x</p>");
  }

  // Looks at every window `open` brings up, then closes them all; a window
  // that runs its own loop is looked at from inside it.
  void Visit(const std::string& how, const std::function<void()>& open) {
    bool visited = false;
    const auto visit = [&] {
      if (std::exchange(visited, true)) return;
      // A tool's output window shows once the tool has run.
      QTRY_VERIFY_WITH_TIMEOUT(!Tools().Running(), 20000);
      for (QWidget* top : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = top->windowType();
        if (top == &window_ || !top->isVisible() ||
            (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool)) {
          continue;
        }
        Check(how + " " + top->objectName().toStdString(), *top);
        top->close();
      }
    };
    // Gone with this call, so a visit never comes after it.
    QObject inside;
    QTimer::singleShot(0, &inside, visit);
    open();
    visit();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (Tabs().ActiveSlot() < 0) OpenFile("a.html", "<p>x</p>");
  }

  void Check(const std::string& where, QWidget& window) {
    for (const std::string& control : testing::UnnamedControls(window)) {
      unnamed_.push_back(where + ": " + control);
    }
    for (const std::string& caption : testing::CutCaptions(window)) {
      cut_.push_back(where + ": " + caption);
    }
  }

  std::vector<std::string> unnamed_;
  std::vector<std::string> cut_;
};

// Every command of the menu table and every tag-panel button: nothing a
// user reaches is unnamed, and no label shows less than its text.
TEST_P(EveryWindowTest, ControlsAreNamedAndLabelsWhole) {
  Check("main window", window_);
  for (const ActionSpec& row : MainActions()) {
    QAction* command = Action(row.object_name);
    if (std::string(row.object_name) == "Quit" || !command->isEnabled()) {
      continue;
    }
    Visit(row.object_name, [command] { command->trigger(); });
    Check("main window after " + std::string(row.object_name), window_);
  }
  for (PanelToolButton* button : window_.findChildren<PanelToolButton*>()) {
    Visit(button->objectName().toStdString(), [button] { button->click(); });
  }
  EXPECT_EQ(unnamed_, std::vector<std::string>{});
  EXPECT_EQ(cut_, std::vector<std::string>{});
}

// Alt and one letter choose an entry: no two entries of a menu share it.
TEST_P(EveryWindowTest, MnemonicsAreUniqueInEveryMenu) {
  for (QMenu* menu : window_.menuBar()->findChildren<QMenu*>()) {
    emit menu->aboutToShow();
    std::map<QChar, std::vector<std::string>> by_letter;
    for (const QAction* entry : menu->actions()) {
      const QString text = entry->text();
      const qsizetype mark = text.indexOf(QRegularExpression("&[^&]"));
      if (entry->isVisible() && mark >= 0) {
        by_letter[text[mark + 1].toLower()].push_back(text.toStdString());
      }
    }
    for (const auto& [letter, entries] : by_letter) {
      EXPECT_EQ(entries.size(), 1u) << menu->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, EveryWindowTest,
                         ::testing::Values("english", "russian"));

}  // namespace
}  // namespace quillory
