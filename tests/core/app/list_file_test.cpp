#include "app/list_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Names = std::vector<std::string>;

TEST(IsListFileNameTest, ExtensionIsComparedIgnoringCase) {
  EXPECT_TRUE(IsListFileName("/home/u/site.qlp"));
  EXPECT_TRUE(IsListFileName("/home/u/SITE.QLP"));
  EXPECT_TRUE(IsListFileName("last_session.qlp"));
  EXPECT_TRUE(IsListFileName(".qlp"));
  EXPECT_FALSE(IsListFileName("qlp"));
  EXPECT_FALSE(IsListFileName("site.qlp.html"));
  EXPECT_FALSE(IsListFileName("site.qlpx"));
  EXPECT_FALSE(IsListFileName(""));
}

struct EntriesRow {
  const char* rule;
  std::string text;
  Names names;
};

class ListFileEntriesTest : public ::testing::TestWithParam<EntriesRow> {};

TEST_P(ListFileEntriesTest, GivesTheNamesInOrder) {
  EXPECT_EQ(ListFileEntries(GetParam().text), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    ListRules, ListFileEntriesTest,
    ::testing::Values(
        EntriesRow{"EmptyFileListsNothing", "", {}},
        EntriesRow{"OnePathWithoutLineEnd", "/a.html", {"/a.html"}},
        EntriesRow{
            "PathsBetweenCrLf", "/a.html\r\n/b b.css", {"/a.html", "/b b.css"}},
        EntriesRow{
            "FinalCrLfLeavesAnEmptyName", "/a.html\r\n", {"/a.html", ""}},
        EntriesRow{"AppendedToEmptyProjectStartsWithEmptyName",
                   "\r\n/a.html",
                   {"", "/a.html"}},
        EntriesRow{"UnnamedDocumentIsAnEmptyLine",
                   "/a.html\r\n\r\n/c.js",
                   {"/a.html", "", "/c.js"}},
        EntriesRow{"LfOnlyListIsSplitAtLf",
                   "/a.html\n/b.html",
                   {"/a.html", "/b.html"}},
        EntriesRow{"LoneLfInsideCrLfListStaysInTheName",
                   "/a\n.html\r\n/b",
                   {"/a\n.html", "/b"}},
        EntriesRow{"NamesAreNotTrimmed",
                   " /a.html \r\n\"/b.html\"",
                   {" /a.html ", "\"/b.html\""}}),
    [](const auto& info) { return info.param.rule; });

TEST(ReadListFileTest, ReadsTheNamesFromTheFile) {
  testing::TestFolder folder;
  const std::string path =
      folder.Write("site.qlp", "/x/a.html\r\n/x/b.php\r\n/x/c.css");
  EXPECT_EQ(ReadListFile(path), (Names{"/x/a.html", "/x/b.php", "/x/c.css"}));
}

TEST(ReadListFileTest, MissingFileListsNothing) {
  testing::TestFolder folder;
  EXPECT_EQ(ReadListFile(folder.Path("missing.qlp")), Names{});
}

}  // namespace
}  // namespace quillory
