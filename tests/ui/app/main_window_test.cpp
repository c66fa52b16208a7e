#include "app/ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <utility>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "editor/ui/editor.h"
#include "editor/ui/line_gutter.h"
#include "support/window_test.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;

// The window starts without settings.dat, so in the default language.
class MainWindowTest : public testing::WindowTest {
 protected:
  QString Entry(const std::string& language, int index) {
    LangTable table;
    table.LoadFromFile(
        folder_.Path("program/languages/" + language + "/main.lng"));
    return QString::fromStdString(table.EntryOr(index, "?"));
  }
  QString Named(const std::string& language, const char* name) {
    NamedCaptions captions;
    captions.LoadFromFile(
        folder_.Path("program/languages/" + language + "/captions.lng"));
    return QString::fromStdString(captions.FindOr(name, "?"));
  }
  // Without its mnemonic mark.
  QString MenuTitle(const char* name) {
    return window_.findChild<QMenu*>(name)->title().remove('&');
  }
  QString Caption(const char* action) { return Action(action)->text(); }
};

// They hide again when the last document closes; its slot comes back
// empty.
TEST_F(MainWindowTest, HiddenPartsUntilADocumentOpens) {
  EXPECT_EQ(window_.windowTitle(), "Quillory");
  EXPECT_FALSE(Rich().isVisible());
  for (const char* part : {"CLoseB", "TTab", "Option1_0"})
    EXPECT_FALSE(window_.findChild<QWidget*>(part)->isVisible()) << part;
  window_.NewTab("a.html");
  EXPECT_TRUE(Rich().isVisible());
  EXPECT_TRUE(window_.findChild<QWidget*>("CLoseB")->isVisible());
  EXPECT_TRUE(window_.findChild<QWidget*>("Option1_1")->isVisible());
  Rich().SetBytes("a");
  Tabs().FreeSlot(0);
  EXPECT_FALSE(Rich().isVisible());
  EXPECT_EQ(window_.windowTitle(), "Quillory");
  for (int i = 0; i < kSlotCount; ++i) window_.NewTab("b.html");
  EXPECT_EQ(Text(), "");
}

// Writing them back at exit is the settings write table and the end-to-end
// quit test. The tool submenus follow the settings from the first paint. The
// browser is never started for text that is not in its file.
TEST_F(MainWindowTest, SettingsFillTheRecentAndBrowserMenus) {
  const std::string refusing = folder_.Write(
      "refusing", "#!/bin/sh\necho \"$1: no display\" >&2\nexit 1\n");
  fs::permissions(refusing, fs::perms::owner_exec, fs::perm_options::add);
  folder_.Write("program/settings.dat",
                "LastOpened=/a/one.html\\\\\\/b/two.php\r\n"
                "extern=Firefox///%1///missing-browser\r\n"
                "extern=Refusing///-x %1///refusing///" +
                    refusing + "\r\nTidy=true\r\nPhp=php\r\n");
  MainWindow window(folder_.ProgramEnvironment(), fakes_.Services());
  for (const char* submenu : {"htmlTidy", "PHP"}) {
    EXPECT_TRUE(window.findChild<QMenu*>(submenu)->menuAction()->isEnabled())
        << submenu;
  }
  EXPECT_EQ(testing::FindAction(window, "Recent_1")->text(), "two.php");
  EXPECT_TRUE(testing::FindAction(window, "Recent_1")->isVisible());
  EXPECT_FALSE(testing::FindAction(window, "Recent_2")->isVisible());
  EXPECT_EQ(testing::FindAction(window, "ext_0")->text(), "Firefox");
  EXPECT_TRUE(testing::FindAction(window, "ext_0")->isVisible());
  window.NewTab("new.html");
  testing::FindAction(window, "ext_0")->trigger();
  window.Commands().files.OpenFile(folder_.Write("a.html", "<p>"), true);
  window.CallRichChange();
  testing::FindAction(window, "ext_0")->trigger();
  EXPECT_EQ(fakes_.dialogs.messages,
            (std::vector<std::string>{"Open file first!", "Save file first!"}));
  // A browser that ends at once says why, and gets its open command.
  window.Commands().files.OpenFile(folder_.Write("b.html", "<p>"), true);
  testing::FindAction(window, "ext_1")->trigger();
  QTRY_COMPARE(fakes_.dialogs.messages.size(), 3u);
  EXPECT_EQ(fakes_.dialogs.messages[2],
            "The browser " + refusing + " ended at once: -x: no display");
}

