#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>

#include <filesystem>

#include "app/lang_table.h"
#include "app/ui/main_window.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using testing::FakeServices;
using testing::TestFolder;

QString Entry(const TestFolder& folder, const std::string& language,
              int index) {
  LangTable table;
  table.LoadFromFile(
      folder.Path("program/languages/" + language + "/main.lng"));
  return QString::fromStdString(table.EntryOr(index, "?"));
}

class InterfaceLanguageTest : public ::testing::Test {
 protected:
  InterfaceLanguageTest() : environment_(folder_.ProgramEnvironment()) {}

  std::unique_ptr<MainWindow> StartWith(const std::string& language) {
    folder_.Write("program/settings.dat", "Language=" + language + "\r\n");
    return std::make_unique<MainWindow>(environment_, fakes_.Services());
  }
  QString MenuTitle(MainWindow& window, const char* name) {
    return window.findChild<QMenu*>(name)->title();
  }
  QString ActionText(MainWindow& window, const char* name) {
    return window.Action(name)->text();
  }

  TestFolder folder_;
  AppEnvironment environment_;
  FakeServices fakes_;
};

TEST_F(InterfaceLanguageTest, CaptionsComeFromTheLanguagesTable) {
  for (const std::string language : {"english", "russian"}) {
    auto window = StartWith(language);
    EXPECT_EQ(MenuTitle(*window, "Menu1"), Entry(folder_, language, 0));
    EXPECT_EQ(MenuTitle(*window, "HelpMnu"), Entry(folder_, language, 3));
    EXPECT_EQ(MenuTitle(*window, "PlugIns"), Entry(folder_, language, 92));
    EXPECT_EQ(ActionText(*window, "OpenOld"), Entry(folder_, language, 5));
    EXPECT_EQ(ActionText(*window, "CloseAllWnd"),
              Entry(folder_, language, 121));
    EXPECT_EQ(ActionText(*window, "save_session"),
              Entry(folder_, language, 134));
    EXPECT_EQ(ActionText(*window, "Chk"),
              Entry(folder_, language, 9) + " HTML-Tidy");
    EXPECT_EQ(ActionText(*window, "view_browse"), Entry(folder_, language, 14));
    EXPECT_EQ(window->findChild<QAbstractButton*>("Option1_0")->text(),
              Entry(folder_, language, 13));
    EXPECT_EQ(window->findChild<QAbstractButton*>("Option1_1")->text(),
              Entry(folder_, language, 14));
  }
  EXPECT_NE(Entry(folder_, "english", 0), Entry(folder_, "russian", 0));
}

TEST_F(InterfaceLanguageTest, EmptyLanguageMeansEnglishFromThenOn) {
  auto window = StartWith("");
  EXPECT_EQ(window->CurrentSettings().language, "english");
  EXPECT_EQ(ActionText(*window, "Quit"), Entry(folder_, "english", 7));
}

TEST_F(InterfaceLanguageTest, MissingOrShortTablesLeaveCaptionsAsTheyWere) {
  auto window = StartWith("english");
  const QString quit = ActionText(*window, "Quit");

  window->CurrentSettings().language = "klingon";  // no such folder
  window->SetLanguage();
  EXPECT_EQ(ActionText(*window, "Quit"), quit);
  EXPECT_EQ(window->Lang().Size(), 135);

  folder_.Write("program/languages/short/main.lng",
                "Fichier\r\nOutils\r\nlast line lost");
  window->CurrentSettings().language = "short";
  window->SetLanguage();
  EXPECT_EQ(MenuTitle(*window, "Menu1"), "Fichier");
  EXPECT_EQ(MenuTitle(*window, "SettingsMnu"), Entry(folder_, "english", 2));
  EXPECT_EQ(ActionText(*window, "Quit"), quit);
  EXPECT_EQ(window->Lang().Size(), 2);
}

TEST_F(InterfaceLanguageTest, HelpWritesAFreshPageAndHandsItToTheDesktop) {
  auto window = StartWith("english");
  window->Action("HELP")->trigger();
  window->Action("HELP")->trigger();
  const std::vector<std::string>& opened = fakes_.desktop.opened;
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_NE(opened[0], opened[1]);
  for (const std::string& page : opened) {
    EXPECT_EQ(page.rfind(environment_.temp_folder, 0), 0u) << page;
    EXPECT_EQ(folder_.Read(page.substr(folder_.Path("").size())),
              folder_.Read("program/languages/english/help.lng") + "\r\n");
  }
}

TEST_F(InterfaceLanguageTest, AboutDisablesTheMainWindowUntilItCloses) {
  auto window = StartWith("russian");
  window->show();
  window->Action("About")->trigger();
  QWidget* about = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "AboutWindow" && top->isVisible()) about = top;
  }
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(window->isEnabled());
  EXPECT_TRUE(about->isEnabled());
  EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(),
            QString::fromStdString(
                folder_.Read("program/languages/russian/about.lng")));
  EXPECT_EQ(about->findChild<QLabel*>("Label2")->text(),
            Entry(folder_, "russian", 87));

  about->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window->isEnabled());
}

}  // namespace
}  // namespace quillory
