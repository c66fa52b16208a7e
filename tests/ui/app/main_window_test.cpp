#include "app/ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "app/lang_table.h"
#include "app/named_captions.h"
#include "app/ui/document_tabs.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"
#include "support/window_test.h"

namespace quillory {
namespace {

// Windows started, and closed, on a program folder whose settings file a
// test writes first.
class MainWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<MainWindow> Start(std::optional<std::string> settings = {}) {
    if (settings) folder_.Write("program/settings.dat", *settings);
    return std::make_unique<MainWindow>(environment_, fakes_.Services());
  }
  QString Entry(const std::string& language, int index) {
    LangTable table;
    table.LoadFromFile(
        folder_.Path("program/languages/" + language + "/main.lng"));
    return QString::fromStdString(table.EntryOr(index, "?"));
  }
  // Without its mnemonic mark.
  QString Named(const std::string& language, const char* name) {
    NamedCaptions captions;
    captions.LoadFromFile(
        folder_.Path("program/languages/" + language + "/captions.lng"));
    return QString::fromStdString(captions.FindOr(name, "?"));
  }
  static QString MenuTitle(MainWindow& window, const char* name) {
    return window.findChild<QMenu*>(name)->title().remove('&');
  }
  static QString Text(MainWindow& window, const char* action) {
    return window.Action(action)->text();
  }

  testing::TestFolder folder_;
  AppEnvironment environment_ = folder_.ProgramEnvironment();
  testing::FakeServices fakes_;
};

TEST_F(MainWindowTest, HiddenPartsUntilADocumentOpens) {
  auto window = Start();
  window->show();
  EXPECT_EQ(window->windowTitle(), "Quillory");
  EXPECT_FALSE(window->ActiveEditor()->isVisible());
  EXPECT_FALSE(window->findChild<QWidget*>("CLoseB")->isVisible());
  EXPECT_FALSE(window->findChild<QWidget*>("TTab")->isVisible());
  EXPECT_FALSE(window->findChild<QWidget*>("Option1_0")->isVisible());
  window->NewTab("a.html");
  EXPECT_TRUE(window->ActiveEditor()->isVisible());
  EXPECT_TRUE(window->findChild<QWidget*>("CLoseB")->isVisible());
  EXPECT_TRUE(window->findChild<QWidget*>("Option1_1")->isVisible());
}

// Writing them back at exit is the settings write table and the end-to-end
// quit test.
TEST_F(MainWindowTest, SettingsFillTheRecentAndBrowserMenus) {
  auto window = Start(
      "LastOpened=/a/one.html\\\\\\/b/two.php\r\n"
      "extern=Firefox///%1///firefox\r\n");
  EXPECT_TRUE(window->Action("Recent_1")->isVisible());
  EXPECT_EQ(Text(*window, "Recent_1"), "two.php");
  EXPECT_FALSE(window->Action("Recent_2")->isVisible());
  EXPECT_TRUE(window->Action("ext_0")->isVisible());
  EXPECT_EQ(Text(*window, "ext_0"), "Firefox");
}

TEST_F(MainWindowTest, LongPathIsCutInTheMiddle) {
  auto window = Start();
  window->resize(700, 500);
  window->show();
  const int slot = window->NewTab("x.html");
  auto* label = window->findChild<QLabel*>("OpenedPath");
  const std::string long_path = "/" + std::string(400, 'd') + "/x.html";
  window->Tabs().At(slot).file_path = long_path;
  window->ShowPathCaption(slot);
  const QString shown = label->text();
  EXPECT_TRUE(shown.contains("..."));
  EXPECT_TRUE(shown.startsWith("/ddd"));
  EXPECT_TRUE(shown.endsWith("/x.html"));
  EXPECT_LT(shown.size(), static_cast<qsizetype>(long_path.size()));
}

TEST_F(MainWindowTest, CaptionsComeFromTheLanguagesTable) {
  auto window = Start("Language=english\r\n");
  for (const std::string language : {"english", "russian", "english"}) {
    window->CurrentSettings().language = language;
    window->SetLanguage();
    EXPECT_EQ(Text(*window, "OpenOld"), Entry(language, 5));
    EXPECT_EQ(Text(*window, "Chk"), Entry(language, 9) + " HTML-Tidy");
    EXPECT_EQ(window->findChild<QAbstractButton*>("Option1_1")->text(),
              Entry(language, 14));
    EXPECT_EQ(window->findChild<QMenu*>("Menu1")->title(),
              "&" + Entry(language, 0));
    emit window->findChild<QMenu*>("Menu1")->aboutToShow();
    EXPECT_EQ(Text(*window, "OpenOld").count('&'), 1);
    // Texts main.lng has no entry for, and Qt's own.
    EXPECT_EQ(Text(*window, "setNum"), Named(language, "setNum"));
    EXPECT_EQ(MenuTitle(*window, "Browsers"), Named(language, "Browsers"));
    EXPECT_EQ(window->findChild<QWidget*>("TImg_0")->toolTip(),
              Named(language, "TImg_0"));
    EXPECT_EQ(window->findChild<QTabWidget*>("TTab")->tabText(0),
              Named(language, "Page_Forms"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes",
              language == "english");
  }
  EXPECT_NE(Entry("english", 0), Entry("russian", 0));
}

TEST_F(MainWindowTest, EmptyLanguageMeansEnglishMissingTablesChangeNothing) {
  auto window = Start("Language=\r\n");
  EXPECT_EQ(window->CurrentSettings().language, "english");
  const QString quit = Text(*window, "Quit");
  EXPECT_EQ(quit, Entry("english", 7));

  window->CurrentSettings().language = "klingon";  // no such folder
  window->SetLanguage();
  EXPECT_EQ(Text(*window, "Quit"), quit);
  EXPECT_EQ(window->Lang().Size(), 135);

  // A short table changes only the captions it has.
  folder_.Write("program/languages/short/main.lng",
                "Fichier\r\nOutils\r\nlast line lost");
  window->CurrentSettings().language = "short";
  window->SetLanguage();
  EXPECT_EQ(MenuTitle(*window, "Menu1"), "Fichier");
  EXPECT_EQ(MenuTitle(*window, "SettingsMnu"), Entry("english", 2));
  EXPECT_EQ(Text(*window, "Quit"), quit);
  EXPECT_EQ(window->Lang().Size(), 2);
}

TEST_F(MainWindowTest, HelpWritesAFreshPageAndHandsItToTheDesktop) {
  auto window = Start("Language=english\r\n");
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

TEST_F(MainWindowTest, AboutDisablesTheMainWindowUntilItCloses) {
  auto window = Start("Language=russian\r\n");
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
  EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>());
  QTest::keyClick(about, Qt::Key_Escape);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, EveryReachableControlHasAName) {
  auto window = Start("Language=russian\r\n");
  window->show();
  window->NewTab("a.html");
  window->NewTab("b.html");
  EXPECT_EQ(testing::UnnamedControls(*window), std::vector<std::string>{});
}

}  // namespace
}  // namespace quillory