// Tidy's and PHP's commands need a document and their setting.
TEST_F(MainWindowTest, ToolCommandsFollowTheSettings) {
  EXPECT_FALSE(Action("repByTidy")->isEnabled());
  for (const bool tidy : {true, false}) {
    CurrentSettings().tidy = tidy;
    CurrentSettings().php = tidy ? "" : "php";
    window_.NewTab("a.html");
    for (const char* command : {"Chk", "repByTidy", "TagsToUpperCase"}) {
      EXPECT_EQ(Action(command)->isEnabled(), tidy) << command;
    }
    EXPECT_EQ(window_.findChild<QMenu*>("htmlTidy")->menuAction()->isEnabled(),
              tidy);
    for (const char* command : {"phpCheck", "phpCompact"}) {
      EXPECT_EQ(Action(command)->isEnabled(), !tidy) << command;
    }
  }
}

// A failed run says so under its own title and changes nothing; a result
// replaces the text coloured, as one change that Undo takes back.
TEST_F(MainWindowTest, PluginEntriesRunTheirPlugins) {
  const std::string plugins = folder_.Path("program/plug-ins");
  fs::create_directories(plugins);
  fs::copy_file(QUILLORY_TEST_PLUGINS "test_plugin.so",
                plugins + "/test_plugin.so");
  CurrentSettings().plugins = {"Broken\\\\\\test_plugin.so",
                               "Upper\\\\\\test_plugin.so"};
  window_.Init({});
  OpenFile("a.html", "<b>x</b>");
  Trigger("mplug_0");
  EXPECT_EQ(fakes_.dialogs.messages,
            std::vector<std::string>{"Error in plugin: broken on purpose"});
  EXPECT_EQ(Text(), "<b>x</b>");
  Trigger("mplug_1");
  EXPECT_EQ(Text(), "<B>X</B>@0-0");
  EXPECT_EQ(Rich().StyleAt(0), 2);  // coloured as a tag
  EXPECT_FALSE(Tabs().At(Tabs().ActiveSlot()).saved);
  Trigger("Undo");
  EXPECT_EQ(Text(), "<b>x</b>");
}

TEST_F(MainWindowTest, CaptionsComeFromTheLanguagesTable) {
  OpenFile("a.html", "x");
  QString status;
  fakes_.dialogs.while_asking = [this, &status] { status = Status(); };
  for (const char* language : {"russian", "english"}) {
    ChooseLanguage(language);
    EXPECT_EQ(Caption("OpenOld"), Entry(language, 5));
    EXPECT_EQ(Caption("Chk"), Entry(language, 9) + " HTML-Tidy");
    EXPECT_EQ(window_.findChild<QAbstractButton*>("Option1_1")->text(),
              Entry(language, 14));
    EXPECT_EQ(window_.findChild<QMenu*>("Menu1")->title(),
              "&" + Entry(language, 0));
    emit window_.findChild<QMenu*>("Menu1")->aboutToShow();
    EXPECT_EQ(Caption("OpenOld").count('&'), 1);
    // Texts main.lng has no entry for, and Qt's own.
    EXPECT_EQ(Caption("setNum"), Named(language, "setNum"));
    EXPECT_EQ(MenuTitle("Browsers"), Named(language, "Browsers"));
    EXPECT_EQ(window_.findChild<QAbstractButton*>("Image1_0")->text(),
              Named(language, "Image1_0"));
    // The tag panel and the Save As status keep their fixed texts.
    EXPECT_EQ(window_.findChild<QTabWidget*>("TTab")->tabText(0), "Forms");
    Trigger("SaveHtmlAs");
    EXPECT_EQ(status, "Подождите");
    fakes_.dialogs.print_targets.push_back(
        PrintTarget{PrintOutput::kPdfFile, "/no/such/folder/a.pdf"});
    fakes_.dialogs.messages.clear();
    Trigger("Prnt");
    EXPECT_EQ(fakes_.dialogs.no_printer_text,
              Named(language, "NoPrinter").toStdString());
    EXPECT_EQ(fakes_.dialogs.messages,
              std::vector<std::string>{Named(language, "PrintFailed")
                                           .arg("/no/such/folder/a.pdf")
                                           .toStdString()});
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes",
              language == std::string("english"));
  }
}

// A short table changes only the captions it has; a language without a
// table changes nothing, as the settings window test shows.
TEST_F(MainWindowTest, EmptyLanguageMeansEnglishMissingTablesChangeNothing) {
  EXPECT_EQ(CurrentSettings().language, "english");
  const QString quit = Caption("Quit");
  EXPECT_EQ(quit, Entry("english", 7));
  folder_.Write("program/languages/short/main.lng",
                "Fichier\r\nOutils\r\nlast line lost");
  ChooseLanguage("short");
  EXPECT_EQ(MenuTitle("Menu1"), "Fichier");
  EXPECT_EQ(MenuTitle("SettingsMnu"), Entry("english", 2));
  EXPECT_EQ(Caption("Quit"), quit);
}

