#include "app/ui/disk_watch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>

#include <cstdio>
#include <string>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "support/window_test.h"

namespace quillory {
namespace {

// Files changed here the way other programs change them: rewritten in
// place, replaced by renaming, removed, turned into a folder.
class DiskWatchTest : public testing::WindowTest {
 protected:
  Document& Active() { return Tabs().At(Tabs().ActiveSlot()); }
  std::vector<std::string>& Questions() { return fakes_.dialogs.questions; }
  std::vector<std::string>& Messages() { return fakes_.dialogs.messages; }
  void AnswerNext(Answer answer) { fakes_.dialogs.answers.push_back(answer); }
  int Open(const std::string& name, const std::string& bytes) {
    Files().OpenFile(folder_.Write(name, bytes), false);
    return Tabs().ActiveSlot();
  }
  void ReplaceByRenaming(const std::string& name, const std::string& bytes) {
    const std::string fresh = folder_.Write(name + ".new", bytes);
    std::rename(fresh.c_str(), folder_.Path(name).c_str());
  }
  // Long enough for any notification of a change to have been answered.
  void Settle() { QTest::qWait(600); }
  bool Told(size_t questions, size_t messages) {
    return QTest::qWaitFor([&] {
      return Questions().size() == questions && Messages().size() == messages;
    });
  }
};

// A change is told once its tab shows; Yes reloads and keeps the caret's
// line. The program's own saves, which replace the file, are not told, and
// the watch goes on after them. A changed document is never replaced or
// written over unasked.
TEST_F(DiskWatchTest, ChangesAreToldWhenTheirTabShowsAndNothingIsLostUnasked) {
  const int a = Open("a.html", "one\r\ntwo\r\nthree\r\n");
  Rich().Select(6, 6);
  Open("b.html", "B");
  folder_.Write("a.html", "ONE\r\nTWO\r\nTHREE\r\nFOUR\r\n");
  Settle();
  EXPECT_TRUE(Questions().empty());
  AnswerNext(Answer::kYes);
  Tabs().Activate(a);
  ASSERT_TRUE(Told(1, 0));
  EXPECT_NE(Questions()[0].find("a.html was changed by another program"),
            std::string::npos);
  EXPECT_EQ(Text(), "ONE\r\nTWO\r\nTHREE\r\nFOUR\r\n");
  EXPECT_EQ(Rich().Caret(), 5);  // the start of the caret's line
  EXPECT_TRUE(Active().saved);

  Type("x");
  Action("SaveHtml")->trigger();
  EXPECT_EQ(folder_.Read("a.html"), "ONE\r\nxTWO\r\nTHREE\r\nFOUR\r\n");
  Settle();
  EXPECT_EQ(Questions().size(), 1u);
  Type("y");
  ReplaceByRenaming("a.html", "theirs");
  ASSERT_TRUE(Told(2, 0));  // No: the unsaved text stays
  EXPECT_NE(Questions()[1].find("drop those changes"), std::string::npos);
  EXPECT_EQ(Text(), "ONE\r\nxyTWO\r\nTHREE\r\nFOUR\r\n");
  Action("SaveHtml")->trigger();  // No again: theirs stays
  EXPECT_EQ(Questions().size(), 3u);
  EXPECT_EQ(folder_.Read("a.html"), "theirs");
  EXPECT_FALSE(Active().saved);
  Settle();
  EXPECT_EQ(Questions().size(), 3u);  // one question per change
}

// A checkout of many files asks about the shown one once, and about each
// other one when its tab shows. A removed file or a folder in its place is
// told, and the document keeps its text, unsaved.
TEST_F(DiskWatchTest, FloodsRemovalsAndFoldersGiveOneWordEach) {
  const int a = Open("a.html", "A");
  const int b = Open("b.html", "B");
  for (int round = 0; round < 20; ++round) {
    for (const char* name : {"a.html", "b.html", "c.html"}) {
      ReplaceByRenaming(name, "round " + std::to_string(round));
    }
  }
  ASSERT_TRUE(Told(1, 0));
  Settle();
  EXPECT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Text(), "B");

  ::unlink(folder_.Path("b.html").c_str());
  ASSERT_TRUE(Told(1, 1));
  EXPECT_NE(Messages()[0].find("b.html was deleted"), std::string::npos);
  EXPECT_FALSE(Tabs().At(b).saved);
  EXPECT_EQ(Text(), "B");

  ::unlink(folder_.Path("a.html").c_str());
  ::mkdir(folder_.Path("a.html").c_str(), 0700);
  Tabs().Activate(a);
  ASSERT_TRUE(Told(1, 2));
  EXPECT_NE(Messages()[1].find("not a file"), std::string::npos);
  Action("SaveHtml")->trigger();
  EXPECT_EQ(Messages().size(), 3u);  // the write is refused with a word
  EXPECT_EQ(Text(), "A");
  EXPECT_FALSE(Tabs().At(a).saved);
}

}  // namespace
}  // namespace quillory
