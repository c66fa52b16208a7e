#include "base/lang_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/named_captions.h"
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
  const std::tuple<const char*, std::string, Entries> rows[] = {
      {"every line ended by CR LF", "File\r\nTools\r\n", {"File", "Tools"}},
      {"last line without CR LF is lost", "File\r\nTools", {"File"}},
      {"entries are not trimmed", " Line: \r\n\t\r\n", {" Line: ", "\t"}},
      {"empty lines are entries too", "a\r\n\r\n\r\nd\r\n", {"a", "", "", "d"}},
  };
  for (const auto& [rule, bytes, entries] : rows) {
    LangTable table;
    EXPECT_TRUE(table.LoadFromBytes("Old\r\nOlder\r\n"));
    EXPECT_TRUE(table.LoadFromBytes(bytes)) << rule;
    EXPECT_EQ(AllEntries(table), entries) << rule;
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
  for (int i : {1, -1}) EXPECT_EQ(table.Entry(i), std::nullopt) << i;
  EXPECT_EQ(table.EntryOr(0, "fallback"), "Old");
  EXPECT_EQ(table.EntryOr(134, "fallback"), "fallback");
}

TEST(NamedCaptionsTest, ReadsNameEqualsTextLines) {
  NamedCaptions captions;
  captions.LoadFromBytes(
      "setNum=Line numbers\r\nno equals sign\r\nTImg_0=a=b\r\n"
      "Empty=\r\nPHP=first\r\nPHP=second\r\nLast=unended");
  EXPECT_EQ(captions.Find("setNum"), "Line numbers");
  EXPECT_EQ(captions.Find("TImg_0"), "a=b");
  EXPECT_EQ(captions.Find("Empty"), "");
  EXPECT_EQ(captions.Find("PHP"), "second");
  EXPECT_EQ(captions.Find("Last"), "unended");
  EXPECT_EQ(captions.Find("no equals sign"), std::nullopt);
  EXPECT_EQ(captions.FindOr("Browsers", "External browsers"),
            "External browsers");
  captions.LoadFromFile("/no/such/captions.lng");
  EXPECT_TRUE(captions.All().empty());
}

}  // namespace
}  // namespace quillory
