#include "support/window_test.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace quillory::testing {

WindowTest::WindowTest()
    : window_(folder_.ProgramEnvironment(), fakes_.Services()) {
  window_.resize(900, 600);
  window_.show();
}

std::string WindowTest::NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "<p class=\"c\">line " + std::to_string(i) + "</p>\r\n";
  }
  return text;
}

namespace {

// What a user can reach by keys or press, as assistive tools see it.
bool IsControl(QAccessibleInterface& node) {
  const QAccessible::State state = node.state();
  if (state.invisible || state.offscreen) return false;
  // A widget that takes the focus only from a click is not reached by keys.
  const auto* widget = qobject_cast<QWidget*>(node.object());
  const bool by_keys =
      widget ? (widget->focusPolicy() & Qt::TabFocus) : state.focusable;
  return by_keys || node.actionInterface() &&
                        node.actionInterface()->actionNames().contains(
                            QAccessibleActionInterface::pressAction());
}

// An object by its name and class, as the lists below give it.
std::string Described(const QObject* object) {
  return (object ? object->objectName().toStdString() : std::string()) + " (" +
         (object ? object->metaObject()->className() : "item") + ")";
}

void CollectUnnamed(QAccessibleInterface& node,
                    std::vector<std::string>& unnamed) {
  if (IsControl(node) && node.text(QAccessible::Name).trimmed().isEmpty()) {
    unnamed.push_back(Described(node.object()));
  }
  for (int i = 0; i < node.childCount(); ++i) {
    if (QAccessibleInterface* child = node.child(i)) {
      CollectUnnamed(*child, unnamed);
    }
  }
}

bool IsCut(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    QString text = label->text();
    if (label->wordWrap() || text.contains('\n') || Qt::mightBeRichText(text)) {
      return false;
    }
    if (label->buddy()) text.remove('&');
    return label->fontMetrics().horizontalAdvance(text) >
           label->contentsRect().width();
  }
  if (qobject_cast<const QCheckBox*>(&widget) ||
      qobject_cast<const QRadioButton*>(&widget)) {
    return widget.sizeHint().width() > widget.width();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    return button->fontMetrics().horizontalAdvance(button->text().remove('&')) >
           button->width();
  }
  return false;
}

}  // namespace

std::vector<std::string> CutCaptions(QWidget& root) {
  std::vector<std::string> cut;
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    if (widget->isVisible() && IsCut(*widget)) cut.push_back(Described(widget));
  }
  return cut;
}

std::vector<std::string> UnnamedControls(QWidget& root) {
  std::vector<std::string> unnamed;
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&root);
  if (root.isWindow() && top->role() != QAccessible::Window &&
      top->role() != QAccessible::Dialog) {
    unnamed.push_back(Described(top->object()) + " is no window");
  }
  CollectUnnamed(*top, unnamed);
  return unnamed;
}

}  // namespace quillory::testing
