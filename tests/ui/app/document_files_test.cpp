#include "app/ui/document_files.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDirIterator>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "app/file_commands.h"
#include "app/ui/document_tabs.h"
#include "app/ui/recovery_keeper.h"
#include "base/text_util.h"
#include "platform/file_filters.h"
#include "support/window_test.h"

namespace quillory {
namespace {

// Opening from the command line and saving with Ctrl+S are the end-to-end
// runs; these are the flows they do not take.
class DocumentFilesTest : public testing::WindowTest {
 protected:
  Document& Active() { return Tabs().At(Tabs().ActiveSlot()); }
  std::vector<std::string>& Messages() { return fakes_.dialogs.messages; }
  void Open(const std::string& path, bool remember = false) {
    Files().OpenFile(path, remember);
  }
  std::string Recent(int slot) { return CurrentSettings().last_opened[slot]; }
  int OpenedCount() {
    int count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) count += Tabs().InUse(slot);
    return count;
  }
  // Entries in the recovery store of every window of the test.
  int RecoveryEntries() {
    QDirIterator it(QString::fromStdString(folder_.Path("home/state")),
                    {"slot*"}, QDir::Files, QDirIterator::Subdirectories);
    int found = 0;
    for (; it.hasNext(); it.next()) ++found;
    return found;
  }
  // Makes the active document unsaved with `bytes`.
  void Edit(const std::string& bytes) {
    Rich().SetBytes(bytes);
    Active().saved = false;
  }
};

// A recent entry opens its file without reordering the list. The chooser
// starts in the active document's folder, else in the last one chosen
// from, and opens several files at once.
TEST_F(DocumentFilesTest, OpenCommandLoadsTheChosenFilesIntoNewTabs) {
  Trigger("OpenOld");  // cancelled
  EXPECT_EQ(OpenedCount(), 0);
  const std::string path = folder_.Write("site/index.html", "x\r\n<p>\r\n");
  fakes_.dialogs.chosen_file_lists = {{path}};
  Trigger("OpenOld");
  EXPECT_EQ(fakes_.dialogs.offered_filters.at(1), OpenFileFilters(Lang()));
  EXPECT_EQ(Bar().tabText(Tabs().ActiveSlot()), "index.html");
  EXPECT_EQ(Text(), "x\r\n<p>\r\n");
  EXPECT_EQ(Rich().StyleAt(4), 2);  // the whole text coloured: a tag
  EXPECT_EQ(Active().file_path, path);
  EXPECT_TRUE(Active().saved);
  EXPECT_EQ(Status(), "OK");
  EXPECT_EQ(Action("Recent_0")->text(), "index.html");
  EXPECT_TRUE(Messages().empty());
  const std::string b = folder_.Write("b.html", "B");
  Open(b, true);
  Trigger("Recent_1");
  EXPECT_EQ(Text(), "x\r\n<p>\r\n");
  EXPECT_EQ(Recent(0), b);
  EXPECT_EQ(Recent(1), path);

  window_.NewTab("new.html");
  fakes_.dialogs.chosen_file_lists = {
      {folder_.Write("c.css", "C"), folder_.Write("d.js", "D")}};
  Trigger("OpenOld");
  EXPECT_EQ(OpenedCount(), 6);
  EXPECT_EQ(Text(), "D");
  Trigger("OpenOld");  // cancelled
  EXPECT_EQ(fakes_.dialogs.start_folders,
            (std::vector<std::string>{"", "", folder_.Path("site/"),
                                      folder_.Path("")}));
}

// Any name opens. A missing file, a folder, a line too long for the user
// and an eleventh document are each refused with a word, and nothing else
// changes: the tabs, the active one and the recent files stay.
TEST_F(DocumentFilesTest, RefusedOpensAreToldAndChangeNothing) {
  const std::string odd = folder_.Write("my \"odd\" 'page'.html", "x");
  Open(odd);
  EXPECT_EQ(Bar().tabText(0), "my \"odd\" 'page'.html");
  Open(folder_.Path("nothing.html"), true);
  Open(folder_.Path("tmp"), true);
  Open(folder_.Write("min.js", std::string(kSlowLineBytes + 1, 'x')), true);
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(fakes_.dialogs.questions.size(), 1u);
  for (int i = 1; i < kSlotCount; ++i) Open(odd);
  Tabs().Activate(4);
  Open(odd, true);
  const std::string missing(kFileMissingMessage);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{missing, missing,
                                      std::string(kDocumentLimitMessage)}));
  EXPECT_EQ(OpenedCount(), kSlotCount);
  EXPECT_EQ(Tabs().ActiveSlot(), 4);
  EXPECT_EQ(Recent(0), "");
}

