#include "projects/ui/project_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/ui/document_files.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class ProjectWindowTest : public testing::WindowTest {
 protected:
  ProjectWindow* Window() {
    return window_.findChild<ProjectWindow*>("Projects");
  }
  QListWidget* List(int n) {
    return Window()->findChild<QListWidget*>("List" + QString::number(n));
  }
  void Select(int list, const char* caption) {
    List(list)->setCurrentItem(
        List(list)->findItems(caption, Qt::MatchStartsWith).front());
  }
  void Click(int button) {
    QTest::mouseClick(Window()->findChild<QPushButton*>(
                          "Command1_" + QString::number(button)),
                      Qt::LeftButton);
  }
};

// Only saved documents go in, in the order chosen; a missing name or folder
// is reported, and Add to project refuses a document without a file.
// Saving and extending a project is the end-to-end project run.
TEST_F(ProjectWindowTest, SavesTheChosenDocumentsAndRefusesWhatHasNoFile) {
  const std::string one = folder_.Write("one.html", "1");
  const std::string two = folder_.Write("two.css", "2");
  OpenFile("one.html", "1");
  OpenFile("two.css", "2");
  Files().NewDocument("unknown.js", "", QIcon());
  Trigger("Save_projas");
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(List(1)->item(0)->text(), "one.html\t\t\t\t0");
  Select(1, "unknown.js");
  Click(0);
  EXPECT_EQ(fakes_.dialogs.messages.size(), 1u);
  Select(1, "two.css");
  Click(0);
  Select(1, "one.html");
  EXPECT_EQ(Window()->findChild<QLabel*>("PathLabel")->text().toStdString(),
            one);
  Click(0);
  Click(3);
  EXPECT_EQ(fakes_.dialogs.messages.size(), 2u);  // no file name yet

  Window()->findChild<QLineEdit*>("Text1")->setText(
      QString::fromStdString(folder_.Path("missing/site.qlp")));
  Click(3);
  EXPECT_EQ(fakes_.dialogs.messages.size(), 3u);  // the write failed
  ASSERT_NE(Window(), nullptr);

  fakes_.dialogs.chosen_files = {folder_.Path("site")};  // ".qlp" added
  Click(2);
  Click(3);
  EXPECT_EQ(folder_.Read("site.qlp"), two + "\r\n" + one);

  Trigger("Add2Proj");  // unknown.js has no file name
  EXPECT_EQ(fakes_.dialogs.messages.size(), 4u);
  EXPECT_EQ(folder_.Read("site.qlp"), two + "\r\n" + one);

  // A typed name of a file that exists is replaced only when the user says
  // so; the chooser has asked already.
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Trigger("Save_projas");
  Select(1, "one.html");
  Click(0);
  Window()->findChild<QLineEdit*>("Text1")->setText(
      QString::fromStdString(one));
  fakes_.dialogs.answers = {Answer::kNo};
  Click(3);
  EXPECT_EQ(fakes_.dialogs.questions.size(), 1u);
  EXPECT_EQ(folder_.Read("one.html"), "1");
}

}  // namespace
}  // namespace quillory
