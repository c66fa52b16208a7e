#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace quillory {
namespace {

// The close question has no way back, so Escape or the box's own close
// button must not count as No: that answer throws the changes away.
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

// Save As over an existing file must not lose it without a word.
TEST(QtDialogsTest, TheSaveChooserAsksBeforeReplacingAFile) {
  QtDialogs dialogs;
  bool asks = false;
  QTimer::singleShot(0, [&asks] {
    auto* chooser =
        qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    asks = !chooser->testOption(QFileDialog::DontConfirmOverwrite);
    chooser->reject();
  });
  EXPECT_EQ(dialogs.ChooseFileToSave({}), std::nullopt);
  EXPECT_TRUE(asks);
}

}  // namespace
}  // namespace quillory
