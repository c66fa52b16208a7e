#include "app/ui/slot_tab_bar.h"

#include <algorithm>

namespace quillory {

SlotTabBar::SlotTabBar(int slot_count, QWidget* parent) : QTabBar(parent) {
  setObjectName("MTab");
  setExpanding(false);
  setElideMode(Qt::ElideRight);
  setUsesScrollButtons(true);
  setDocumentMode(true);
  for (int slot = 0; slot < slot_count; ++slot) {
    addTab(QString());
    setTabVisible(slot, false);
  }
}

void SlotTabBar::SetTabsPerRow(int tabs_per_row, int strip_width) {
  const int width = std::max(60, strip_width / std::max(1, tabs_per_row));
  if (width == tab_width_) return;
  tab_width_ = width;
  updateGeometry();
  update();
}

QSize SlotTabBar::tabSizeHint(int index) const {
  QSize size = QTabBar::tabSizeHint(index);
  size.setWidth(std::min(size.width(), tab_width_));
  return size;
}

}  // namespace quillory
