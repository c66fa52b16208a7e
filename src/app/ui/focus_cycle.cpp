#include "app/ui/focus_cycle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QShortcut>
#include <QWidget>

#include <utility>

namespace quillory {
namespace {

bool Holds(const FocusCycle::Part& part, const QWidget* focus) {
  for (const QWidget* widget : part) {
    if (focus && (widget == focus || widget->isAncestorOf(focus))) return true;
  }
  return false;
}

QWidget* FocusTarget(const FocusCycle::Part& part) {
  QWidget* first_shown = nullptr;
  for (QWidget* widget : part) {
    if (!widget->isVisible() || !widget->isEnabled()) continue;
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button && button->isChecked()) return widget;
    if (!first_shown) first_shown = widget;
  }
  return first_shown;
}

}  // namespace

FocusCycle::FocusCycle(QWidget& window, std::vector<Part> parts)
    : QObject(&window), parts_(std::move(parts)) {
  auto* forward = new QShortcut(QKeySequence(Qt::Key_F6), &window);
  auto* backward = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), &window);
  connect(forward, &QShortcut::activated, this, [this] { Step(1); });
  connect(backward, &QShortcut::activated, this, [this] { Step(-1); });
}

void FocusCycle::Step(int direction) {
  const int count = static_cast<int>(parts_.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (Holds(parts_[i], QApplication::focusWidget())) at = i;
  }
  // From outside every part, F6 starts at the first and Shift+F6 at the
  // last.
  if (at < 0) at = direction > 0 ? count - 1 : 0;
  for (int step = 0; step < count; ++step) {
    at = (at + direction + count) % count;
    if (QWidget* target = FocusTarget(parts_[at])) {
      target->setFocus(direction > 0 ? Qt::TabFocusReason
                                     : Qt::BacktabFocusReason);
      return;
    }
  }
}

}  // namespace quillory
