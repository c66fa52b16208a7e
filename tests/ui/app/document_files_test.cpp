#include "app/ui/document_files.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app/file_commands.h"
#include "app/file_filters.h"
#include "app/ui/document_tabs.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class DocumentFilesTest : public testing::WindowTest {
 protected:
  DocumentTabs& Tabs() { return window_.Tabs(); }
  Document& Active() { return Tabs().At(Tabs().ActiveSlot()); }
  QString StatusText() { return window_.findChild<QLabel*>("Status")->text(); }
  std::vector<std::string>& Messages() { return fakes_.dialogs.messages; }
  void ChooseNext(const std::optional<std::string>& path) {
    fakes_.dialogs.chosen_files.push_back(path);
  }
  void AnswerNext(Answer answer) { fakes_.dialogs.answers.push_back(answer); }
  void Open(const std::string& path, bool remember = false) {
    window_.Files().OpenFile(path, remember);
  }
  std::string Recent(int slot) {
    return window_.CurrentSettings().last_opened[slot];
  }
  int OpenedCount() {
    int count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) count += Tabs().InUse(slot);
    return count;
  }
};

TEST_F(DocumentFilesTest, OpenCommandLoadsTheChosenFileIntoANewTab) {
  Trigger("OpenOld");  // cancelled
  EXPECT_EQ(OpenedCount(), 0);
  const std::string path = folder_.Write("site/index.html", "<p>hi</p>\r\n");
  ChooseNext(path);
  Trigger("OpenOld");

  ASSERT_EQ(fakes_.dialogs.offered_filters.size(), 2u);
  EXPECT_EQ(fakes_.dialogs.offered_filters[1], OpenFileFilters(window_.Lang()));
  EXPECT_EQ(Bar().tabText(Tabs().ActiveSlot()), "index.html");
  EXPECT_EQ(Text(), "<p>hi</p>\r\n");
  EXPECT_EQ(Active().file_path, path);
  EXPECT_TRUE(Active().saved);
  EXPECT_EQ(StatusText(), "OK");
  EXPECT_EQ(window_.windowTitle(), "Quillory - index.html");
  EXPECT_EQ(Recent(0), path);
  EXPECT_EQ(window_.Action("Recent_0")->text(), "index.html");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DocumentFilesTest, AnyNameOpensMissingFilesAndFoldersAreReported) {
  Open(folder_.Write("my \"odd\" 'page'.html", "x"));
  EXPECT_EQ(Bar().tabText(0), "my \"odd\" 'page'.html");
  // Types other than the editor's get the desktop's picture.
  Open(folder_.Write("notes.txt", "n"));
  Open(folder_.Write("PAGE.HTML", "n"));
  EXPECT_FALSE(Bar().tabIcon(1).isNull());
  EXPECT_FALSE(Bar().tabIcon(2).isNull());
  EXPECT_TRUE(Messages().empty());

  Open(folder_.Path("nothing.html"), true);
  Open(folder_.Path("tmp"), true);
  EXPECT_EQ(Messages(),
            std::vector<std::string>(2, std::string(kFileMissingMessage)));
  EXPECT_EQ(Recent(0), "");
}

TEST_F(DocumentFilesTest, ListFileOpensEveryLineAndReportsTheEmptyLastOne) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string b = folder_.Write("b.css", "B");
  const std::string list =
      folder_.Write("project.QLP", a + "\r\n" + b + "\r\n");
  Open(list, true);
  EXPECT_EQ(OpenedCount(), 2);
  EXPECT_EQ(Bar().tabText(0), "a.html");
  EXPECT_EQ(Bar().tabText(1), "b.css");
  EXPECT_EQ(Messages().size(), 1u);  // the piece after the last line end
  EXPECT_EQ(window_.Files().CurrentListFile(), list);
  EXPECT_EQ(Recent(0), list);
  EXPECT_NE(Recent(1), a);

  // A list naming itself is opened once; an empty one opens nothing but is
  // remembered.
  const std::string loop = folder_.Path("loop.qlp");
  folder_.Write("loop.qlp", a + "\r\n" + loop);
  Open(loop);
  EXPECT_EQ(OpenedCount(), 3);
  const std::string empty = folder_.Write("empty.qlp", "");
  Open(empty, true);
  EXPECT_EQ(OpenedCount(), 3);
  EXPECT_EQ(window_.Files().CurrentListFile(), empty);
  EXPECT_EQ(Recent(0), empty);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(DocumentFilesTest, VeryLongLineOpensOnlyWhenTheUserAgrees) {
  const std::string path =
      folder_.Write("min.js", std::string(kSlowLineBytes + 1, 'x'));
  AnswerNext(Answer::kNo);
  Open(path, true);
  ASSERT_EQ(fakes_.dialogs.questions.size(), 1u);
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_EQ(Recent(0), "");
}

