#pragma once

class QWidget;

namespace quillory {

// SIGTERM, SIGINT and SIGHUP (logout, a terminal's Ctrl+C, a closed
// terminal) close `window` through the event loop, so its normal shutdown
// runs instead of the process dying, and then end the program whatever
// dialog is open. A further signal while the event loop has been stuck for
// seconds ends the process at once.
void EndOnTerminationSignals(QWidget* window);

}  // namespace quillory
