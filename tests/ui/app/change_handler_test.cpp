#include "app/ui/change_handler.h"

#include <gtest/gtest.h>

#include "app/ui/document_tabs.h"
#include "support/window_test.h"

namespace quillory {
namespace {

constexpr int kPlain = 0;
constexpr int kTag = 2;

using ChangeHandlerTest = testing::WindowTest;

// Typing colours only the caret's line. The first change marks the tab
// and the document unsaved; every change takes a snapshot.
TEST_F(ChangeHandlerTest, TypingColoursTheCaretLineAndMarksTheDocument) {
  const int slot = OpenFile("a.html", "<p>\r\nx\r\n<b>\r\n");
  const qint64 opened = Bar().tabIcon(slot).cacheKey();
  // Uncolour the last line behind the handler's back.
  Rich().SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 8UL);
  Rich().SendScintilla(QsciScintillaBase::SCI_SETSTYLING, 3UL, long{kPlain});
  Rich().Select(6, 6);
  Type("<");
  EXPECT_FALSE(Tabs().At(slot).saved);
  const qint64 marked = Bar().tabIcon(slot).cacheKey();
  EXPECT_NE(marked, opened);
  Type("i>");
  EXPECT_EQ(Text(), "<p>\r\nx<i>\r\n<b>\r\n");
  EXPECT_EQ(Rich().StyleAt(7), kTag);
  EXPECT_EQ(Rich().StyleAt(11), kPlain);
  EXPECT_EQ(Bar().tabIcon(slot).cacheKey(), marked);
  EXPECT_EQ(History().position(), 3);
}

TEST_F(ChangeHandlerTest, SilentWhileParsingNowIsSetCallRichChangeRunsOnce) {
  const int slot = OpenFile("a.html", "<p>");
  {
    const ScopedFlag parsing(Guards().parsing_now);
    Rich().ReplaceSelection("x");
  }
  EXPECT_EQ(History().position(), 0);
  EXPECT_TRUE(Tabs().At(slot).saved);
  window_.CallRichChange();
  EXPECT_EQ(History().position(), 1);
  EXPECT_FALSE(Tabs().At(slot).saved);
}

}  // namespace
}  // namespace quillory
