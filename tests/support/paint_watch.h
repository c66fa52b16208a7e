#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>
#include <utility>

namespace quillory::testing {

// Calls `seen` each time `widget` is about to paint.
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget* widget, std::function<void()> seen)
      : seen_(std::move(seen)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen_();
    return false;
  }

 private:
  std::function<void()> seen_;
};

}  // namespace quillory::testing
