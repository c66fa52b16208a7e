#include "app/ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "app/ui/document_tabs.h"
#include "app/ui/menu_actions.h"
#include "editor/ui/editor.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

constexpr char kDefaultFile[] =
    "Language=english\r\nIsHTTPServer=0\r\nPathToHTTPD=\r\n"
    "LastOpened=\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\r\nTidy="
    "false\r\n\r\n\r\n\r\n\r\n";

TEST(MainWindowStartTest, HiddenPartsUntilADocumentOpens) {
  testing::TestFolder folder;
  testing::FakeServices fakes;
  MainWindow window(folder.ProgramEnvironment(), fakes.Services());
  window.show();
  EXPECT_EQ(window.windowTitle(), "Quillory");
  EXPECT_FALSE(window.ActiveEditor()->isVisible());
  EXPECT_FALSE(window.findChild<QWidget*>("CLoseB")->isVisible());
  EXPECT_FALSE(window.findChild<QWidget*>("TTab")->isVisible());
  EXPECT_FALSE(window.findChild<QWidget*>("Option1_0")->isVisible());
  window.NewTab("a.html");
  EXPECT_TRUE(window.ActiveEditor()->isVisible());
  EXPECT_TRUE(window.findChild<QWidget*>("CLoseB")->isVisible());
  EXPECT_TRUE(window.findChild<QWidget*>("Option1_1")->isVisible());
}

TEST(MainWindowMenuTest, EveryCommandExistsByName) {
  testing::TestFolder folder;
  testing::FakeServices fakes;
  MainWindow window(folder.ProgramEnvironment(), fakes.Services());
  for (const ActionSpec& spec : MainActions()) {
    QAction* action = window.Action(spec.object_name);
    ASSERT_NE(action, nullptr) << spec.object_name;
    EXPECT_EQ(action->isEnabled(), spec.availability == Availability::kAlways)
        << spec.object_name;
  }
  for (const MenuSpec& spec : MainMenus()) {
    EXPECT_NE(window.findChild<QMenu*>(spec.object_name), nullptr)
        << spec.object_name;
  }
  EXPECT_EQ(window.Action("Quit")->shortcut(), QKeySequence("Ctrl+Q"));
}

TEST(MainWindowSettingsTest, QuitWritesTheNineLinesByteForByte) {
  testing::TestFolder folder;
  {
    testing::FakeServices fakes;
    MainWindow window(folder.ProgramEnvironment(), fakes.Services());
    window.show();
    window.Action("Quit")->trigger();
  }
  EXPECT_EQ(folder.Read("program/settings.dat"), kDefaultFile);
}

TEST(MainWindowSettingsTest, ReadSettingsSurviveTheRoundTrip) {
  testing::TestFolder folder;
  const std::string file =
      "Language=russian\r\nIsHTTPServer=1\r\nPathToHTTPD=/srv/www\r\n"
      "LastOpened=/a/one.html\\\\\\/b/two.php\\\\\\\\\\\\\\\\\\\\\\\\\r\n"
      "Tidy=true\r\nplugin=up\\\\\\libup.so\r\n"
      "extern=Firefox///%1///firefox///firefox///\r\n"
      "php=/usr/bin/php\r\nopen_last_session=1\r\n";
  folder.Write("program/settings.dat", file);
  {
    testing::FakeServices fakes;
    MainWindow window(folder.ProgramEnvironment(), fakes.Services());
    EXPECT_TRUE(window.Action("Recent_1")->isVisible());
    EXPECT_EQ(window.Action("Recent_1")->text(), "two.php");
    EXPECT_FALSE(window.Action("Recent_2")->isVisible());
    EXPECT_EQ(window.Action("ext_0")->text(), "Firefox");
    EXPECT_TRUE(window.Action("ext_0")->isVisible());
    window.close();
  }
  EXPECT_EQ(folder.Read("program/settings.dat"), file);
}

TEST(MainWindowSettingsTest, BrokenFilesStartWithDefaultsAndAreRewritten) {
  const std::string huge_garbage(10 * 1024 * 1024, '\xff');
  const std::string cases[] = {
      "",
      std::string("\0\0\0\x1a\x01\x02", 6),
      huge_garbage,
      "====\r\n=x\r\nLanguage\r\nIsHTTPServer=abc\r\nphp=/bin/php\r\n",
  };
  for (const std::string& bytes : cases) {
    testing::TestFolder folder;
    folder.Write("program/settings.dat", bytes);
    {
      testing::FakeServices fakes;
      MainWindow window(folder.ProgramEnvironment(), fakes.Services());
      window.close();
    }
    const std::string written = folder.Read("program/settings.dat");
    if (bytes.find("php=") != std::string::npos) {
      EXPECT_NE(written.find("\r\nphp=/bin/php\r\n"), std::string::npos);
    } else {
      EXPECT_EQ(written, kDefaultFile);
    }
  }
}

TEST(MainWindowPathTest, LongPathIsCutInTheMiddle) {
  testing::TestFolder folder;
  testing::FakeServices fakes;
  MainWindow window(folder.ProgramEnvironment(), fakes.Services());
  window.resize(700, 500);
  window.show();
  const int slot = window.NewTab("x.html");
  auto* label = window.findChild<QLabel*>("OpenedPath");
  window.Tabs().At(slot).file_path = "/short/x.html";
  window.ShowPathCaption(slot);
  EXPECT_EQ(label->text(), "/short/x.html");
  const std::string long_path = "/" + std::string(400, 'd') + "/x.html";
  window.Tabs().At(slot).file_path = long_path;
  window.ShowPathCaption(slot);
  const QString shown = label->text();
  EXPECT_TRUE(shown.contains("..."));
  EXPECT_TRUE(shown.startsWith("/ddd"));
  EXPECT_TRUE(shown.endsWith("/x.html"));
  EXPECT_LT(shown.size(), static_cast<qsizetype>(long_path.size()));
}

}  // namespace
}  // namespace quillory
