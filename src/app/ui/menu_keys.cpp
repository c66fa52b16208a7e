#include "app/ui/menu_keys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <string>
#include <vector>

#include "app/menu_mnemonics.h"

namespace quillory {
namespace {

constexpr char kPlainCaption[] = "quillory_plain_caption";
constexpr char kMarkedCaption[] = "quillory_marked_caption";

// NOTE: captions are set plain wherever they change (language, recent
// files, browsers); a text other than the one last marked is such a new
// caption.
QString PlainCaption(const QAction& action) {
  if (action.text() == action.property(kMarkedCaption).toString()) {
    return action.property(kPlainCaption).toString();
  }
  return action.text();
}

void MarkMnemonics(const QList<QAction*>& actions) {
  std::vector<QAction*> entries;
  std::vector<std::string> plain;
  for (QAction* action : actions) {
    if (action->isSeparator() || !action->isVisible()) continue;
    entries.push_back(action);
    plain.push_back(PlainCaption(*action).toStdString());
  }
  const std::vector<std::string> marked = WithMnemonics(plain);
  for (size_t i = 0; i < entries.size(); ++i) {
    const QString shown = QString::fromStdString(marked[i]);
    entries[i]->setProperty(kPlainCaption, QString::fromStdString(plain[i]));
    entries[i]->setProperty(kMarkedCaption, shown);
    entries[i]->setText(shown);
  }
}

}  // namespace

void AddMenuKeys(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
  QObject::connect(f10, &QShortcut::activated, bar, [bar] {
    if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().front());
  });
  for (QMenu* menu : bar->findChildren<QMenu*>()) {
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu] { MarkMnemonics(menu->actions()); });
  }
}

void MarkMenuBarMnemonics(QMenuBar& bar) { MarkMnemonics(bar.actions()); }

}  // namespace quillory
