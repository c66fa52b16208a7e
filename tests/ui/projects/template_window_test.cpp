#include "projects/ui/template_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/ui/document_tabs.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class TemplateWindowTest : public testing::WindowTest {
 protected:
  // Only the user's templates, so the grid holds what the test wrote.
  TemplateWindowTest() {
    std::filesystem::remove_all(folder_.Path("program/templates"));
    folder_.Write("home/config/templates/page.html", "<p>\r\nx\r\r\n");
    folder_.Write("home/config/templates/README", "read me");
  }
  TemplateWindow* Window() {
    return window_.findChild<TemplateWindow*>("Form1");
  }
  QListWidget* Grid() { return Window()->findChild<QListWidget*>(); }
  // Lets a closed window go, as the event loop would.
  void Click(const char* button) {
    QTest::mouseClick(Window()->findChild<QPushButton*>(button),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void Pick(const char* name) {
    Grid()->findItems(name, Qt::MatchExactly).front()->setSelected(true);
  }
  int Active() { return Tabs().ActiveSlot(); }
};

// The template's lines come in joined with CR LF and without the last line
// end; the document is untitled, unsaved, and its text is the bottom of its
// undo history.
TEST_F(TemplateWindowTest, CreatesAnUntitledDocumentFromATemplate) {
  Trigger("OpnNew");
  ASSERT_NE(Window(), nullptr);
  Pick("page");
  Click("Create");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Tabs().Caption(Active()), "unknown.html");
  EXPECT_EQ(Text(), "<p>\r\nx\r\n");
  EXPECT_FALSE(Tabs().At(Active()).saved);
  EXPECT_FALSE(Action("Undo")->isEnabled());
  Rich().setFocus();
  Type("y");
  Trigger("Undo");
  EXPECT_EQ(Text(), "<p>\r\nx\r\n");
}

// Choosing a type after a template, or cancelling, starts a blank document.
TEST_F(TemplateWindowTest, TypeListAndCancelDropTheTemplateChoice) {
  Trigger("OpnNew");
  Pick("README");
  Window()->findChild<QComboBox*>("TypeList")->setCurrentIndex(2);
  EXPECT_EQ(Window()->SelectedIndex(), -1);
  Pick("page");
  Click("CancelSelection");
  Click("Create");
  EXPECT_EQ(Tabs().Caption(Active()), "unknown.css");
  EXPECT_EQ(Text(), "");
}

// A name that leaves the folder is refused; a plain one is written there.
TEST_F(TemplateWindowTest, AddToTemplatesStaysInsideTheFolder) {
  OpenFile("a.html", "<b>new</b>");
  fakes_.dialogs.typed_texts = {"../escaped.html", "mine.html"};
  Trigger("Add_Template");
  EXPECT_EQ(fakes_.dialogs.messages.size(), 1u);
  EXPECT_FALSE(folder_.Exists("program/escaped.html"));
  Trigger("Add_Template");
  EXPECT_EQ(folder_.Read("program/templates/mine.html"), "<b>new</b>");
}

}  // namespace
}  // namespace quillory
