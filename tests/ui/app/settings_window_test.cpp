#include "app/ui/settings_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

#include "base/settings.h"
#include "support/window_test.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;

class SettingsWindowTest : public testing::WindowTest {
 protected:
  // Opens the window by `command` once the last one has gone.
  void Open(const char* command) {
    QTRY_VERIFY(window_.findChild<SettingsWindow*>() == nullptr);
    Trigger(command);
    settings_window_ = window_.findChild<SettingsWindow*>("SettingsF");
    ASSERT_NE(settings_window_, nullptr);
  }
  template <typename T>
  T* Part(const QString& name) {
    return settings_window_->findChild<T*>(name);
  }
  void Click(const QString& name) { Part<QAbstractButton>(name)->click(); }
  bool Registered(Association association) {
    return fakes_.file_types.registered.contains({"text/html", association});
  }

  SettingsWindow* settings_window_ = nullptr;
};

// OK applies the language, preview mode and folder; browsers and file types
// change at once; a language without main.lng keeps the captions.
TEST_F(SettingsWindowTest, AppliesOnOkAndActsAtOnceElsewhere) {
  Settings& settings = CurrentSettings();
  const std::string program = Environment().program_folder;
  fs::create_directory(program + "languages/bare");
  settings.php = program;  // a folder runs as no interpreter
  Open("ChangeLanguage");
  QTRY_COMPARE(Part<QLabel>("PhpVersion")->text(), "PHP not available");
  Part<QComboBox>("Combo1")->setCurrentText("russian");
  EXPECT_FALSE(Part<QLineEdit>("Text1")->isEnabled());
  Click("Option1_1");
  Part<QLineEdit>("Text1")->setText("/srv/www/");

  Click("AddBrowser");
  EXPECT_EQ(fakes_.dialogs.messages.size(), 1u);  // "Some fields are empty!"
  auto* list = Part<QListWidget>("List1");
  const int added = list->count();
  const char* fields[] = {"Lynx", "%1", "lynx", "/usr/bin/lynx", ""};
  for (int i = 0; i < 5; ++i)
    Part<QLineEdit>(QString("Field%1").arg(i))->setText(fields[i]);
  Click("AddBrowser");
  list->setCurrentRow(added);
  QTest::keyClicks(Part<QLineEdit>("Field1"), " -x");
  EXPECT_EQ(settings.external_browsers[added + 1][1], "%1 -x");
  Click("RemoveBrowser");
  EXPECT_EQ(list->count(), added + 1);
  Click("OK");  // the fields written are the end-to-end settings run's
  const QString russian = Action("ChangeLanguage")->text();
  EXPECT_EQ(russian, "Сменить язык...");
  const QString browsers = window_.findChild<QMenu*>("Browsers")->title();
  EXPECT_FALSE(Action(("ext_" + std::to_string(added)).c_str())->isVisible());

  settings.php =
      folder_.Write("php", "#!/bin/sh\necho 'PHP 9 (cli)'\necho Copyright\n");
  fs::permissions(settings.php, fs::perms::owner_exec, fs::perm_options::add);
  Open("extensions");
  EXPECT_EQ(Part<QTabWidget>("Pages")->currentIndex(), 4);
  QTRY_COMPARE(Part<QLabel>("PhpVersion")->text(), "PHP 9 (cli)\n");
  // One box per MIME type, naming what it changes.
  EXPECT_EQ(Part<QAbstractButton>("Check1_3")->text(),
            ".php, .phtml, .php3 (application/x-php)");
  Click("Check1_0");
  EXPECT_TRUE(Registered(Association::kDefault));
  Click("Mode_1");
  EXPECT_FALSE(Part<QAbstractButton>("Check1_0")->isChecked());
  Click("Check1_0");
  EXPECT_TRUE(Registered(Association::kAdded));
  Part<QComboBox>("Combo1")->setCurrentText("bare");
  Click("OK");
  EXPECT_EQ(settings.language, "bare");
  EXPECT_EQ(Action("ChangeLanguage")->text(), russian);
  EXPECT_EQ(window_.findChild<QMenu*>("Browsers")->title(), browsers);
}

}  // namespace
}  // namespace quillory
