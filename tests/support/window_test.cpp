#include "support/window_test.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
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

std::vector<std::string> UnnamedControls(QWidget& root) {
  std::vector<std::string> unnamed;
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    const bool reachable = (widget->focusPolicy() & Qt::TabFocus) ||
                           qobject_cast<QAbstractButton*>(widget);
    if (!reachable || !widget->isVisible()) continue;
    QAccessibleInterface* spoken =
        QAccessible::queryAccessibleInterface(widget);
    if (spoken->text(QAccessible::Name).isEmpty()) {
      unnamed.push_back(widget->objectName().toStdString() + " (" +
                        widget->metaObject()->className() + ")");
    }
  }
  return unnamed;
}

}  // namespace quillory::testing
