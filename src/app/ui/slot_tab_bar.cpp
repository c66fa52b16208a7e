#include "app/ui/slot_tab_bar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <vector>

#include "app/ui/slot_tab_bar_accessible.h"
#include "app/window_layout.h"

namespace quillory {
namespace {

// A long name is cut in the middle beyond this, even in a row with room.
constexpr int kMaxTabChars = 32;

}  // namespace

// NOTE: the toolkit's tab bar knows one row only, so the rows are this
// class's own: it places, paints and hit-tests the tabs itself.
SlotTabBar::SlotTabBar(int slot_count, QWidget* parent) : QTabBar(parent) {
  setObjectName("MTab");
  InstallSlotTabBarAccessibility();
  setExpanding(false);
  setElideMode(Qt::ElideMiddle);
  setUsesScrollButtons(false);
  setDocumentMode(true);
  for (int slot = 0; slot < slot_count; ++slot) {
    addTab(QString());
    setTabVisible(slot, false);
  }
}

void SlotTabBar::SetTabsPerRow(int per_row) {
  per_row_ = std::max(1, per_row);
  updateGeometry();
  update();
}

int SlotTabBar::ShownCount() const {
  int shown = 0;
  for (int slot = 0; slot < count(); ++slot) shown += isTabVisible(slot);
  return shown;
}

int SlotTabBar::RowHeight() const { return tabSizeHint(0).height(); }

int SlotTabBar::Rows() const {
  return std::max(1, (ShownCount() + per_row_ - 1) / per_row_);
}

QRect SlotTabBar::SlotRect(int slot) const {
  if (slot < 0 || slot >= count() || !isTabVisible(slot)) return QRect();
  int place = 0;
  for (int before = 0; before < slot; ++before) place += isTabVisible(before);
  std::vector<int> wanted;
  int shown = 0;
  for (int other = 0; other < count(); ++other) {
    if (!isTabVisible(other)) continue;
    if (shown++ / per_row_ == place / per_row_) {
      wanted.push_back(tabSizeHint(other).width());
    }
  }
  const int max_width = fontMetrics().averageCharWidth() * kMaxTabChars;
  const std::vector<int> widths = FitTabRow(wanted, width(), max_width);
  const int in_row = place % per_row_;
  int left = 0;
  for (int before = 0; before < in_row; ++before) left += widths[before];
  return QRect(left, (place / per_row_) * RowHeight(), widths[in_row],
               RowHeight());
}

int SlotTabBar::SlotAt(const QPoint& point) const {
  for (int slot = 0; slot < count(); ++slot) {
    if (SlotRect(slot).contains(point)) return slot;
  }
  return -1;
}

QSize SlotTabBar::sizeHint() const {
  return QSize(width(), Rows() * RowHeight());
}

QSize SlotTabBar::minimumSizeHint() const { return QSize(0, RowHeight()); }

void SlotTabBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  for (int slot = 0; slot < count(); ++slot) {
    if (!isTabVisible(slot)) continue;
    QStyleOptionTab option;
    initStyleOption(&option, slot);
    option.rect = SlotRect(slot);
    const QRect text =
        style()->subElementRect(QStyle::SE_TabBarTabText, &option, this);
    option.text =
        fontMetrics().elidedText(tabText(slot), elideMode(), text.width());
    painter.drawControl(QStyle::CE_TabBarTab, option);
  }
}

void SlotTabBar::mousePressEvent(QMouseEvent* event) {
  const int slot = SlotAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || slot < 0) {
    event->ignore();
    return;
  }
  setCurrentIndex(slot);
  event->accept();
}

bool SlotTabBar::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTabBar::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const int slot = SlotAt(help->pos());
  QToolTip::showText(help->globalPos(), slot < 0 ? QString() : tabToolTip(slot),
                     this);
  return true;
}

}  // namespace quillory
