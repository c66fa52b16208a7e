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

TEST(LangTableTest, TakesTheCompleteLines) {
  struct Row {
    const char* rule;
    std::string bytes;
    Entries entries;
  };
  const Row rows[] = {
      {"every line ended by CR LF", "File\r\nTools\r\n", {"File", "Tools"}},
      {"last line without CR LF is lost", "File\r\nTools", {"File"}},
      {"entries are not trimmed", " Line: \r\n\t\r\n", {" Line: ", "\t"}},
      {"empty lines keep later numbers",
       "a\r\n\r\n\r\nd\r\n",
       {"a", "", "", "d"}},
  };
  for (const Row& row : rows) {
    LangTable table;
    EXPECT_TRUE(table.LoadFromBytes("Old\r\nOlder\r\n"));
    EXPECT_TRUE(table.LoadFromBytes(row.bytes)) << row.rule;
    EXPECT_EQ(AllEntries(table), row.entries) << row.rule;
  }
}

// Nothing to load keeps the previous entries; an index outside the table
// gives nothing, or the fallback.
TEST(LangTableTest, NothingToLoadAndIndexesOutsideTheTable) {
  testing::TestFolder folder;
  LangTable table;
  EXPECT_EQ(table.Entry(0), std::nullopt);
  ASSERT_TRUE(table.LoadFromFile(folder.Write("main.lng", "Old\r\n")));
  EXPECT_FALSE(table.LoadFromBytes(""));
  EXPECT_FALSE(table.LoadFromBytes("File"));
  EXPECT_FALSE(table.LoadFromFile(folder.Path("missing/main.lng")));
  EXPECT_EQ(AllEntries(table), Entries{"Old"});
  EXPECT_EQ(table.Entry(1), std::nullopt);
  EXPECT_EQ(table.Entry(-1), std::nullopt);
  EXPECT_EQ(table.EntryOr(0, "fallback"), "Old");
  EXPECT_EQ(table.EntryOr(134, "fallback"), "fallback");
}

TEST(WithLineBreaksTest, ReplacesOnlyTheTwoSpellingsOfTheMarker) {
  const std::pair<std::string, std::string> rows[] = {
      {"a<BR>b", "a\r\nb"},
      {"a<br>b", "a\r\nb"},
      {"<br>a<BR><BR>", "\r\na\r\n\r\n"},
      {"a<Br>b<bR>", "a<Br>b<bR>"},
      {"a<BR", "a<BR"},
  };
  for (const auto& [entry, shown] : rows) {
    EXPECT_EQ(WithLineBreaks(entry), shown) << entry;
  }
}

}  // namespace
}  // namespace quillory
