#pragma once

#include <QTabWidget>
#include <QTest>

#include "insert/ui/panel_tool_button.h"
#include "insert_window_fixture.h"

namespace quillory {

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
