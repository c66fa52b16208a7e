#pragma once

#include <QLabel>
#include <QPointer>

#include <string>

#include "tools/process_runner.h"

namespace quillory {

class ToolProcess;

// Shows what the PHP interpreter says of its version. The interpreter runs
// while the window goes on answering, and is stopped after a few seconds,
// so a path that hangs on "-v" cannot hold the window.
class PhpVersionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit PhpVersionLabel(QWidget* parent = nullptr);

  // Asks `php` for its version; a check still running is stopped first.
  void Check(const std::string& php);

 private:
  void Show(ToolProcess* check);

  ProcessRunner runner_;
  QPointer<ToolProcess> check_;
};

}  // namespace quillory