// Each page is made as every private file is, with the rights the
// exclusive file test checks.
TEST_F(MainWindowTest, HelpShowsAFreshPageInAWindowOfItsOwn) {
  Trigger("HELP");
  Trigger("HELP");
  EXPECT_TRUE(fakes_.desktop.opened.empty());
  const auto windows = window_.findChildren<QDialog*>("HelpWindow");
  ASSERT_EQ(windows.size(), 2);
  EXPECT_TRUE(windows[0]->isVisible());
  ASSERT_EQ(std::distance(fs::directory_iterator(folder_.Path("tmp/")), {}), 2);
  const fs::path page = fs::directory_iterator(folder_.Path("tmp/"))->path();
  EXPECT_EQ(folder_.Read("tmp/" + page.filename().string()),
            folder_.Read("program/languages/english/help.lng") + "\r\n");
}

// Its text is the language's own; that every control is named is the
// every window test.
TEST_F(MainWindowTest, AboutDisablesTheWindowUntilClosed) {
  ChooseLanguage("russian");
  Trigger("About");
  QWidget* about = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "AboutWindow" && top->isVisible()) about = top;
  }
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(window_.isEnabled());
  EXPECT_TRUE(about->isEnabled());
  EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(),
            QString::fromStdString(
                folder_.Read("program/languages/russian/about.lng")));
  EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>());
  QTest::keyClick(about, Qt::Key_Escape);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_.isEnabled());
}

// Tab is typed into the editor, so F6 and Shift+F6 go round the parts.
TEST_F(MainWindowTest, F6AndShiftF6MoveTheFocusRoundTheParts) {
  OpenFile("a.html", "x");
  OpenFile("b.html", "y");
  const auto part_with_focus = [this] {
    QWidget* focus = QApplication::focusWidget();
    for (const char* name : {"TTab", "MTab", "Option1_0", "Option1_1"}) {
      QWidget* part = window_.findChild<QWidget*>(name);
      if (part == focus || part->isAncestorOf(focus)) return std::string(name);
    }
    return focus == &Rich() ? std::string("Rich") : std::string("?");
  };
  std::vector<std::string> visited;
  const QKeySequence f6(Qt::Key_F6);
  const QKeySequence shift_f6(Qt::SHIFT | Qt::Key_F6);
  for (const QKeySequence& key : {f6, f6, f6, f6, shift_f6, shift_f6}) {
    QTest::keySequence(QApplication::focusWidget(), key);
    visited.push_back(part_with_focus());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"TTab", "MTab", "Option1_0",
                                               "Rich", "Option1_0", "MTab"}));
}

// Laying out 5 MB takes seconds: the lines in view are wrapped before the
// window shows them and the others while it is idle, from the top, so the
// first event after any change of the text area's width finds the last
// line still unwrapped.
TEST_F(MainWindowTest, WrapGivesTheWindowBackBeforeLinesOutOfViewWrap) {
  using Sci = QsciScintillaBase;
  // Words that differ, as a measured word is not measured again.
  std::string text;
  for (int word = 0; text.size() < (5 << 20); ++word) {
    text += std::to_string(word) + (word % 40 == 39 ? "\r\n" : " ");
  }
  const int slot = OpenFile("a.html", text);
  const int other = OpenFile("b.html", "b");
  Tabs().Activate(slot);
  Rich().Select(text.size() / 2, text.size() / 2);
  // Rows that a line takes as wrapped so far; asking for its wrap count
  // would lay it out.
  const auto rows = [&](long line) {
    return Rich().SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, line + 1) -
           Rich().SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, line);
  };
  const long last = Rich().LineCount() - 2;  // the last holds no word
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"Wrap", [&] { Trigger("Wrap"); }},
      {"setNum", [&] { Trigger("setNum"); }},
      {"resize", [&] { window_.resize(window_.size() + QSize(90, 0)); }},
      {"tab switch",
       [&] {
         Tabs().Activate(other);
         Tabs().Activate(slot);
       }},
  };
  for (const auto& [name, change] : changes) {
    change();
    long last_rows = 0;
    QTimer::singleShot(0, [&] { last_rows = rows(last); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return last_rows > 0; })) << name;
    EXPECT_EQ(last_rows, 1) << name;
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return rows(Rich().SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE,
                                       Rich().FirstVisibleLine())) > 1;
    })) << name;
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows(0) > 1; })) << name;
  }
  Trigger("Wrap");
  EXPECT_EQ(Rich().SendScintilla(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_NONE);
}

}  // namespace
}  // namespace quillory