// The piece after a list's last line end names no file; a list naming
// itself is opened once; an empty one opens nothing but is remembered. A
// list of thousands of names, missing or more than the slots hold, is told
// once each way, not once a name: how the names are cut is the missing
// files message table.
TEST_F(DocumentFilesTest, ListFilesOpenEachNamedFileOnce) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string loop = folder_.Path("loop.QLP");
  folder_.Write("loop.QLP", a + "\r\n" + loop + "\r\n");
  Open(loop);
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Messages().size(), 1u);
  const std::string empty = folder_.Write("empty.qlp", "");
  Open(empty, true);
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Files().CurrentListFile(), empty);
  EXPECT_EQ(Recent(0), empty);
  std::vector<std::string> names;
  for (int i = 0; i < 1000; ++i) {
    names.push_back(folder_.Path("gone" + std::to_string(i)));
    names.push_back(a);
  }
  Messages().clear();
  Open(folder_.Write("big.qlp", Join(names, "\r\n")));
  EXPECT_EQ(OpenedCount(), kSlotCount);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_NE(Messages()[0].find("gone9\r\n... and 990 more"), std::string::npos);
  EXPECT_EQ(Messages()[1], kDocumentLimitMessage);
}

// Saving where no file can be made: the user hears of it, the document
// stays as it was, and nothing on disk changes.
TEST_F(DocumentFilesTest, FailedSaveIsReportedAndLeavesTheDocumentUnsaved) {
  const std::string path = folder_.Write("page.html", "old");
  Open(path);
  Edit("new");
  folder_.Write("blocker", "a file, not a folder");
  const std::string impossible = folder_.Path("blocker/page.html");
  fakes_.dialogs.chosen_files = {impossible};
  Trigger("SaveHtmlAs");
  EXPECT_EQ(fakes_.dialogs.offered_filters.at(0),
            SaveAsFileFilters("page.html", Lang()));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("page.html"), std::string::npos);
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(Active().file_path, path);
  EXPECT_NE(Recent(0), impossible);
  Active().file_path = impossible;
  Trigger("SaveHtml");
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(folder_.Read("page.html"), "old");
}

// An unnamed document asks for a name, and keeps none when cancelled.
TEST_F(DocumentFilesTest, SaveAllSavesEveryTabAndReturnsToTheActiveOne) {
  Open(folder_.Write("a.html", "A"));
  Rich().SetBytes("A2");
  window_.NewTab("Untitled.html");
  Edit("U");
  Trigger("SaveHtml");  // cancelled
  EXPECT_EQ(Active().file_path, "");
  EXPECT_FALSE(Active().saved);
  Open(folder_.Write("c.js", "C"));
  Tabs().Activate(1);
  const std::string path = folder_.Path("u.html");
  fakes_.dialogs.chosen_files = {path};
  Trigger("Save_All");
  EXPECT_EQ(folder_.Read("a.html"), "A2");
  EXPECT_EQ(folder_.Read("u.html"), "U");
  EXPECT_EQ(folder_.Read("c.js"), "C");
  EXPECT_EQ(Tabs().ActiveSlot(), 1);
  EXPECT_TRUE(Active().saved);
  EXPECT_EQ(Bar().tabText(1), "u.html");
  EXPECT_EQ(Recent(0), path);
}

// The question names the document. Don't save keeps the file as it was,
// and the "X" at the end of the tab row is the same command. Cancel keeps
// the document, and Close All stops there.
TEST_F(DocumentFilesTest, CloseAsksAboutUnsavedDocumentsAndCancelKeepsThem) {
  Open(folder_.Write("a.html", "A"));
  Trigger("ClsW");
  EXPECT_TRUE(fakes_.dialogs.questions.empty());
  EXPECT_FALSE(Action("ClsW")->isEnabled());
  Open(folder_.Path("a.html"));
  Edit("changed");
  QTest::mouseClick(window_.findChild<QToolButton*>("CLoseB"), Qt::LeftButton);
  EXPECT_EQ(fakes_.dialogs.questions,
            std::vector<std::string>{"a.html\r\n\r\n" + *Lang().Entry(79)});
  EXPECT_EQ(folder_.Read("a.html"), "A");
  EXPECT_EQ(OpenedCount(), 0);
  Open(folder_.Path("a.html"));
  window_.NewTab("one.html");
  window_.NewTab("two.html");
  fakes_.dialogs.changes_answers = {ChangesAnswer::kCancel};
  Trigger("CloseAllWnd");
  EXPECT_EQ(fakes_.dialogs.questions.size(), 2u);  // not about two.html
  EXPECT_EQ(OpenedCount(), 2);
  EXPECT_EQ(Bar().tabText(Tabs().ActiveSlot()), "one.html");
  Trigger("CloseAllWnd");
  EXPECT_EQ(fakes_.dialogs.questions.size(), 4u);
  EXPECT_EQ(OpenedCount(), 0);
}

