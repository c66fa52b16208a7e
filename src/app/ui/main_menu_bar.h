#pragma once

#include <functional>
#include <map>
#include <vector>

#include "app/ui/menu_actions.h"
#include "base/settings.h"

class QAction;
class QMainWindow;
class QMenu;

namespace quillory {

class SnapshotHistory;

// What the menu bar sees of the main window.
struct MainMenuBarHost {
  QMainWindow* window;  // owns the bar; commands run in its context
  const Settings& settings;
  // Runs a command row's handler on the main window.
  std::function<void(Command)> run;
  std::function<void(int entry)> open_recent;
  std::function<void(int browser)> open_in_browser;
  // The active document's history; null for none.
  std::function<const SnapshotHistory*()> active_history;
  std::function<bool()> tool_running;
};

// The main window's menus, built from the command table, with the recent
// files and the external browsers the settings list. Keeps each command's
// enabled state in step; runs no command itself.
class MainMenuBar {
 public:
  explicit MainMenuBar(MainMenuBarHost host);

  void RebuildRecentMenu();
  // `ParseExt`: one entry per browser the settings name.
  void ListBrowsers();
  // After the settings window changed the settings: the browsers and the
  // commands that depend on the settings follow them.
  void FollowSettings();
  // Runs after every command and every edit, so Undo and Redo follow the
  // history.
  void UpdateCommandStates();
  // The recent files cannot be opened while a tool holds the documents.
  void HoldRecent(bool held);
  // `PlugIns`, whose entries the plug-ins fill.
  QMenu& PlugInsMenu() const { return *menus_.at(MenuId::kPlugIns); }

 private:
  void BuildMenus();
  void BuildRecentEntries(QMenu* file_menu, QAction* before);

  MainMenuBarHost host_;
  std::map<MenuId, QMenu*> menus_;
  // In the order of MainActions().
  std::vector<QAction*> actions_;
  QAction* recent_entries_[kRecentCount] = {};
  QMenu* browsers_menu_ = nullptr;
};

}  // namespace quillory
