#include "platform/file_filters.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/file_commands.h"
#include "app/file_for_editing.h"
#include "base/document_kind.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using enum DocumentKind;

using Filters = std::vector<FileFilter>;

// A table of empty entries up to `index`, then `entries`.
LangTable TableWith(int index, std::string_view entries) {
  std::string bytes;
  for (int i = 0; i < index; ++i) bytes += "\r\n";
  LangTable table;
  table.LoadFromBytes(bytes + std::string(entries));
  return table;
}

// Each entry names itself, so a filter shows which entry it took. The open
// command's list is the filter table itself.
TEST(SaveAsFileFiltersTest, OffersTheExtensionsFilterThenAllFiles) {
  const std::pair<const char*, FileFilter> rows[] = {
      {"index.html", {"T54", "*.html"}}, {"a.php3", {"T57", "*.php3"}},
      {"A.HTML", {"T58", "*.HTML"}},  // upper case is another type
      {"a.min.js", {"T55", "*.js"}},  // the last dot counts
      {"README", {"T58", "*"}},
  };
  const auto numbered = TableWith(54, "T54\r\nT55\r\nT56\r\nT57\r\nT58\r\n");
  for (const auto& [caption, first] : rows) {
    EXPECT_EQ(SaveAsFileFilters(caption, numbered),
              (Filters{first, {"T58", "*.*"}}))
        << caption;
  }
}

// Tags are completed everywhere but where "<" is an operator or selector.
TEST(KindOfCaptionTest, ExtensionsAreExactAndCaseSensitive) {
  const std::tuple<const char*, DocumentKind, bool> rows[] = {
      {"app.js", kJavaScript, false}, {"site.css", kCss, false},
      {"c.php3", kPhp, true},         {"SHOUT.HTML", kOther, true},
      {"x.php4", kOther, true},       {"archive.html.bak", kOther, true},
      {".html", kHtml, true},         {"", kOther, true},
  };
  for (const auto& [caption, kind, completes_tags] : rows) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(KindOfCaption(caption), kind);
    EXPECT_EQ(OffersTagCompletion(kind), completes_tags);
  }
}

TEST(LoadingStatusTest, ComposesTheTwoEntries) {
  const LangTable table = TableWith(59, "Loading...\r\nHighlighting: \r\n");
  EXPECT_EQ(LoadingStatus(table), "Loading...");
  EXPECT_EQ(LoadedStatus(table), "Loading...  Highlighting: 100%");
  EXPECT_EQ(LoadingStatus(LangTable()), "");
  EXPECT_EQ(LoadedStatus(LangTable()), "  100%");
}

TEST(CloseQuestionTest,
     OnlyUnsavedDocumentsAskNamingThemEvenWithAShortLanguageFile) {
  const LangTable table = TableWith(79, "Save?\r\n");
  Document document;
  document.saved = true;
  EXPECT_EQ(CloseQuestion(document, "a.html", table), std::nullopt);
  document.saved = false;
  EXPECT_EQ(CloseQuestion(document, "a.html", table), "a.html\r\n\r\nSave?");
  EXPECT_EQ(CloseQuestion(document, "a.html", TableWith(10, "x\r\n"))
                .value_or("")
                .find("a.html\r\n\r\nSave the"),
            0u);
}

// A list naming thousands of missing files is told in one message of a
// readable length; a thousand is the list file widget test's.
TEST(MissingFilesMessageTest, NamesTheFirstTenAndCountsTheRest) {
  const std::string ten =
      "f0\r\nf1\r\nf2\r\nf3\r\nf4\r\nf5\r\nf6\r\nf7\r\nf8\r\nf9";
  const std::pair<int, std::string> rows[] = {
      {0, ""},
      {1, "File doesn't exist!\r\nf0"},
      {10, "File doesn't exist!\r\n" + ten},
      {11, "File doesn't exist!\r\n" + ten + "\r\n... and 1 more"},
  };
  for (const auto& [count, message] : rows) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back("f" + std::to_string(i));
    EXPECT_EQ(MissingFilesMessage(names, "... and %1 more"), message) << count;
  }
}

// Scintilla ends a line at a lone CR as well as at LF.
TEST(LongLineQuestionTest, AsksOnlyAboutLinesLongerThanTheLimit) {
  testing::TestFolder folder;
  const auto question = [&folder](const char* name, const std::string& text) {
    return LongLineQuestion(
        name, SurveyFile(folder.Write("file", text)).value().longest_line);
  };
  const std::string at_limit(kSlowLineBytes, 'x');
  const std::string half(kSlowLineBytes / 2 + 1, 'x');
  for (const std::string& text :
       {at_limit, at_limit + "\r\n" + at_limit, std::string(),
        half + "\r" + half, half + "\n" + half}) {
    EXPECT_FALSE(question("a.js", text)) << text.size();
  }
  EXPECT_TRUE(question("a", "\r" + half + half + "\n"));
  const auto asked = question("/site/min.js", "a\r\n" + at_limit + "y");
  ASSERT_TRUE(asked);
  EXPECT_EQ(asked->rfind("min.js has a line of 1.0 MB.", 0), 0u);
}

}  // namespace
}  // namespace quillory