// Save closes only once the text is safe: a file deleted while the
// question is open is written again; a cancelled name or a failed write
// keep the document open, the failure told.
TEST_F(DocumentFilesTest, SaveFromTheCloseQuestionClosesOnlyWhenSaved) {
  const std::string a = folder_.Write("a.html", "A");
  Open(a);
  Edit("A2");
  fakes_.dialogs.changes_answers.assign(3, ChangesAnswer::kSave);
  fakes_.dialogs.while_asking = [&a] { std::filesystem::remove(a); };
  Trigger("ClsW");
  EXPECT_EQ(folder_.Read("a.html"), "A2");
  EXPECT_EQ(OpenedCount(), 0);
  window_.NewTab("Untitled.html");
  Trigger("ClsW");  // the name is not given
  EXPECT_EQ(OpenedCount(), 1);
  folder_.Write("blocker", "");
  fakes_.dialogs.chosen_files = {folder_.Path("blocker/x.html")};
  Trigger("ClsW");
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Messages().size(), 1u);
}

// Which names a command line opens is the command line table; the last
// session coming back without one is the end-to-end session run.
TEST_F(DocumentFilesTest, ACommandLineIsOpenedInsteadOfTheLastSession) {
  folder_.Write("home/config/last_session.qlp", folder_.Write("a.html", "A"));
  CurrentSettings().open_last_session = true;
  window_.Init({folder_.Write("b.html", "B")});
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Text(), "B");
  EXPECT_EQ(Recent(0), folder_.Path("b.html"));
}

// An unnamed document has no file to reopen, so it has no line, first or
// between others; a name typed without an extension gets ".qlp". Quit writes
// the same list as the last session: the end-to-end session run.
TEST_F(DocumentFilesTest, SessionListsTheNamedDocumentsInSlotOrder) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string b = folder_.Write("b.css", "B");
  window_.NewTab("new.html");
  Open(a);
  window_.NewTab("new.html");
  Open(b);
  fakes_.dialogs.chosen_files = {folder_.Path("work")};
  Trigger("save_session");
  EXPECT_EQ(fakes_.dialogs.offered_filters.back(), ListFileFilters(Lang()));
  EXPECT_EQ(folder_.Read("work.qlp"), a + "\r\n" + b);
}

// The editor keeps every byte of 8-bit and UTF-8 text, NUL included.
TEST_F(DocumentFilesTest, FilesRoundTripExactly) {
  const std::pair<std::string, std::string> files[] = {
      {"utf8.html", "<p>Grüße, 日本語 — ok</p>\r\n"},
      {"cp1252.html", "<p>caf\xe9 \x80 \x93quoted\x94 \x9f\xff</p>\r\n"},
      {"mixed.js", "a\r\nb\nc\rd\r\n"},
      {"nul.txt", std::string("a\0b\x1a\0c\r\nno final line end", 25)},
      {"empty.html", ""},
  };
  for (const auto& [name, bytes] : files) {
    Open(folder_.Write("in/" + name, bytes));
    Trigger("SaveHtml");
    EXPECT_EQ(folder_.Read("in/" + name), bytes) << name;
    Trigger("ClsW");
  }
  EXPECT_TRUE(Messages().empty());
}

// The window that typed is dropped without closing, as a killed program
// is. Its texts go back into the session's own tabs rather than beside
// them and are kept until saved; the questions' words are the recovery
// store table's, the bytes and a Quit's texts the end-to-end kill run's.
TEST_F(DocumentFilesTest, RecoveredTextsGoIntoTheTabsOfTheirFilesUntilSaved) {
  const std::string a = folder_.Write("a.html", "a\n\xff\n");
  const std::string b = folder_.Write("b.html", "B");
  folder_.Write("home/config/last_session.qlp", a + "\r\n" + b);
  const AppEnvironment environment = folder_.ProgramEnvironment(false);
  const auto start = [&](testing::FakeServices& fakes) {
    auto window = std::make_unique<MainWindow>(environment, fakes.Services());
    SettingsOf(*window).open_last_session = true;
    window->Init({});
    return window;
  };
  testing::FakeServices first_fakes;
  auto first = start(first_fakes);
  for (const int slot : {0, 1}) {
    first->Commands().snapshots.tabs.Activate(slot);
    QTest::keyClicks(&first->Commands().snapshots.rich, "x");
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return RecoveryEntries() == 2; },
                              RecoveryTimes{}.pause.count() + 2000));
  first.reset();

  testing::FakeServices second_fakes;
  second_fakes.dialogs.answers = {Answer::kYes};
  auto second = start(second_fakes);
  ASSERT_EQ(second_fakes.dialogs.questions.size(), 1u);
  DocumentTabs& tabs = second->Commands().snapshots.tabs;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    EXPECT_EQ(tabs.InUse(slot), slot < 2) << slot;
    if (slot < 2) EXPECT_FALSE(tabs.At(slot).saved) << slot;
  }
  tabs.Activate(1);
  EXPECT_EQ(second->Commands().snapshots.rich.Bytes(), "xB");
  // Kept by the second window now, until saved.
  EXPECT_TRUE(QTest::qWaitFor([&] { return RecoveryEntries() == 2; }));
  tabs.Activate(0);
  second->Commands().files.Save();
  EXPECT_EQ(folder_.Read("a.html"), "xa\n\xff\n");
  EXPECT_TRUE(QTest::qWaitFor([&] { return RecoveryEntries() == 1; }));
}

}  // namespace
}  // namespace quillory
