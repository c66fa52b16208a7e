#include "app/ui/document_files.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTabBar>

#include "app/file_commands.h"
#include "app/file_filters.h"
#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "support/window_test.h"

namespace quillory {
namespace {

class DocumentFilesTest : public testing::WindowTest {
 protected:
  DocumentTabs& Tabs() { return window_.Tabs(); }
  Document& Active() { return Tabs().At(Tabs().ActiveSlot()); }
  QTabBar& Bar() { return *window_.findChild<QTabBar*>("MTab"); }
  QString StatusText() { return window_.findChild<QLabel*>("Status")->text(); }
  void Trigger(const char* command) { window_.Action(command)->trigger(); }
  std::vector<std::string>& Messages() { return fakes_.dialogs.messages; }
  void ChooseNext(const std::optional<std::string>& path) {
    fakes_.dialogs.chosen_files.push_back(path);
  }
  void AnswerNext(Answer answer) { fakes_.dialogs.answers.push_back(answer); }
  int OpenedCount() {
    int count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) count += Tabs().InUse(slot);
    return count;
  }
};

TEST_F(DocumentFilesTest, OpenCommandLoadsTheChosenFileIntoANewTab) {
  const std::string path = folder_.Write("site/index.html", "<p>hi</p>\r\n");
  ChooseNext(path);
  Trigger("OpenOld");

  ASSERT_EQ(fakes_.dialogs.offered_filters.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.offered_filters[0], OpenFileFilters(window_.Lang()));
  EXPECT_EQ(Bar().tabText(Tabs().ActiveSlot()), "index.html");
  EXPECT_EQ(Rich().Bytes(), "<p>hi</p>\r\n");
  EXPECT_EQ(Active().file_path, path);
  EXPECT_TRUE(Active().saved);
  EXPECT_EQ(StatusText(), "OK");
  EXPECT_EQ(window_.windowTitle(), "Quillory - index.html");
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], path);
  EXPECT_TRUE(window_.Action("Recent_0")->isVisible());
  EXPECT_EQ(window_.Action("Recent_0")->text(), "index.html");
  EXPECT_TRUE(window_.Action("SaveHtml")->isEnabled());
}

TEST_F(DocumentFilesTest, CancelledOpenChangesNothing) {
  Trigger("OpenOld");
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DocumentFilesTest, MissingFilesAndFoldersAreReportedAndNotOpened) {
  window_.Files().OpenFile(folder_.Path("nothing.html"), true);
  window_.Files().OpenFile(folder_.Path("tmp"), true);
  EXPECT_EQ(Messages(),
            std::vector<std::string>(2, std::string(kFileMissingMessage)));
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], "");
}

TEST_F(DocumentFilesTest, NamesWithBlanksAndQuotesOpen) {
  const std::string path = folder_.Write("my \"odd\" 'page'.html", "x");
  window_.Files().OpenFile(path, false);
  EXPECT_EQ(Bar().tabText(Tabs().ActiveSlot()), "my \"odd\" 'page'.html");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DocumentFilesTest, ListFileOpensEveryLineAndReportsTheEmptyLastOne) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string b = folder_.Write("b.css", "B");
  const std::string list =
      folder_.Write("project.QLP", a + "\r\n" + b + "\r\n");
  window_.Files().OpenFile(list, true);

  EXPECT_EQ(OpenedCount(), 2);
  EXPECT_EQ(Bar().tabText(0), "a.html");
  EXPECT_EQ(Bar().tabText(1), "b.css");
  EXPECT_EQ(Messages().size(), 1u);  // the piece after the last line end
  EXPECT_EQ(window_.Files().CurrentListFile(), list);
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], list);
  EXPECT_NE(window_.CurrentSettings().last_opened[1], a);
}

TEST_F(DocumentFilesTest, EmptyListOpensNothingButIsRemembered) {
  const std::string list = folder_.Write("empty.qlp", "");
  window_.Files().OpenFile(list, true);
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_EQ(window_.Files().CurrentListFile(), list);
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], list);
}

