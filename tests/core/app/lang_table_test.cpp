#include "app/lang_table.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Entries = std::vector<std::string>;

Entries AllEntries(const LangTable& table) {
  Entries entries;
  for (int i = 0; i < table.Size(); ++i) entries.push_back(*table.Entry(i));
  return entries;
}

LangTable TableOf(std::string_view bytes) {
  LangTable table;
  EXPECT_TRUE(table.LoadFromBytes(bytes));
  return table;
}

struct LoadRow {
  const char* rule;
  std::string bytes;
  Entries entries;
};

class LangTableLoadTest : public ::testing::TestWithParam<LoadRow> {};

TEST_P(LangTableLoadTest, TakesTheCompleteLines) {
  EXPECT_EQ(AllEntries(TableOf(GetParam().bytes)), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    LoadRules, LangTableLoadTest,
    ::testing::Values(
        LoadRow{"EveryLineEndedByCrLf", "File\r\nTools\r\n", {"File", "Tools"}},
        LoadRow{"LastLineWithoutCrLfIsLost", "File\r\nTools", {"File"}},
        LoadRow{"EntriesAreNotTrimmed", " Line: \r\n\t\r\n", {" Line: ", "\t"}},
        LoadRow{"EmptyLinesKeepLaterNumbers",
                "a\r\n\r\n\r\nd\r\n",
                {"a", "", "", "d"}},
        LoadRow{"LoneLfInsideCrLfFileStaysInTheEntry",
                "a\nb\r\nc\r\n",
                {"a\nb", "c"}},
        LoadRow{"LfOnlyFileIsTakenAsCrLf", "a\nb\n", {"a", "b"}},
        LoadRow{"MarkersAreKeptAsWritten", "x<BR>y\r\n", {"x<BR>y"}},
        LoadRow{"Utf8BytesAreKept", "Файл\r\n", {"Файл"}}),
    [](const auto& info) { return info.param.rule; });

struct KeepRow {
  const char* rule;
  std::string bytes;
};

class LangTableKeepTest : public ::testing::TestWithParam<KeepRow> {};

TEST_P(LangTableKeepTest, KeepsThePreviousEntries) {
  LangTable table = TableOf("Old\r\n");
  EXPECT_FALSE(table.LoadFromBytes(GetParam().bytes));
  EXPECT_EQ(AllEntries(table), Entries{"Old"});
}

INSTANTIATE_TEST_SUITE_P(NothingToLoad, LangTableKeepTest,
                         ::testing::Values(KeepRow{"EmptyFile", ""},
                                           KeepRow{"SingleLineWithoutLineEnd",
                                                   "File"}),
                         [](const auto& info) { return info.param.rule; });

TEST(LangTableTest, StartsEmpty) {
  const LangTable table;
  EXPECT_EQ(table.Size(), 0);
  EXPECT_EQ(table.Entry(0), std::nullopt);
}

TEST(LangTableTest, NewLoadReplacesTheWholeTable) {
  LangTable table = TableOf("a\r\nb\r\nc\r\n");
  ASSERT_TRUE(table.LoadFromBytes("x\r\n"));
  EXPECT_EQ(AllEntries(table), Entries{"x"});
}

TEST(LangTableTest, IndexOutsideTheTableGivesNothingOrTheFallback) {
  const LangTable table = TableOf("zero\r\none\r\n");
  EXPECT_EQ(table.Entry(1), "one");
  EXPECT_EQ(table.Entry(2), std::nullopt);
  EXPECT_EQ(table.Entry(-1), std::nullopt);
  EXPECT_EQ(table.EntryOr(0, "fallback"), "zero");
  EXPECT_EQ(table.EntryOr(134, "fallback"), "fallback");
}

TEST(LangTableTest, LoadsFromFile) {
  testing::TestFolder folder;
  LangTable table;
  ASSERT_TRUE(table.LoadFromFile(folder.Write("main.lng", "File\r\nEdit\r\n")));
  EXPECT_EQ(AllEntries(table), (Entries{"File", "Edit"}));
}

TEST(LangTableTest, MissingFileKeepsThePreviousEntries) {
  testing::TestFolder folder;
  LangTable table = TableOf("Old\r\n");
  EXPECT_FALSE(table.LoadFromFile(folder.Path("missing/main.lng")));
  EXPECT_FALSE(table.LoadFromFile(folder.Path("")));
  EXPECT_EQ(AllEntries(table), Entries{"Old"});
}

struct MarkerRow {
  const char* rule;
  std::string entry;
  std::string shown;
};

class WithLineBreaksTest : public ::testing::TestWithParam<MarkerRow> {};

TEST_P(WithLineBreaksTest, ReplacesTheMarkers) {
  EXPECT_EQ(WithLineBreaks(GetParam().entry), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    MarkerRules, WithLineBreaksTest,
    ::testing::Values(
        MarkerRow{"UpperCaseMarker", "a<BR>b", "a\r\nb"},
        MarkerRow{"LowerCaseMarker", "a<br>b", "a\r\nb"},
        MarkerRow{"BothSpellingsInOneText", "<br>a<BR><BR>", "\r\na\r\n\r\n"},
        MarkerRow{"MixedCaseIsNoMarker", "a<Br>b<bR>", "a<Br>b<bR>"},
        MarkerRow{"SelfClosingIsNoMarker", "a<br/>b", "a<br/>b"},
        MarkerRow{"PartialMarkerAtTheEnd", "a<BR", "a<BR"},
        MarkerRow{"NoMarker", "plain", "plain"}),
    [](const auto& info) { return info.param.rule; });

}  // namespace
}  // namespace quillory
