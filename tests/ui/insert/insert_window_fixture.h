#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>

#include "insert/ui/new_tag.h"
#include "support/window_test.h"

namespace quillory {

// The shared window fixture with one HTML document open, whose editor and
// highlighter the insertion windows work on.
class InsertWindowTest : public testing::WindowTest {
 protected:
  InsertWindowTest() { window_.NewTab("a.html"); }

  ElementDialogHost Host() {
    return {Rich(), Highlighter(), fakes_.dialogs, Captions()};
  }

  // The value cells of a dialog, text boxes and lists, in row order.
  static QList<QWidget*> ValueCells(QWidget& dialog) {
    return dialog.findChildren<QWidget*>(QRegularExpression("^PropValueC?$"));
  }

  static void PressOk(QWidget& dialog) {
    dialog.findChild<QPushButton*>("Command1")->click();
  }

  // Runs `answer` on the modal dialog the next click opens.
  static void AnswerNextDialog(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
      answer(*qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
  }
};

}  // namespace quillory
