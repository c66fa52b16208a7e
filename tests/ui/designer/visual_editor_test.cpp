#include "designer/ui/visual_editor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <cmath>

#include "designer/element_kind.h"
#include "designer/ui/toolbox.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class VisualEditorTest : public testing::WindowTest {
 protected:
  VisualEditorTest() {
    OpenFile("a.html", "[x]");
    Rich().Select(1, 2);
    OpenDesigner();
  }

  void OpenDesigner() {
    Trigger("VisEd");
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == "VisualEditor") designer_ = top;
    }
  }

  template <typename Widget = QWidget>
  Widget* Part(const char* name) {
    return designer_->findChild<Widget*>(name);
  }

  // NOTE: the offscreen platform has no drag and drop, so the drop the
  // toolbox's drag would end in is sent to the canvas directly.
  void DropItem(ElementKind kind, QPoint grabbed, QPoint at) {
    const auto data = ToolboxMimeData({kind, QPointF(grabbed) * 15});
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(Part("Canvas"), &enter);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(Part("Canvas"), &drop);
  }

  QWidget* designer_ = nullptr;
};

// The whole road through the designer, by pointer and keys, into the
// document in place of its selection.
TEST_F(VisualEditorTest, DroppedMovedDeletedAndEditedElementsGoIntoTheText) {
  EXPECT_FALSE(window_.isEnabled());
  DropItem(ElementKind::kButton, QPoint(4, 2), QPoint(84, 42));
  DropItem(ElementKind::kText, QPoint(4, 2), QPoint(200, 100));
  QWidget* button = Part("Button0");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->pos(), QPoint(80, 40));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(button, QPoint(25, 15));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(25, 15));
  QTest::mouseClick(Part("Text0"), Qt::LeftButton);
  QTest::keyClick(Part("Canvas"), Qt::Key_Delete);
  EXPECT_FALSE(Part("Text0")->isVisible());
  // The items help answers any mouse button, the editor staying shown.
  DropItem(ElementKind::kList, QPoint(4, 2), QPoint(300, 200));
  QTest::mouseClick(Part("List0"), Qt::LeftButton);
  QTest::mouseClick(Part<QPushButton>("Command1"), Qt::LeftButton);
  QTest::mousePress(Part("Hlp"), Qt::RightButton);
  EXPECT_TRUE(Part("Itms")->isVisible());
  EXPECT_EQ(fakes_.dialogs.messages.size(), 1u);
  QTest::mouseClick(Part("List0"), Qt::LeftButton);
  QTest::keyClick(Part("Canvas"), Qt::Key_Delete);
  EXPECT_FALSE(Part("List0")->isVisible());
  QTest::mouseClick(button, Qt::LeftButton);
  auto* value = Part<QLineEdit>("ValueEl");
  value->selectAll();
  QTest::keyClicks(value, "Go");
  QTest::mouseClick(Part<QPushButton>("Command2"), Qt::LeftButton);
  EXPECT_EQ(Text(),
            "[<body bgcolor=#FFFFFF>\r\n<input type=button name=Button0 "
            "style='position:absolute;top:50;left:100;height:25;width:65' "
            "value=Go>\r\n]");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_.isEnabled());
}

int Pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

// With the longer Russian captions too, the canvas ends 150 twips short of
// the panel, the panel 50 short of the right edge, both 50 short of the
// bottom, and the panel's two buttons touch, 200 above its bottom.
TEST_F(VisualEditorTest, CanvasAndPanelKeepTheirMarginsWithRussianCaptions) {
  designer_->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ChooseLanguage("russian");
  OpenDesigner();
  EXPECT_EQ(Part<QLabel>("Img")->text(), "Рисунок");
  auto* list = Part<QListWidget>("Cmb");
  EXPECT_LE(list->sizeHintForColumn(0), list->viewport()->width());
  designer_->resize(1100, 700);
  QApplication::processEvents();
  const QWidget* panel = Part("PropertyPanel");
  const QRect canvas(Part("Canvas")->mapTo(designer_, QPoint()),
                     Part("Canvas")->size());
  const QRect insert = Part("Command2")->geometry();
  EXPECT_EQ(canvas.size(),
            QSize(Pixels((1100 - panel->width() - canvas.x()) * 15 - 150),
                  Pixels((700 - canvas.y()) * 15 - 50)));
  EXPECT_EQ(panel->geometry(),
            QRect(Pixels((1100 - panel->width()) * 15 - 50), panel->y(),
                  panel->width(), Pixels((700 - panel->y()) * 15 - 50)));
  EXPECT_EQ(insert.y(), Pixels((panel->height() - insert.height()) * 15 - 200));
  EXPECT_EQ(Part("Command4")->geometry().bottom() + 1, insert.y());
  // The captions only a check box and a list show are whole as well.
  DropItem(ElementKind::kCheck, QPoint(4, 2), QPoint(40, 40));
  DropItem(ElementKind::kList, QPoint(4, 2), QPoint(40, 120));
  for (const char* shown : {"Check0", "List0"}) {
    QTest::mouseClick(Part(shown), Qt::LeftButton);
    EXPECT_EQ(testing::CutCaptions(*designer_), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace quillory
