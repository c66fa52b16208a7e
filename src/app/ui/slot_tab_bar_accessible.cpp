#include "app/ui/slot_tab_bar_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>

#include <vector>

#include "app/ui/slot_tab_bar.h"

namespace quillory {
namespace {

// The tab of one slot, while it shows. Pressing it makes it current.
class SlotTabAccessible : public QAccessibleInterface,
                          public QAccessibleActionInterface {
 public:
  SlotTabAccessible(SlotTabBar* bar, int slot) : bar_(bar), slot_(slot) {}

  int Slot() const { return slot_; }

  bool isValid() const override {
    return bar_ && slot_ < bar_->count() && bar_->isTabVisible(slot_);
  }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(bar_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return bar_->tabText(slot_);
    if (t == QAccessible::Description) return bar_->tabToolTip(slot_);
    return {};
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect tab = bar_->SlotRect(slot_);
    return {bar_->mapToGlobal(tab.topLeft()), tab.size()};
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invalid = !isValid();
    state.selectable = true;
    state.selected = !state.invalid && bar_->currentIndex() == slot_;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (isValid() && action == pressAction()) bar_->setCurrentIndex(slot_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<SlotTabBar> bar_;
  int slot_;
};

// NOTE: the children are the shown tabs in slot order, so a tab's index
// among them moves as documents open and close; each slot keeps one
// registered interface for the strip's whole life.
class SlotTabBarAccessible : public QAccessibleWidget {
 public:
  explicit SlotTabBarAccessible(SlotTabBar* bar)
      : QAccessibleWidget(bar, QAccessible::PageTabList),
        tabs_(static_cast<size_t>(bar->count()), 0) {}
  ~SlotTabBarAccessible() override {
    for (QAccessible::Id id : tabs_) {
      if (id) QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override {
    return static_cast<int>(ShownSlots().size());
  }
  QAccessibleInterface* child(int index) const override {
    const std::vector<int> shown = ShownSlots();
    if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
    return Tab(shown[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child || child->role() != QAccessible::PageTab ||
        child->parent() != this) {
      return -1;
    }
    const int slot = static_cast<const SlotTabAccessible*>(child)->Slot();
    const std::vector<int> shown = ShownSlots();
    for (size_t i = 0; i < shown.size(); ++i) {
      if (shown[i] == slot) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  SlotTabBar* Bar() const { return static_cast<SlotTabBar*>(widget()); }

  std::vector<int> ShownSlots() const {
    std::vector<int> shown;
    for (int slot = 0; slot < static_cast<int>(tabs_.size()); ++slot) {
      if (Bar()->isTabVisible(slot)) shown.push_back(slot);
    }
    return shown;
  }

  QAccessibleInterface* Tab(int slot) const {
    QAccessible::Id& id = tabs_[static_cast<size_t>(slot)];
    if (!id)
      id = QAccessible::registerAccessibleInterface(
          new SlotTabAccessible(Bar(), slot));
    return QAccessible::accessibleInterface(id);
  }

  mutable std::vector<QAccessible::Id> tabs_;
};

QAccessibleInterface* SlotTabBarFactory(const QString& class_name,
                                        QObject* object) {
  if (class_name != QLatin1String(SlotTabBar::staticMetaObject.className())) {
    return nullptr;
  }
  auto* bar = qobject_cast<SlotTabBar*>(object);
  return bar ? new SlotTabBarAccessible(bar) : nullptr;
}

}  // namespace

void InstallSlotTabBarAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(SlotTabBarFactory);
}

}  // namespace quillory
