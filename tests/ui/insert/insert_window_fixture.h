#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory {

// A shown main window with one HTML document, whose editor and highlighter
// the insertion windows work on.
class InsertWindowTest : public ::testing::Test {
 protected:
  InsertWindowTest()
      : window_(folder_.ProgramEnvironment(), fakes_.Services()) {
    window_.resize(900, 600);
    window_.show();
    window_.NewTab("a.html");
  }

  Editor& Rich() { return *window_.ActiveEditor(); }

  // The value cells of a dialog, text boxes and lists, in row order.
  static QList<QWidget*> ValueCells(QWidget& dialog) {
    QList<QWidget*> cells;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
      if (child->objectName() == "PropValue" ||
          child->objectName() == "PropValueC")
        cells.push_back(child);
    }
    return cells;
  }

  static void PressOk(QWidget& dialog) {
    dialog.findChild<QPushButton*>("Command1")->click();
  }

  testing::TestFolder folder_;
  testing::FakeServices fakes_;
  MainWindow window_;
};

}  // namespace quillory
