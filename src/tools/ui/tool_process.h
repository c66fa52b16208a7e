#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <string_view>

#include "tools/process_run.h"
#include "tools/process_runner.h"

class QSocketNotifier;

namespace quillory {

// One tool run watched from the event loop, so the window keeps painting
// and answering while the tool works. Ended() comes once: when the tool
// has closed its output and exited, when it is stopped, or when it has run
// for its limit, which stops it.
class ToolProcess : public QObject {
  Q_OBJECT

 public:
  explicit ToolProcess(QObject* parent = nullptr,
                       std::chrono::milliseconds limit = kRunLimit);
  ~ToolProcess() override;

  // False when nothing could be run; Ended() then never comes.
  bool Start(ProcessRunner& runner, std::string_view command_line,
             ErrorRoute route, const std::string& folder);
  // Ends the tool and whatever it started; what was read so far stays.
  void Stop();
  bool Stopped() const { return stopped_; }
  // What the tool wrote; complete once Ended() has come.
  Capture TakeCapture();

 signals:
  void Ended();

 private:
  void OnOutput();
  void WatchExit();
  void OnExit();
  void End();

  ProcessRun run_;
  QSocketNotifier* output_ = nullptr;
  QSocketNotifier* exit_ = nullptr;
  QTimer limit_;
  std::chrono::milliseconds limit_time_;
  bool stopped_ = false;
  bool ended_ = false;
};

}  // namespace quillory
