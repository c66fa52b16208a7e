#include "platform/qt/termination_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

namespace quillory {
namespace {

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

int signal_pipe[2] = {-1, -1};

// When the last signal came, in seconds of the monotonic clock, until the
// event loop takes it up; a loop that has not done so for kStuckSeconds is
// not coming back.
constexpr sig_atomic_t kNotWaiting = -1;
constexpr sig_atomic_t kStuckSeconds = 2;
volatile sig_atomic_t waiting_since = kNotWaiting;

sig_atomic_t MonotonicSeconds() {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<sig_atomic_t>(now.tv_sec);
}

// Only async-signal-safe work here: one byte down the pipe, or, when the
// loop is stuck, the signal's own default action.
void OnSignal(int number) {
  const sig_atomic_t now = MonotonicSeconds();
  if (waiting_since != kNotWaiting) {
    if (now - waiting_since < kStuckSeconds) return;
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigaction(number, &fallback, nullptr);
    raise(number);
    return;
  }
  waiting_since = now;
  const char byte = 1;
  [[maybe_unused]] ssize_t written = write(signal_pipe[0], &byte, 1);
}

// NOTE: a message box waits in an event loop of its own, and main() may not
// have reached the application's loop yet. Every loop is told to end, now
// and whenever one runs later, so neither a dialog nor code that a dialog
// returns to can keep the process alive without a window.
void EndEveryEventLoop() {
  QCoreApplication::exit(0);
  auto* again = new QTimer(QCoreApplication::instance());
  QObject::connect(again, &QTimer::timeout, [] { QCoreApplication::exit(0); });
  again->start(0);
}

}  // namespace

void EndOnTerminationSignals(QWidget* window) {
  if (signal_pipe[0] < 0 &&
      socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0) {
    return;
  }
  auto* notifier =
      new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, window);
  QObject::connect(
      notifier, &QSocketNotifier::activated, window,
      [window = QPointer<QWidget>(window), ending = false]() mutable {
        char byte;
        [[maybe_unused]] ssize_t got = read(signal_pipe[1], &byte, 1);
        waiting_since = kNotWaiting;
        if (ending) return;
        ending = true;
        if (window) window->close();
        EndEveryEventLoop();
      });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kTerminationSignals) sigaction(number, &action, nullptr);
}

}  // namespace quillory
