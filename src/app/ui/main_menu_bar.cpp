#include "app/ui/main_menu_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/recent_files.h"
#include "app/ui/menu_keys.h"

namespace quillory {

MainMenuBar::MainMenuBar(MainMenuBarHost host) : host_(std::move(host)) {
  BuildMenus();
}

void MainMenuBar::BuildMenus() {
  QMainWindow* window = host_.window;
  for (const MenuSpec& row : MainMenus()) {
    QMenu* menu = row.parent == row.id
                      ? window->menuBar()->addMenu(row.caption)
                      : menus_.at(row.parent)->addMenu(row.caption);
    menu->setObjectName(row.object_name);
    menus_[row.id] = menu;
  }
  QAction* quit = nullptr;
  for (const ActionSpec& row : MainActions()) {
    QMenu* menu = menus_.at(row.menu);
    if (row.separator_before) menu->addSeparator();
    QAction* action = menu->addAction(row.caption);
    action->setObjectName(row.object_name);
    action->setShortcut(QKeySequence(row.shortcut));
    action->setCheckable(row.checkable);
    if (row.handler) {
      QObject::connect(action, &QAction::triggered, window,
                       [this, handler = row.handler] { host_.run(handler); });
    }
    actions_.push_back(action);
    if (std::string_view(row.object_name) == "Quit") quit = action;
  }
  BuildRecentEntries(menus_.at(MenuId::kFile), quit);

  // Design-time entries that later copies are made from; hidden until used.
  browsers_menu_ = menus_.at(MenuId::kBrowsers);
  QAction* first_browser = browsers_menu_->addAction("");
  first_browser->setObjectName("ext_0");
  QObject::connect(first_browser, &QAction::triggered, window,
                   [this] { host_.open_in_browser(0); });
  menus_.at(MenuId::kPlugIns)->addAction("")->setObjectName("mplug_0");
  for (QMenu* menu : {browsers_menu_, menus_.at(MenuId::kPlugIns)}) {
    menu->actions().front()->setVisible(false);
  }
  AddMenuKeys(*window);
  UpdateCommandStates();
}

void MainMenuBar::BuildRecentEntries(QMenu* file_menu, QAction* before) {
  for (int k = 0; k < kRecentCount; ++k) {
    auto* entry = new QAction(file_menu);
    entry->setObjectName(QString("Recent_%1").arg(k));
    entry->setVisible(false);
    QObject::connect(entry, &QAction::triggered, host_.window,
                     [this, k] { host_.open_recent(k); });
    file_menu->insertAction(before, entry);
    recent_entries_[k] = entry;
  }
  file_menu->insertSeparator(before);
}

void MainMenuBar::RebuildRecentMenu() {
  const std::vector<std::string> captions = RecentMenuCaptions(host_.settings);
  for (int k = 0; k < kRecentCount; ++k) {
    const bool shown = k < static_cast<int>(captions.size());
    recent_entries_[k]->setText(shown ? QString::fromStdString(captions[k])
                                      : QString());
    recent_entries_[k]->setVisible(shown);
  }
}

void MainMenuBar::ListBrowsers() {
  QList<QAction*> entries = browsers_menu_->actions();
  for (int i = 1; i < entries.size(); ++i) delete entries[i];
  const auto& browsers = host_.settings.external_browsers;
  for (size_t i = 1; i < browsers.size(); ++i) {
    QAction* entry = browsers_menu_->actions().front();
    if (i > 1) {
      entry = browsers_menu_->addAction("");
      QObject::connect(entry, &QAction::triggered, host_.window, [this, i] {
        host_.open_in_browser(static_cast<int>(i) - 1);
      });
    }
    entry->setObjectName(QString("ext_%1").arg(i - 1));
    entry->setText(QString::fromStdString(browsers[i][0]));
    entry->setVisible(!browsers[i][0].empty());
  }
}

void MainMenuBar::FollowSettings() {
  ListBrowsers();
  UpdateCommandStates();
}

// No command can be chosen while a tool runs; plug-ins need a document.
void MainMenuBar::UpdateCommandStates() {
  const CommandState state{host_.active_history(), host_.settings};
  const bool idle = !host_.tool_running();
  PlugInsMenu().menuAction()->setEnabled(idle && state.history != nullptr);
  const std::span<const ActionSpec> specs = MainActions();
  for (size_t i = 0; i < specs.size(); ++i) {
    actions_[i]->setEnabled(idle && IsAvailable(specs[i].availability, state));
  }
  menus_.at(MenuId::kHtmlTidy)->menuAction()->setEnabled(host_.settings.tidy);
  menus_.at(MenuId::kPhp)
      ->menuAction()
      ->setEnabled(!host_.settings.php.empty());
}

void MainMenuBar::HoldRecent(bool held) {
  for (QAction* entry : recent_entries_) entry->setEnabled(!held);
}

}  // namespace quillory
