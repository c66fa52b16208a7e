#include "tools/ui/php_version_label.h"

#include <chrono>

#include "base/ui/display_text.h"
#include "tools/php_commands.h"
#include "tools/ui/tool_process.h"

namespace quillory {
namespace {

// "-v" answers at once; anything slower is not an interpreter to offer.
constexpr std::chrono::milliseconds kCheckLimit = std::chrono::seconds(5);

}  // namespace

PhpVersionLabel::PhpVersionLabel(QWidget* parent) : QLabel(parent) {
  setObjectName("PhpVersion");
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setWordWrap(true);
}

void PhpVersionLabel::Check(const std::string& php) {
  delete check_;
  clear();
  auto* check = new ToolProcess(this, kCheckLimit);
  check_ = check;
  if (!check->Start(runner_, PhpVersionCommandLine(php),
                    ErrorRoute::kWithOutput, "")) {
    delete check;
    setText(QString::fromStdString(PhpVersionText(kNotRunOutput)));
    return;
  }
  connect(check, &ToolProcess::Ended, this, [this, check] { Show(check); });
}

// An interpreter stopped for taking too long is as good as none.
void PhpVersionLabel::Show(ToolProcess* check) {
  const std::string output = check->TakeCapture().output;
  setText(DecodeForDisplay(
      PhpVersionText(check->Stopped() ? kNotRunOutput : output)));
  check->deleteLater();
}

}  // namespace quillory
