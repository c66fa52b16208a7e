#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <tuple>

#include "platform/qt/qt_font_chooser.h"
#include "support/window_test.h"

namespace quillory {
namespace {

// A question whose No loses something, such as the recovered texts, is not
// answered No by Escape or the box's own close button.
TEST(QtDialogsTest, YesOrNoIsAnsweredOnlyByItsButtons) {
  QtDialogs dialogs;
  bool stayed_open = false;
  QTimer::singleShot(0, [&stayed_open] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    box->windowHandle()->close();
    stayed_open = box->isVisible();
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(dialogs.AskYesNo("Save?", MessageIcon::kWarning), Answer::kYes);
  EXPECT_TRUE(stayed_open);
}

// Save As over an existing file must not lose it without a word; a list
// named "work" is asked about as the "work.qlp" it would replace.
TEST(QtDialogsTest, TheSaveChooserAsksBeforeReplacingAFile) {
  QtDialogs dialogs;
  bool asks = false;
  QString suffix;
  QTimer::singleShot(0, [&asks, &suffix] {
    auto* chooser =
        qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    asks = !chooser->testOption(QFileDialog::DontConfirmOverwrite);
    suffix = chooser->defaultSuffix();
    chooser->reject();
  });
  EXPECT_EQ(dialogs.ChooseFileToSave({}, "qlp"), std::nullopt);
  EXPECT_TRUE(asks);
  EXPECT_EQ(suffix, "qlp");
}

const FontChoice kRedBoldDejaVu{.face = "DejaVu Sans",
                                .size = 12,
                                .colour = 0x0000FF,
                                .bold = true,
                                .underline = true,
                                .charset = 7};

TEST(QtFontChooserTest, UnchangedChoiceComesBackAsItWent) {
  const auto fields = [](const FontChoice& f) {
    return std::tuple(f.face, f.size, f.colour, f.bold, f.italic, f.underline,
                      f.strikethrough, f.charset);
  };
  QtFontChooser chooser(kRedBoldDejaVu, FontChooserExtras::kColourAndEffects);
  EXPECT_EQ(fields(chooser.Chosen()), fields(kRedBoldDejaVu));
}

// Neither the colour button nor its label shows without the extras.
TEST(QtFontChooserTest, ColourIsOfferedOnlyWithTheExtras) {
  const auto shows_colour = [](const QtFontChooser& chooser) {
    const auto* button = chooser.findChild<QToolButton*>("FontColour");
    const auto labels = chooser.findChildren<QLabel*>();
    return (button && button->isVisible()) ||
           std::ranges::any_of(labels, [](const QLabel* label) {
             return label->text() == QCoreApplication::translate(
                                         "QColorDialog", "Select Color") &&
                    label->isVisible();
           });
  };
  QtFontChooser with(kRedBoldDejaVu, FontChooserExtras::kColourAndEffects);
  QtFontChooser without(kRedBoldDejaVu, FontChooserExtras::kNone);
  with.show();
  without.show();
  EXPECT_TRUE(shows_colour(with));
  EXPECT_FALSE(shows_colour(without));
}

// Esc in a field goes to the font dialog inside, which used to hide only
// itself and leave an empty chooser open.
TEST(QtFontChooserTest, EscClosesItAndEveryControlIsNamed) {
  QtFontChooser chooser(kRedBoldDejaVu, FontChooserExtras::kColourAndEffects);
  chooser.show();
  EXPECT_EQ(testing::UnnamedControls(chooser), std::vector<std::string>{});
  QTest::keyClick(chooser.findChild<QLineEdit*>(), Qt::Key_Escape);
  EXPECT_FALSE(chooser.isVisible());
  EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace quillory
