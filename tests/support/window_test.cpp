#include "support/window_test.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"

namespace quillory::testing {

WindowTest::WindowTest()
    : window_(folder_.ProgramEnvironment(), fakes_.Services()) {
  window_.resize(900, 600);
  window_.show();
}

int WindowTest::OpenFile(const std::string& name, const std::string& bytes) {
  Files().OpenFile(folder_.Write(name, bytes), false);
  Rich().setFocus();
  return Tabs().ActiveSlot();
}

SnapshotHistory& WindowTest::History() {
  return Tabs().History(Tabs().ActiveSlot());
}

QString WindowTest::Status() {
  return window_.findChild<QLabel*>("Status")->text();
}

void WindowTest::Type(const std::string& keys) {
  QTest::keyClicks(&Rich(), QString::fromStdString(keys));
}

void WindowTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(&Rich(), key, modifiers);
}

void WindowTest::Trigger(const char* command) { Action(command)->trigger(); }

std::string WindowTest::NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "<p class=\"c\">line " + std::to_string(i) + "</p>\r\n";
  }
  return text;
}

QAction* FindAction(QWidget& window, const char* object_name) {
  return window.findChild<QAction*>(object_name);
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

std::string Described(QAccessibleInterface& node) {
  QObject* object = node.object();
  return (object ? object->objectName().toStdString() : std::string()) + " (" +
         (object ? object->metaObject()->className() : "item") + ")";
}

void CollectUnnamed(QAccessibleInterface& node,
                    std::vector<std::string>& unnamed) {
  if (IsControl(node) && node.text(QAccessible::Name).trimmed().isEmpty()) {
    unnamed.push_back(Described(node));
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
    if (widget->isVisible() && IsCut(*widget)) {
      cut.push_back(widget->objectName().toStdString() + " (" +
                    widget->metaObject()->className() + ")");
    }
  }
  return cut;
}

std::vector<std::string> UnnamedControls(QWidget& root) {
  std::vector<std::string> unnamed;
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&root);
  if (root.isWindow() && top->role() != QAccessible::Window &&
      top->role() != QAccessible::Dialog) {
    unnamed.push_back(Described(*top) + " is no window");
  }
  CollectUnnamed(*top, unnamed);
  return unnamed;
}

}  // namespace quillory::testing