// With all ten slots in use the user is told why nothing opens, and
// nothing else changes.
TEST_F(DocumentFilesTest, AnEleventhFileIsRefusedWithAMessage) {
  const std::string path = folder_.Write("a.html", "A");
  for (int i = 0; i < kSlotCount; ++i) Open(path);
  Tabs().Activate(4);
  Open(path, true);
  EXPECT_EQ(Messages(),
            std::vector<std::string>(1, std::string(kDocumentLimitMessage)));
  EXPECT_EQ(OpenedCount(), kSlotCount);
  EXPECT_EQ(Tabs().ActiveSlot(), 4);
  EXPECT_EQ(Recent(0), "");
}

TEST_F(DocumentFilesTest, RecentEntryOpensItsFileWithoutReordering) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string b = folder_.Write("b.html", "B");
  Open(a, true);
  Open(b, true);
  Trigger("Recent_1");
  EXPECT_EQ(Text(), "A");
  EXPECT_EQ(Recent(0), b);
  EXPECT_EQ(Recent(1), a);
}

TEST_F(DocumentFilesTest, SaveOfAnUnnamedDocumentAsksForAName) {
  window_.NewTab("Untitled.html");
  Rich().SetBytes("<b>new</b>");
  Trigger("SaveHtml");  // cancelled
  EXPECT_EQ(Active().file_path, "");
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(StatusText(), "");

  const std::string path = folder_.Path("named.html");
  ChooseNext(path);
  Trigger("SaveHtml");
  EXPECT_EQ(folder_.Read("named.html"), "<b>new</b>");
  EXPECT_EQ(Active().file_path, path);
  EXPECT_TRUE(Active().saved);
  EXPECT_EQ(Bar().tabText(Tabs().ActiveSlot()), "named.html");
  EXPECT_EQ(Recent(0), path);
}

// Saving where no file can be made: the user hears of it, the document
// stays as it was, and nothing on disk changes.
TEST_F(DocumentFilesTest, FailedSaveIsReportedAndLeavesTheDocumentUnsaved) {
  const std::string path = folder_.Write("page.html", "old");
  Open(path);
  Rich().SetBytes("new");
  Active().saved = false;
  folder_.Write("blocker", "a file, not a folder");

  const std::string impossible = folder_.Path("blocker/page.html");
  ChooseNext(impossible);
  Trigger("SaveHtmlAs");
  EXPECT_EQ(fakes_.dialogs.offered_filters.at(0),
            SaveAsFileFilters("page.html", window_.Lang()));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("page.html"), std::string::npos);
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(Active().file_path, path);
  EXPECT_EQ(Bar().tabText(0), "page.html");
  EXPECT_NE(Recent(0), impossible);

  Active().file_path = impossible;
  Trigger("SaveHtml");
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(folder_.Read("page.html"), "old");
}

TEST_F(DocumentFilesTest, SaveAllSavesEveryTabAndReturnsToTheActiveOne) {
  Open(folder_.Write("a.html", "A"));
  Rich().SetBytes("A2");
  window_.NewTab("Untitled.html");
  Rich().SetBytes("U");
  Open(folder_.Write("c.js", "C"));
  Tabs().Activate(1);
  ChooseNext(folder_.Path("u.html"));
  Trigger("Save_All");
  EXPECT_EQ(folder_.Read("a.html"), "A2");
  EXPECT_EQ(folder_.Read("u.html"), "U");
  EXPECT_EQ(folder_.Read("c.js"), "C");
  EXPECT_EQ(Tabs().ActiveSlot(), 1);
  EXPECT_EQ(Bar().tabText(1), "u.html");
}

