#include "tools/ui/tool_commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QUrl>

#include "core/tools/tool_fixtures.h"
#include "support/window_test.h"
#include "tools/ui/output_window.h"
#include "tools/ui/tool_busy_window.h"

namespace quillory {
namespace {

using testing::ToolFixture;

class ToolCommandsTest : public testing::WindowTest {
 protected:
  // Only Tidy's defaults, whatever this machine's configuration says.
  ToolCommandsTest() {
    setenv("HTML_TIDY", QUILLORY_TOOL_FIXTURES "/tidy-defaults.conf", 1);
  }

  // Chooses `command` and waits for its tool to end.
  void Run(const char* command) {
    Trigger(command);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Tools().Running(); }, 10000));
  }
  QWidget* ShownView() {
    return Tools().Output()->findChild<QStackedWidget*>()->currentWidget();
  }
};

// Repair as one change that Undo takes back is the end-to-end Tidy run.
TEST_F(ToolCommandsTest, CheckShowsTidysMessages) {
  OpenFile("page.html", ToolFixture("tidy-clean", "input"));
  Run("ChkByTidy");
  EXPECT_EQ(ShownView()->objectName(), "Status");
  EXPECT_EQ(static_cast<QPlainTextEdit*>(ShownView())->toPlainText(),
            QString::fromStdString(ToolFixture("tidy-check", "expected"))
                .replace("\r\n", "\n"));
}

TEST_F(ToolCommandsTest, WithoutTidyErrTakesThePagesPlaceUntilUndo) {
  const std::string path = getenv("PATH");
  setenv("PATH", folder_.Path("").c_str(), 1);
  OpenFile("page.html", "<p>x");
  Run("ConvToXHTML");
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(Text(), "ERR");
  Trigger("Undo");
  EXPECT_EQ(Text(), "<p>x");
}

// Nothing can change the documents while a tool runs; a stopped tool's
// output so far is written whole to a page that the browser shows, and a
// check flips the output window back to its messages.
TEST_F(ToolCommandsTest, ALoopingScriptIsStoppedFromTheBusyWindow) {
  OpenFile("loop.php",
           "<?php echo 'so far'; while (true) { usleep(10000); }\r\n");
  Trigger("phpEXE");
  EXPECT_FALSE(Rich().isEnabled());
  EXPECT_FALSE(Action("SaveHtml")->isEnabled());
  ToolBusyWindow* busy = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    busy = window_.findChild<ToolBusyWindow*>("ToolBusy");
    return busy != nullptr && busy->isVisible();
  }));
  QTest::mouseClick(busy->findChild<QPushButton*>("StopTool"), Qt::LeftButton);
  EXPECT_FALSE(Tools().Running());
  EXPECT_TRUE(Rich().isEnabled());
  EXPECT_TRUE(Action("SaveHtml")->isEnabled());
  EXPECT_EQ(Status(), "The external program was stopped.");
  QWidget* web = ShownView();
  EXPECT_EQ(web->objectName(), "Web");
  QSignalSpy loaded(web, SIGNAL(loadFinished(bool)));
  ASSERT_TRUE(loaded.wait(10000));
  EXPECT_TRUE(loaded.last().at(0).toBool());
  const QString page = web->property("url").toUrl().path();
  EXPECT_EQ(ReadTextFile(page.toStdString()), "<html>so far\r\n");
  Run("phpCheck");
  EXPECT_EQ(ShownView()->objectName(), "Status");
}

}  // namespace
}  // namespace quillory
