#include "platform/qt/termination_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

namespace quillory {
namespace {

int signal_pipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte down the pipe.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t written = write(signal_pipe[0], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignals(QWidget* window) {
  if (signal_pipe[0] < 0 &&
      socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0) {
    return;
  }
  auto* notifier =
      new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window,
                   [window = QPointer<QWidget>(window)] {
                     char byte;
                     [[maybe_unused]] ssize_t got =
                         read(signal_pipe[1], &byte, 1);
                     if (window) window->close();
                   });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace quillory
