#include "app/ui/change_handler.h"

#include <gtest/gtest.h>

#include <QTabBar>

#include "app/ui/document_tabs.h"
#include "editor/snapshot_history.h"
#include "editor/ui/editor.h"
#include "support/editing_window.h"

namespace quillory {
namespace {

constexpr int kPlain = 0;
constexpr int kTag = 2;

class ChangeHandlerTest : public testing::EditingWindowTest {
 protected:
  QTabBar& Bar() { return *window_.findChild<QTabBar*>("MTab"); }
  SnapshotHistory& History() {
    return window_.Tabs().History(window_.Tabs().ActiveSlot());
  }
};

TEST_F(ChangeHandlerTest, TypingColoursOnlyTheCaretLine) {
  OpenFile("a.html", "<p>\r\nx\r\n<b>\r\n");
  // Uncolour the last line behind the handler's back.
  Rich().SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 8UL);
  Rich().SendScintilla(QsciScintillaBase::SCI_SETSTYLING, 3UL, long{kPlain});
  Rich().Select(6, 6);
  Type("<i>");
  EXPECT_EQ(Text(), "<p>\r\nx<i>\r\n<b>\r\n");
  EXPECT_EQ(Rich().StyleAt(7), kTag);
  EXPECT_EQ(Rich().StyleAt(11), kPlain);
}

TEST_F(ChangeHandlerTest, FirstChangeMarksTheTabAndTheDocumentUnsaved) {
  const int slot = OpenFile("a.html", "<p>\r\n");
  const qint64 opened = Bar().tabIcon(slot).cacheKey();
  ASSERT_TRUE(window_.Tabs().At(slot).saved);
  Type("x");
  EXPECT_FALSE(window_.Tabs().At(slot).saved);
  const qint64 marked = Bar().tabIcon(slot).cacheKey();
  EXPECT_NE(marked, opened);
  Type("y");
  EXPECT_EQ(Bar().tabIcon(slot).cacheKey(), marked);
}

TEST_F(ChangeHandlerTest, EveryChangeTakesASnapshot) {
  OpenFile("a.html", "");
  Type("abc");
  EXPECT_EQ(History().position(), 3);
}

TEST_F(ChangeHandlerTest, ThirtyChangesKeepTwentyOneLevels) {
  OpenFile("a.html", "");
  Type(std::string(30, 'x'));
  EXPECT_EQ(History().position(), kSnapshotLevels);
  EXPECT_TRUE(History().LevelFilled(kSnapshotLevels - 1));
}

TEST_F(ChangeHandlerTest, SilentWhileParsingNowIsSet) {
  OpenFile("a.html", "");
  {
    const ScopedFlag parsing(window_.Guards().parsing_now);
    Rich().ReplaceSelection("x");
  }
  EXPECT_EQ(History().position(), 0);
  EXPECT_TRUE(window_.Tabs().At(window_.Tabs().ActiveSlot()).saved);
}

TEST_F(ChangeHandlerTest, CallRichChangeRunsTheHandlingOnce) {
  const int slot = OpenFile("a.html", "<p>");
  window_.CallRichChange();
  EXPECT_EQ(History().position(), 1);
  EXPECT_FALSE(window_.Tabs().At(slot).saved);
}

}  // namespace
}  // namespace quillory
