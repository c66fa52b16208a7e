#include "platform/qt/qt_font_chooser.h"

#include <gtest/gtest.h>
#include <QToolButton>

namespace quillory {
namespace {

FontChoice RedBoldDejaVu() {
  FontChoice start;
  start.face = "DejaVu Sans";
  start.size = 12;
  start.colour = 0x0000FF;
  start.bold = true;
  start.underline = true;
  start.charset = 7;
  return start;
}

TEST(QtFontChooserTest, UnchangedChoiceComesBackAsItWent) {
  QtFontChooser chooser(RedBoldDejaVu(), FontChooserExtras::kColourAndEffects);
  const FontChoice chosen = chooser.Chosen();
  EXPECT_EQ(chosen.face, "DejaVu Sans");
  EXPECT_EQ(chosen.size, 12);
  EXPECT_EQ(chosen.colour, 0x0000FFu);
  EXPECT_TRUE(chosen.bold);
  EXPECT_TRUE(chosen.underline);
  EXPECT_FALSE(chosen.italic);
  EXPECT_FALSE(chosen.strikethrough);
  EXPECT_EQ(chosen.charset, 7);
}

TEST(QtFontChooserTest, ColourIsOfferedOnlyWithTheExtras) {
  QtFontChooser with(RedBoldDejaVu(), FontChooserExtras::kColourAndEffects);
  QtFontChooser without(RedBoldDejaVu(), FontChooserExtras::kNone);
  with.show();
  without.show();
  EXPECT_TRUE(with.findChild<QToolButton*>("FontColour")->isVisible());
  EXPECT_FALSE(without.findChild<QToolButton*>("FontColour")->isVisible());
}

}  // namespace
}  // namespace quillory
