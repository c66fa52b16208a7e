#pragma once

#include <QTabBar>

namespace quillory {

// The documents' tab strip (`MTab`): one tab per slot, tab index = slot
// number, free slots hidden. Tabs share the strip's width evenly by the
// number of tabs one row takes.
class SlotTabBar : public QTabBar {
  Q_OBJECT

 public:
  explicit SlotTabBar(int slot_count, QWidget* parent = nullptr);

  void SetTabsPerRow(int tabs_per_row, int strip_width);

 protected:
  QSize tabSizeHint(int index) const override;

 private:
  int tab_width_ = 100;
};

}  // namespace quillory
