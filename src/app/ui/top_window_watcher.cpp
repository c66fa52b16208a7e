#include "app/ui/top_window_watcher.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "base/ui/screen_placement.h"

namespace quillory {
namespace {

constexpr char kPlaced[] = "quillory_placed";

// Windows a user moves and closes, not menus, tooltips or the splash.
bool IsOwnWindow(const QObject* object) {
  if (!object->isWidgetType()) return false;
  const auto* widget = static_cast<const QWidget*>(object);
  const Qt::WindowType type = widget->windowType();
  return widget->isWindow() &&
         (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool);
}

}  // namespace

TopWindowWatcher::TopWindowWatcher(QWidget& main_window, QWidget& editor)
    : QObject(&main_window), main_window_(main_window), editor_(editor) {
  qApp->installEventFilter(this);
}

bool TopWindowWatcher::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A window that disables the main one enables it again only as it is
  // deleted, after it hid.
  if (type == QEvent::EnabledChange && watched == &main_window_ &&
      main_window_.isEnabled()) {
    QTimer::singleShot(0, this, &TopWindowWatcher::ReturnFocus);
  }
  // NOTE: the toolkit makes the main window anew when a page is first drawn
  // in it, and the new window is not the active one: the keys the user goes
  // on typing would reach no window.
  if (type == QEvent::WinIdChange && watched == &main_window_ &&
      main_window_.property(kPlaced).toBool()) {
    QTimer::singleShot(0, this, &TopWindowWatcher::Reactivate);
  }
  if ((type == QEvent::Show || type == QEvent::Hide) && IsOwnWindow(watched)) {
    auto* window = static_cast<QWidget*>(watched);
    if (type == QEvent::Show && !window->property(kPlaced).toBool()) {
      window->setProperty(kPlaced, true);
      Place(*window);
    }
    // NOTE: after the hide has run its course, when the toolkit has chosen
    // which window is active.
    if (type == QEvent::Hide && window != &main_window_) {
      QTimer::singleShot(0, this, &TopWindowWatcher::ReturnFocus);
    }
  }
  return QObject::eventFilter(watched, event);
}

void TopWindowWatcher::Place(QWidget& window) const {
  const QWidget* owner = window.parentWidget() ? window.parentWidget()->window()
                         : &window == &main_window_ ? nullptr
                                                    : &main_window_;
  QScreen* screen = owner ? owner->screen() : window.screen();
  const QRect available = screen->availableGeometry();
  const QRect around =
      owner && owner->isVisible() ? owner->frameGeometry() : available;
  const QRect placed = PlaceOnOwner(window.size(), around, available);
  window.resize(placed.size());
  window.move(placed.topLeft());
}

// Only when no other window of the program is left over the main one: a
// message box closing over the find window gives the keys back to it.
bool TopWindowWatcher::MainWindowOnTop() const {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top != &main_window_ && top->isVisible() && IsOwnWindow(top)) {
      return false;
    }
  }
  return main_window_.isVisible() && main_window_.isEnabled();
}

void TopWindowWatcher::ReturnFocus() {
  if (!MainWindowOnTop() || !editor_.isVisible()) return;
  main_window_.activateWindow();
  editor_.setFocus(Qt::OtherFocusReason);
}

// The part that had the keys keeps them: the editor, or the page shown in
// its place.
void TopWindowWatcher::Reactivate() {
  if (MainWindowOnTop()) main_window_.activateWindow();
}

}  // namespace quillory
