#pragma once

#include <QTabBar>

namespace quillory {

// The documents' tab strip (`MTab`): one tab per slot, tab index = slot
// number, free slots hidden, also from screen readers. The shown tabs stand
// in rows of a given number of tabs, each as wide as its caption up to a
// maximum, shrinking only when its row is full; a caption that still does
// not fit is cut in the middle.
class SlotTabBar : public QTabBar {
  Q_OBJECT

 public:
  explicit SlotTabBar(int slot_count, QWidget* parent = nullptr);

  // At least one tab to a row, however narrow the strip.
  void SetTabsPerRow(int per_row);
  int ShownCount() const;
  int RowHeight() const;
  // Where the tab of `slot` is drawn; empty for a hidden tab.
  QRect SlotRect(int slot) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int SlotAt(const QPoint& point) const;
  int Rows() const;

  int per_row_ = 1;
};

}  // namespace quillory
