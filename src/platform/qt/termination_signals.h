#pragma once

class QWidget;

namespace quillory {

// SIGTERM and SIGINT (logout, a terminal's Ctrl+C) close `window` through
// the event loop, so its normal shutdown runs instead of the process dying.
void CloseOnTerminationSignals(QWidget* window);

}  // namespace quillory
