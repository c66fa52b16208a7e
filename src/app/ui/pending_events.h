#pragma once

#include <QCoreApplication>

namespace quillory {

// Lets the window repaint and take timers between long steps; the user's
// own input waits, so no command starts in the middle of another.
inline void LetPendingEventsRun() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quillory
