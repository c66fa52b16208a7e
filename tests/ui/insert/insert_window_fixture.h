#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "insert/ui/panel_tool_button.h"
#include "support/window_test.h"

namespace quillory {

// The shared window fixture with one HTML document open, whose editor and
// highlighter the insertion windows work on.
class InsertWindowTest : public testing::WindowTest {
 protected:
  InsertWindowTest() { window_.NewTab("a.html"); }

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
};

// The main window with one document open, reached through the tag panel's
// buttons as a user reaches them.
class TagPanelFixture : public InsertWindowTest {
 protected:
  PanelToolButton& Button(const QString& name) {
    auto* button = window_.findChild<PanelToolButton*>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return *button;
  }

  QTabWidget& TTab() { return *window_.findChild<QTabWidget*>("TTab"); }

  // Brings the button's page to the front, as a user would, and clicks it.
  void Click(const QString& name) {
    PanelToolButton& button = Button(name);
    const int page = TTab().indexOf(button.parentWidget());
    if (page >= 0) TTab().setCurrentIndex(page);
    QTest::mouseClick(&button, Qt::LeftButton);
  }

  static void OkNextDialog() {
    QTimer::singleShot(0, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        PressOk(*dialog);
      }
    });
  }
};

}  // namespace quillory
