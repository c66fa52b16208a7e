#pragma once

#include <QTabBar>

namespace quillory {

// The documents' tab strip (`MTab`): one tab per slot, tab index = slot
// number, free slots hidden, also from screen readers. A tab is as wide as
// its caption needs, up to a limit past which the caption is cut in the
// middle.
class SlotTabBar : public QTabBar {
  Q_OBJECT

 public:
  explicit SlotTabBar(int slot_count, QWidget* parent = nullptr);

 protected:
  QSize tabSizeHint(int index) const override;
};

}  // namespace quillory