TEST_F(DocumentFilesTest, ListNamingItselfIsOpenedOnce) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string list = folder_.Path("loop.qlp");
  folder_.Write("loop.qlp", a + "\r\n" + list);
  window_.Files().OpenFile(list, false);
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DocumentFilesTest, FileWithAVeryLongLineOpensOnlyWhenTheUserAgrees) {
  const std::string path =
      folder_.Write("min.js", std::string(kSlowLineBytes + 1, 'x'));
  AnswerNext(Answer::kNo);
  window_.Files().OpenFile(path, true);
  ASSERT_EQ(fakes_.dialogs.questions.size(), 1u);
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], "");
}

TEST_F(DocumentFilesTest, EleventhFileIsRefusedSilently) {
  const std::string path = folder_.Write("a.html", "A");
  for (int i = 0; i < 11; ++i) window_.Files().OpenFile(path, false);
  EXPECT_EQ(OpenedCount(), 10);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DocumentFilesTest, RecentEntryOpensItsFileWithoutReordering) {
  const std::string a = folder_.Write("a.html", "A");
  const std::string b = folder_.Write("b.html", "B");
  window_.Files().OpenFile(a, true);
  window_.Files().OpenFile(b, true);
  Trigger("Recent_1");
  EXPECT_EQ(Rich().Bytes(), "A");
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], b);
  EXPECT_EQ(window_.CurrentSettings().last_opened[1], a);
}

TEST_F(DocumentFilesTest, OtherFileTypesGetTheDesktopsPicture) {
  window_.Files().OpenFile(folder_.Write("notes.txt", "n"), false);
  window_.Files().OpenFile(folder_.Write("PAGE.HTML", "n"), false);
  EXPECT_FALSE(Bar().tabIcon(0).isNull());
  EXPECT_FALSE(Bar().tabIcon(1).isNull());
}

TEST_F(DocumentFilesTest, SaveWritesTheEditorsBytesBack) {
  const std::string path = folder_.Write("page.html", "one\ntwo\n");
  window_.Files().OpenFile(path, false);
  EXPECT_EQ(Rich().Bytes(), "one\r\ntwo\r\n");
  Rich().Select(3, 3);
  Rich().ReplaceSelection("!");
  Active().saved = false;
  Trigger("SaveHtml");
  EXPECT_EQ(folder_.Read("page.html"), "one!\ntwo\n");
  EXPECT_TRUE(Active().saved);
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
  EXPECT_EQ(window_.windowTitle(), "Quillory - named.html");
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], path);
}

TEST_F(DocumentFilesTest, SaveAsOffersTheFilterOfTheCaptionsType) {
  window_.Files().OpenFile(folder_.Write("style.css", "p{}"), false);
  const std::string path = folder_.Path("copy.css");
  ChooseNext(path);
  Trigger("SaveHtmlAs");
  ASSERT_EQ(fakes_.dialogs.offered_filters.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.offered_filters[0],
            SaveAsFileFilters("style.css", window_.Lang()));
  EXPECT_EQ(fakes_.dialogs.offered_filters[0][0].patterns, "*.css");
  EXPECT_EQ(folder_.Read("copy.css"), "p{}");
  EXPECT_EQ(Bar().tabText(0), "copy.css");
  EXPECT_FALSE(Bar().tabIcon(0).isNull());
  EXPECT_EQ(StatusText(), "");
}

// Saving where no file can be made: the user hears of it, the document
// stays as it was, and nothing on disk changes.
TEST_F(DocumentFilesTest, FailedSaveIsReportedAndLeavesTheDocumentUnsaved) {
  const std::string path = folder_.Write("page.html", "old");
  window_.Files().OpenFile(path, false);
  Rich().SetBytes("new");
  Active().saved = false;
  folder_.Write("blocker", "a file, not a folder");

  const std::string impossible = folder_.Path("blocker/page.html");
  ChooseNext(impossible);
  Trigger("SaveHtmlAs");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("page.html"), std::string::npos);
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(Active().file_path, path);
  EXPECT_EQ(Bar().tabText(0), "page.html");
  EXPECT_NE(window_.CurrentSettings().last_opened[0], impossible);

  Active().file_path = impossible;
  Trigger("SaveHtml");
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_FALSE(Active().saved);
  EXPECT_EQ(folder_.Read("page.html"), "old");
}

