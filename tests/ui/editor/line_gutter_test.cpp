#include "editor/ui/line_gutter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "editor/gutter_rules.h"
#include "editor/ui/editor.h"
#include "support/paint_watch.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

class LineGutterTest : public ::testing::Test {
 protected:
  LineGutterTest() {
    window_.resize(400, 300);
    rich_ = new Editor(&window_);
    rich_->setGeometry(0, 0, 300, 300);
    other_ = new QWidget(&window_);
    other_->setFocusPolicy(Qt::StrongFocus);
    other_->setGeometry(300, 0, 100, 100);
    window_.show();
    window_.activateWindow();
    QApplication::setActiveWindow(&window_);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  QImage Grab() {
    QApplication::processEvents();
    return LineGutter::Of(rich_)->grab().toImage();
  }

  // Middle of line `line`'s cell (0-based), at the gutter's left part.
  QColor CellColour(const QImage& image, int line) {
    const long position = rich_->SendScintilla(
        Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long top =
        rich_->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, position);
    const long height = rich_->SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL);
    return image.pixelColor(2, static_cast<int>(top + height / 2));
  }

  QColor Blend(QPalette::ColorRole role, double p) {
    const QColor system = window_.palette().color(role);
    const BgrColour bgr = BlendWithWhite(
        system.red() | system.green() << 8 | system.blue() << 16, p);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16);
  }

  QWidget window_;
  Editor* rich_;
  QWidget* other_;
};

TEST_F(LineGutterTest, SwitchingOnTwiceAttachesOnceAndOffDetaches) {
  const QSize four = LineGutter::TextSize(rich_);
  LineGutter::Switch(rich_, true, 4);
  LineGutter::Switch(rich_, true, 6);
  EXPECT_EQ(rich_->findChildren<LineGutter*>().size(), 1);
  EXPECT_EQ(LineGutter::Of(rich_)->NumDigits(), 4);
  const int tray = LineGutter::Of(rich_)->TrayWidth();
  EXPECT_EQ(tray, four.width() + 20);
  EXPECT_EQ(rich_->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL), tray);
  rich_->setGeometry(0, 0, 300, 500);  // it follows the editor as it grows
  QApplication::processEvents();
  EXPECT_EQ(LineGutter::Of(rich_)->height(), rich_->viewport()->height());
  LineGutter::Switch(rich_, false, 4);
  LineGutter::Switch(rich_, false, 4);
  EXPECT_EQ(LineGutter::Of(rich_), nullptr);
  EXPECT_EQ(rich_->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL), 0);
  // The text size follows the digit count.
  LineGutter::Switch(rich_, true, 8);
  const QSize eight = LineGutter::TextSize(rich_);
  EXPECT_GT(four.width(), 0);
  EXPECT_NEAR(eight.width(), 2 * four.width(), 2);
  EXPECT_EQ(eight.height(), four.height());
}

TEST_F(LineGutterTest, SelectedLinesAreHighlightedByFocus) {
  rich_->SetBytes(QByteArray("line\r\n").repeated(30).toStdString());
  LineGutter::Switch(rich_, true, 4);
  rich_->Select(12, 26);  // lines 3 to 5, 1-based
  const QColor face = window_.palette().color(QPalette::Button);
  for (const auto& [focus, selected] :
       {std::pair<QWidget*, QColor>{rich_,
                                    Blend(QPalette::Highlight, kFocusedBlend)},
        {other_, Blend(QPalette::Button, kUnfocusedBlend)}}) {
    focus->setFocus();
    const QImage image = Grab();
    for (int line : {1, 5}) EXPECT_EQ(CellColour(image, line), face) << line;
    for (int line : {2, 3, 4}) EXPECT_EQ(CellColour(image, line), selected);
  }
}

// Rows of the gutter's picture with some ink in them: anti-aliased digits
// are drawn in shades of the (dark) text colour.
std::vector<bool> InkedRows(const QImage& image) {
  std::vector<bool> inked(image.height(), false);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width() - 1; ++x) {
      if (image.pixelColor(x, y).lightness() < 96) inked[y] = true;
    }
  }
  return inked;
}

TEST_F(LineGutterTest, NumbersAreDrawnInEveryVisibleCellAndNoFurther) {
  LineGutter::Switch(rich_, true, 4);
  const long height = rich_->SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL);
  // An empty document shows one numbered line.
  const std::vector<bool> empty = InkedRows(Grab());
  const auto inked_rows = std::count(empty.begin(), empty.end(), true);
  EXPECT_GT(inked_rows, 0);
  EXPECT_LE(inked_rows, height);

  rich_->SetBytes(QByteArray("line\r\n").repeated(200).toStdString());
  rich_->ScrollLines(100);
  const std::vector<bool> inked = InkedRows(Grab());
  const int rows = static_cast<int>(rich_->viewport()->height() / height);
  ASSERT_GT(rows, 3);
  for (int row = 0; row < rows; ++row) {
    EXPECT_TRUE(std::any_of(inked.begin() + row * height,
                            inked.begin() + (row + 1) * height,
                            [](bool ink) { return ink; }))
        << "row " << row;
  }
}

// A paint that asks for another paint keeps a core busy while nothing
// happens; each change of what the gutter shows still repaints it.
TEST_F(LineGutterTest, RepaintsOnlyWhenWhatItShowsChanges) {
  rich_->SetBytes(
      QByteArray(60, 'x').append("\r\n").repeated(200).toStdString());
  LineGutter::Switch(rich_, true, 4);
  rich_->setFocus();
  QTest::qWait(100);
  int paints = 0;
  testing::PaintWatch gutter(LineGutter::Of(rich_), [&paints] { ++paints; });
  QTest::qWait(300);
  EXPECT_EQ(paints, 0) << "idle";

  const std::pair<const char*, std::function<void()>> changes[] = {
      {"caret", [&] { rich_->Select(130, 130); }},
      {"typing", [&] { QTest::keyClick(rich_, Qt::Key_Return); }},
      {"scroll", [&] { rich_->ScrollLines(20); }},
      {"focus", [&] { other_->setFocus(); }},
      {"zoom", [&] { rich_->SendScintilla(Sci::SCI_ZOOMIN); }},
      {"wrap", [&] { rich_->SetWrapped(true); }},
  };
  for (const auto& [name, change] : changes) {
    paints = 0;
    change();
    QTest::qWait(50);
    EXPECT_GT(paints, 0) << name;
  }
}

}  // namespace
}  // namespace quillory
