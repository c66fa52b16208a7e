#include "tools/ui/tool_busy_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillory {

ToolBusyWindow::ToolBusyWindow(const QString& text, const QString& stop_caption,
                               QWidget* parent)
    : QDialog(parent) {
  setObjectName("ToolBusy");
  setWindowTitle("Quillory");
  auto* label = new QLabel(text, this);
  auto* stop = new QPushButton(stop_caption, this);
  stop->setObjectName("StopTool");
  stop->setDefault(true);
  connect(stop, &QPushButton::clicked, this, &ToolBusyWindow::StopChosen);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(stop, 0, Qt::AlignRight);
}

void ToolBusyWindow::reject() { emit StopChosen(); }

}  // namespace quillory
