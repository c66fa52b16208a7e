#include "insert/ui/panel_tool_button.h"

#include <QPainter>

namespace quillory {
namespace {

constexpr int kButtonSize = 28;
constexpr int kIconSize = 20;

// "TImg_3", "LImg_36", "Label2_7": the control array and its index.
QString ControlName(const PanelButton& entry) {
  static constexpr const char* kFamilies[] = {"TImg", "LImg", "Label2"};
  return QString("%1_%2")
      .arg(kFamilies[static_cast<int>(entry.family)])
      .arg(entry.index);
}

}  // namespace

PanelToolButton::PanelToolButton(const PanelButton& entry, QWidget* parent)
    : QToolButton(parent), entry_(entry) {
  setObjectName(ControlName(entry));
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setMinimumSize(kButtonSize, kButtonSize);
  const std::string_view name = ButtonName(entry);
  SetCaption(QString::fromLatin1(name.data(), name.size()));
  ShowFace();
}

// An icon or a letter alone tells a screen reader nothing; the caption says
// what the button does. Only the buttons that have a tooltip show it.
void PanelToolButton::SetCaption(const QString& caption) {
  setAccessibleName(caption);
  if (!entry_.tooltip.empty()) setToolTip(caption);
}

// Icons are named after their control; text buttons show their caption,
// and B, I and U show what they do to the text.
void PanelToolButton::ShowFace() {
  if (entry_.caption.empty()) {
    setIcon(QIcon(":/panel/" + objectName() + ".svg"));
    setIconSize(QSize(kIconSize, kIconSize));
    return;
  }
  setText(QString::fromLatin1(entry_.caption.data(), entry_.caption.size()));
  QFont face = font();
  face.setBold(entry_.caption == "B");
  face.setItalic(entry_.caption == "I");
  face.setUnderline(entry_.caption == "U");
  setFont(face);
}

void PanelToolButton::mousePressEvent(QMouseEvent* event) {
  border_ = BorderStyle::kSingle;
  update();
  QToolButton::mousePressEvent(event);
}

void PanelToolButton::mouseReleaseEvent(QMouseEvent* event) {
  border_ = BorderStyle::kNone;
  update();
  QToolButton::mouseReleaseEvent(event);
}

void PanelToolButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  if (border_ != BorderStyle::kSingle) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quillory