TEST_F(DocumentFilesTest, CloseAsksOnlyAboutUnsavedDocuments) {
  Open(folder_.Write("a.html", "A"));
  Trigger("ClsW");
  EXPECT_TRUE(fakes_.dialogs.questions.empty());
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_FALSE(window_.Action("ClsW")->isEnabled());

  Open(folder_.Path("a.html"));
  Rich().SetBytes("changed");
  Active().saved = false;
  AnswerNext(Answer::kNo);
  Trigger("ClsW");
  ASSERT_EQ(fakes_.dialogs.questions.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.questions[0], *window_.Lang().Entry(79));
  EXPECT_EQ(folder_.Read("a.html"), "A");
  EXPECT_EQ(OpenedCount(), 0);

  // The "X" at the end of the tab row is the same command.
  Open(folder_.Path("a.html"));
  QTest::mouseClick(window_.findChild<QToolButton*>("CLoseB"), Qt::LeftButton);
  EXPECT_EQ(OpenedCount(), 0);
}

TEST_F(DocumentFilesTest, CloseWithYesSavesFirstUnlessTheSaveFails) {
  Open(folder_.Write("a.html", "A"));
  Rich().SetBytes("A2");
  Active().saved = false;
  AnswerNext(Answer::kYes);
  Trigger("ClsW");
  EXPECT_EQ(folder_.Read("a.html"), "A2");
  EXPECT_EQ(OpenedCount(), 0);

  window_.NewTab("Untitled.html");
  AnswerNext(Answer::kYes);
  Trigger("ClsW");  // the name is not given: it closes all the same
  EXPECT_EQ(OpenedCount(), 0);

  window_.NewTab("Untitled.html");
  folder_.Write("blocker", "");
  ChooseNext(folder_.Path("blocker/x.html"));
  AnswerNext(Answer::kYes);
  Trigger("ClsW");
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(DocumentFilesTest, CloseAllAsksAboutEachUnsavedDocumentInTurn) {
  Open(folder_.Write("a.html", "A"));
  window_.NewTab("one.html");
  window_.NewTab("two.html");
  Trigger("CloseAllWnd");
  EXPECT_EQ(fakes_.dialogs.questions.size(), 2u);
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_EQ(Tabs().Free().Slots(),
            (std::deque<int>{3, 4, 5, 6, 7, 8, 9, 0, 1, 2}));
  EXPECT_EQ(window_.NewTab("next.html"), 3);
}

TEST_F(DocumentFilesTest, InitOpensTheCommandLineOrElseTheLastSession) {
  const std::string a = folder_.Write("a.html", "A");
  folder_.Write("home/config/last_session.qlp", a);
  window_.CurrentSettings().open_last_session = true;
  const std::string path = folder_.Write("with blanks  inside.html", "x");
  // The name in pieces, as a shell splits it; joined and trimmed.
  window_.Init({" " + folder_.Path("with"), "blanks ", "inside.html "});
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Bar().tabText(0), "with blanks  inside.html");
  EXPECT_EQ(Recent(0), path);
  Trigger("ClsW");
  window_.Init({});
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(Text(), "A");
  window_.Init({a, path});
  EXPECT_EQ(OpenedCount(), 3);
  EXPECT_EQ(Recent(0), path);
}

TEST_F(DocumentFilesTest, SessionListsTheOpenDocumentsInSlotOrder) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string b = folder_.Write("b.css", "B");
  Open(a);
  window_.NewTab("new.html");
  Open(b);
  ChooseNext(folder_.Path("work"));
  Trigger("save_session");
  EXPECT_EQ(fakes_.dialogs.offered_filters.back(),
            ListFileFilters(window_.Lang()));
  EXPECT_EQ(folder_.Read("work"), a + "\r\n\r\n" + b);
  Trigger("Quit");
  EXPECT_EQ(folder_.Read("home/config/last_session.qlp"), folder_.Read("work"));
}

// Every kind of file comes back byte for byte when opened and saved
// unchanged.
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

}  // namespace
}  // namespace quillory
