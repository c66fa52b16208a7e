#include "app/ui/slot_tab_bar.h"

#include <algorithm>

#include "app/ui/slot_tab_bar_accessible.h"

namespace quillory {
namespace {

constexpr int kWidestTab = 200;

}  // namespace

SlotTabBar::SlotTabBar(int slot_count, QWidget* parent) : QTabBar(parent) {
  setObjectName("MTab");
  InstallSlotTabBarAccessibility();
  setExpanding(false);
  setElideMode(Qt::ElideMiddle);
  setUsesScrollButtons(true);
  setDocumentMode(true);
  for (int slot = 0; slot < slot_count; ++slot) {
    addTab(QString());
    setTabVisible(slot, false);
  }
}

QSize SlotTabBar::tabSizeHint(int index) const {
  QSize size = QTabBar::tabSizeHint(index);
  size.setWidth(std::min(size.width(), kWidestTab));
  return size;
}

}  // namespace quillory
