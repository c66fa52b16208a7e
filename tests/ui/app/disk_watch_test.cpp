#include "app/ui/disk_watch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

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
  void Replace(const std::string& name, const std::string& bytes) {
    std::rename(folder_.Write(name + ".new", bytes).c_str(),
                folder_.Path(name).c_str());
  }
  // Waits for the questions and messages told so far to number these, and
  // a while longer for any told by mistake.
  bool Told(size_t questions, size_t messages) {
    const auto counts = [&] {
      return asked_.size() == questions && told_.size() == messages;
    };
    return QTest::qWaitFor(counts) && (QTest::qWait(400), counts());
  }
  std::vector<std::string>& asked_ = fakes_.dialogs.questions;
  std::vector<std::string>& told_ = fakes_.dialogs.messages;
};

// A change is told once its tab shows; Yes reloads and keeps the caret's
// line. The program's own saves, which replace the file, are not told, and
// the watch goes on after them. A changed document is never replaced or
// written over unasked.
TEST_F(DiskWatchTest, ChangesAreToldWhenTheirTabShowsAndNothingIsLostUnasked) {
  const int a = OpenFile("a.html", "one\r\ntwo\r\nthree\r\n");
  Rich().Select(6, 6);
  OpenFile("b.html", "B");
  folder_.Write("a.html", "ONE\r\nTWO\r\nTHREE\r\nFOUR\r\n");
  ASSERT_TRUE(Told(0, 0));
  fakes_.dialogs.answers.push_back(Answer::kYes);
  Tabs().Activate(a);
  ASSERT_TRUE(Told(1, 0));
  EXPECT_NE(asked_[0].find("a.html was changed by another"), std::string::npos);
  EXPECT_EQ(Text(), "ONE\r\nTWO\r\nTHREE\r\nFOUR\r\n");
  EXPECT_EQ(Rich().Caret(), 5);  // the start of the caret's line

  Type("x");
  Trigger("SaveHtml");
  ASSERT_TRUE(Told(1, 0));
  Type("y");
  Replace("a.html", "theirs");
  ASSERT_TRUE(Told(2, 0));  // No: the unsaved text stays
  EXPECT_NE(asked_[1].find("drop those changes"), std::string::npos);
  EXPECT_EQ(Text(), "ONE\r\nxyTWO\r\nTHREE\r\nFOUR\r\n");
  Trigger("SaveHtml");  // No again: theirs stays
  ASSERT_TRUE(Told(3, 0));
  EXPECT_EQ(folder_.Read("a.html"), "theirs");
  EXPECT_FALSE(Tabs().At(a).saved);
}

// A checkout of many files asks about the shown one once, and about each
// other one when its tab shows. A removed file or a folder in its place is
// told, and the document keeps its text, unsaved.
TEST_F(DiskWatchTest, FloodsRemovalsAndFoldersGiveOneWordEach) {
  const int a = OpenFile("a.html", "A");
  const int b = OpenFile("b.html", "B");
  for (int round = 0; round < 20; ++round) {
    for (const char* name : {"a.html", "b.html", "c.html"}) Replace(name, "r");
  }
  ASSERT_TRUE(Told(1, 0));
  ::unlink(folder_.Path("b.html").c_str());
  ASSERT_TRUE(Told(1, 1));
  EXPECT_NE(told_[0].find("b.html was deleted"), std::string::npos);
  EXPECT_FALSE(Tabs().At(b).saved);
  EXPECT_EQ(Text(), "B");

  ::unlink(folder_.Path("a.html").c_str());
  ::mkdir(folder_.Path("a.html").c_str(), 0700);
  Tabs().Activate(a);
  ASSERT_TRUE(Told(1, 2));
  EXPECT_NE(told_[1].find("not a file"), std::string::npos);
  Trigger("SaveHtml");
  ASSERT_TRUE(Told(1, 3));  // the write is refused with a word
  EXPECT_EQ(Text(), "A");
}

}  // namespace
}  // namespace quillory
