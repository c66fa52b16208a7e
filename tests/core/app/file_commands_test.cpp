#include "app/file_commands.h"

#include <string>

#include <gtest/gtest.h>

namespace quillory {
namespace {

LangTable TableWith(int index, std::string_view text) {
  std::string bytes;
  for (int i = 0; i < index; ++i) bytes += "\r\n";
  bytes += std::string(text) + "\r\n";
  LangTable table;
  table.LoadFromBytes(bytes);
  return table;
}

TEST(FileNameOfPathTest, TextAfterTheLastSlash) {
  EXPECT_EQ(FileNameOfPath("/home/u/site/index.html"), "index.html");
  EXPECT_EQ(FileNameOfPath("index.html"), "index.html");
  EXPECT_EQ(FileNameOfPath("/home/u/"), "");
  EXPECT_EQ(FileNameOfPath("/w/a b\\c.html"), "a b\\c.html");
}

TEST(LoadingStatusTest, ComposesTheTwoEntries) {
  std::string bytes;
  for (int i = 0; i < 59; ++i) bytes += "\r\n";
  bytes += "Loading...\r\nHighlighting: \r\n";
  LangTable table;
  ASSERT_TRUE(table.LoadFromBytes(bytes));
  EXPECT_EQ(LoadingStatus(table), "Loading...");
  EXPECT_EQ(LoadedStatus(table), "Loading...  Highlighting: 100%");
}

TEST(LoadingStatusTest, MissingEntriesLeaveOnlyTheFixedParts) {
  EXPECT_EQ(LoadingStatus(LangTable()), "");
  EXPECT_EQ(LoadedStatus(LangTable()), "  100%");
}

TEST(SaveRouteTest, UnnamedDocumentAsksForAName) {
  Document document;
  EXPECT_EQ(SaveRouteFor(document), SaveRoute::kAskForName);
  document.file_path = "/w/a.html";
  EXPECT_EQ(SaveRouteFor(document), SaveRoute::kWriteToFile);
}

TEST(CloseQuestionTest, SavedDocumentClosesWithoutAQuestion) {
  Document document;
  document.saved = true;
  EXPECT_EQ(CloseQuestion(document, TableWith(79, "Save?")), std::nullopt);
}

TEST(CloseQuestionTest, UnsavedDocumentAsksTheLanguagesQuestion) {
  Document document;
  document.saved = false;
  EXPECT_EQ(CloseQuestion(document, TableWith(79, "Save?")), "Save?");
}

TEST(CloseQuestionTest, ShortLanguageFileStillAsks) {
  Document document;
  document.saved = false;
  const std::optional<std::string> question =
      CloseQuestion(document, TableWith(10, "x"));
  ASSERT_TRUE(question.has_value());
  EXPECT_FALSE(question->empty());
}

TEST(LongLineQuestionTest, AsksOnlyAboutLinesLongerThanTheLimit) {
  const std::string at_limit(kSlowLineBytes, 'x');
  EXPECT_FALSE(LongLineQuestion("a.js", at_limit));
  EXPECT_FALSE(LongLineQuestion("a.js", at_limit + "\r\n" + at_limit));
  EXPECT_FALSE(LongLineQuestion("a.js", ""));

  const std::optional<std::string> question =
      LongLineQuestion("/site/min.js", "a\r\n" + at_limit + "y");
  ASSERT_TRUE(question);
  EXPECT_EQ(question->rfind("min.js has a line of 1.0 MB.", 0), 0u);
}

// Scintilla ends a line at a lone CR as well as at LF.
TEST(LongLineQuestionTest, LoneCrEndsALineAndLoneLfToo) {
  const std::string half(kSlowLineBytes / 2 + 1, 'x');
  EXPECT_FALSE(LongLineQuestion("a", half + "\r" + half));
  EXPECT_FALSE(LongLineQuestion("a", half + "\n" + half));
  EXPECT_TRUE(LongLineQuestion("a", "\r" + half + half + "\n"));
}

}  // namespace
}  // namespace quillory
