#include "app/file_commands.h"

#include <string>

#include <gtest/gtest.h>

namespace quillory {
namespace {

// A table of empty entries up to `index`, then `entries`.
LangTable TableWith(int index, std::string_view entries) {
  std::string bytes;
  for (int i = 0; i < index; ++i) bytes += "\r\n";
  LangTable table;
  table.LoadFromBytes(bytes + std::string(entries));
  return table;
}

TEST(LoadingStatusTest, ComposesTheTwoEntries) {
  const LangTable table = TableWith(59, "Loading...\r\nHighlighting: \r\n");
  EXPECT_EQ(LoadingStatus(table), "Loading...");
  EXPECT_EQ(LoadedStatus(table), "Loading...  Highlighting: 100%");
  EXPECT_EQ(LoadingStatus(LangTable()), "");
  EXPECT_EQ(LoadedStatus(LangTable()), "  100%");
}

TEST(CloseQuestionTest, OnlyUnsavedDocumentsAskEvenWithAShortLanguageFile) {
  Document document;
  document.saved = true;
  EXPECT_EQ(CloseQuestion(document, TableWith(79, "Save?\r\n")), std::nullopt);
  document.saved = false;
  EXPECT_EQ(CloseQuestion(document, TableWith(79, "Save?\r\n")), "Save?");
  const std::optional<std::string> question =
      CloseQuestion(document, TableWith(10, "x\r\n"));
  ASSERT_TRUE(question.has_value());
  EXPECT_FALSE(question->empty());
}

// Scintilla ends a line at a lone CR as well as at LF.
TEST(LongLineQuestionTest, AsksOnlyAboutLinesLongerThanTheLimit) {
  const std::string at_limit(kSlowLineBytes, 'x');
  const std::string half(kSlowLineBytes / 2 + 1, 'x');
  for (const std::string& text :
       {at_limit, at_limit + "\r\n" + at_limit, std::string(),
        half + "\r" + half, half + "\n" + half}) {
    EXPECT_FALSE(LongLineQuestion("a.js", text)) << text.size();
  }
  EXPECT_TRUE(LongLineQuestion("a", "\r" + half + half + "\n"));
  const std::optional<std::string> question =
      LongLineQuestion("/site/min.js", "a\r\n" + at_limit + "y");
  ASSERT_TRUE(question);
  EXPECT_EQ(question->rfind("min.js has a line of 1.0 MB.", 0), 0u);
}

}  // namespace
}  // namespace quillory
