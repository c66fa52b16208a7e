#include "tools/ui/tool_process.h"

#include <QSocketNotifier>

namespace quillory {
namespace {

// How soon a child's exit is looked for again where the system cannot
// signal it.
constexpr int kExitPollMs = 10;

// Stops watching a descriptor that is about to be closed; a notifier may
// not be deleted from within its own signal.
void Drop(QSocketNotifier*& notifier) {
  if (notifier == nullptr) return;
  notifier->setEnabled(false);
  notifier->deleteLater();
  notifier = nullptr;
}

}  // namespace

ToolProcess::ToolProcess(QObject* parent, std::chrono::milliseconds limit)
    : QObject(parent), limit_time_(limit) {
  limit_.setSingleShot(true);
  connect(&limit_, &QTimer::timeout, this, &ToolProcess::Stop);
}

// The notifiers go before the run closes what they watch.
ToolProcess::~ToolProcess() {
  delete output_;
  delete exit_;
}

bool ToolProcess::Start(ProcessRunner& runner, std::string_view command_line,
                        ErrorRoute route, const std::string& folder) {
  if (!runner.Start(run_, command_line, route, folder)) return false;
  output_ = new QSocketNotifier(run_.OutputFd(), QSocketNotifier::Read, this);
  connect(output_, &QSocketNotifier::activated, this, &ToolProcess::OnOutput);
  limit_.start(limit_time_);
  return true;
}

void ToolProcess::Stop() {
  if (ended_) return;
  stopped_ = true;
  Drop(output_);
  Drop(exit_);
  run_.Stop();
  End();
}

Capture ToolProcess::TakeCapture() {
  return {run_.TakeOutput(), run_.TakeErrors(), run_.Cut()};
}

void ToolProcess::OnOutput() {
  output_->setEnabled(false);
  if (run_.ReadAvailable()) {
    output_->setEnabled(true);
    return;
  }
  Drop(output_);
  WatchExit();
}

// NOTE: the child is collected only after its output has ended, so its
// exit is watched from then on.
void ToolProcess::WatchExit() {
  if (run_.Finished()) {
    End();
  } else if (run_.ExitFd() >= 0) {
    exit_ = new QSocketNotifier(run_.ExitFd(), QSocketNotifier::Read, this);
    connect(exit_, &QSocketNotifier::activated, this, &ToolProcess::OnExit);
  } else {
    QTimer::singleShot(kExitPollMs, this, &ToolProcess::WatchExit);
  }
}

void ToolProcess::OnExit() {
  exit_->setEnabled(false);
  if (!run_.Finished()) {
    exit_->setEnabled(true);
    return;
  }
  Drop(exit_);
  End();
}

void ToolProcess::End() {
  if (ended_) return;
  ended_ = true;
  limit_.stop();
  emit Ended();
}

}  // namespace quillory