TEST_F(DocumentFilesTest, SaveAllSavesEveryTabAndReturnsToTheActiveOne) {
  window_.Files().OpenFile(folder_.Write("a.html", "A"), false);
  Rich().SetBytes("A2");
  window_.NewTab("Untitled.html");
  Rich().SetBytes("U");
  window_.Files().OpenFile(folder_.Write("c.js", "C"), false);
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
  window_.Files().OpenFile(folder_.Write("a.html", "A"), false);
  Trigger("ClsW");
  EXPECT_TRUE(fakes_.dialogs.questions.empty());
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_FALSE(Rich().isVisible());
  EXPECT_EQ(window_.windowTitle(), "Quillory");
  EXPECT_FALSE(window_.Action("ClsW")->isEnabled());

  window_.Files().OpenFile(folder_.Path("a.html"), false);
  Rich().SetBytes("changed");
  Active().saved = false;
  AnswerNext(Answer::kNo);
  Trigger("ClsW");
  ASSERT_EQ(fakes_.dialogs.questions.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.questions[0], *window_.Lang().Entry(79));
  EXPECT_EQ(folder_.Read("a.html"), "A");
  EXPECT_EQ(OpenedCount(), 0);
}

TEST_F(DocumentFilesTest, CloseWithYesSavesFirstUnlessTheSaveFails) {
  window_.Files().OpenFile(folder_.Write("a.html", "A"), false);
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
  window_.Files().OpenFile(folder_.Write("a.html", "A"), false);
  window_.NewTab("one.html");
  window_.NewTab("two.html");
  Trigger("CloseAllWnd");
  EXPECT_EQ(fakes_.dialogs.questions.size(), 2u);
  EXPECT_EQ(OpenedCount(), 0);
  EXPECT_EQ(Tabs().Free().Slots(),
            (std::deque<int>{3, 4, 5, 6, 7, 8, 9, 0, 1, 2}));
  EXPECT_EQ(window_.NewTab("next.html"), 3);
}

TEST_F(DocumentFilesTest, InitOpensTheWholeTrimmedCommandLine) {
  const std::string path = folder_.Write("with blanks  inside.html", "x");
  window_.Init("  " + path + " ");
  EXPECT_EQ(Bar().tabText(0), "with blanks  inside.html");
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], path);
}

TEST_F(DocumentFilesTest, InitReopensTheLastSessionWithoutACommandLine) {
  const std::string a = folder_.Write("a.html", "A");
  folder_.Write("home/config/last_session.qlp", a);
  window_.CurrentSettings().open_last_session = true;
  window_.Init("");
  EXPECT_EQ(OpenedCount(), 1);
  EXPECT_EQ(window_.CurrentSettings().last_opened[0], "");
}

// Every kind of file comes back byte for byte when opened and saved
// unchanged.
TEST_F(DocumentFilesTest, FilesRoundTripExactly) {
  const std::vector<std::pair<std::string, std::string>> files = {
      {"utf8.html", "<p>Grüße, 日本語 — ok</p>\r\n"},
      {"cp1252.html", "<p>caf\xe9 \x80 \x93quoted\x94 \x9f\xff</p>\r\n"},
      {"lf.php", "<?php\necho 1;\n?>\n"},
      {"crlf.css", "p {\r\n  color: red;\r\n}\r\n"},
      {"mixed.js", "a\r\nb\nc\rd\r\n"},
      {"nul.html", std::string("a\0b\0\0c\r\n", 9)},
      {"eof.txt",
       "before\x1a"
       "after"},
      {"no-final.html", "line one\r\nline two"},
      {"empty.html", ""},
      {"cr-only.html", "one\rtwo\r"},
  };
  for (const auto& [name, bytes] : files) {
    window_.Files().OpenFile(folder_.Write("in/" + name, bytes), false);
    Trigger("SaveHtml");
    EXPECT_EQ(folder_.Read("in/" + name), bytes) << name;
    Trigger("ClsW");
  }
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace quillory
