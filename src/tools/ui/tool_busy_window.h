#pragma once

#include <QDialog>

class QString;

namespace quillory {

// The small window that says a tool is still running and offers to stop
// it (`StopTool`). It blocks nothing; the tool's owner closes it.
class ToolBusyWindow : public QDialog {
  Q_OBJECT

 public:
  ToolBusyWindow(const QString& text, const QString& stop_caption,
                 QWidget* parent);

 signals:
  void StopChosen();

 protected:
  // Esc and the window's close button stop the tool too.
  void reject() override;
};

}  // namespace quillory
