#include "insert/tag_lists.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_folder.h"

namespace quillory {
namespace {

// Entries written as "[caption/snippet]".
std::string Describe(const std::vector<TagEntry>& entries) {
  std::string text;
  for (const TagEntry& entry : entries)
    text += "[" + entry.caption + "/" + entry.snippet + "]";
  return text;
}

TEST(TagFileTest, EntriesEndAtBarsAndLoseTheLineBreakBefore) {
  const std::pair<std::string, std::string> rows[] = {
      {"\r\nBold///<B></B>||\r\nPara///p||\r\n", "[Bold/<B></B>][Para/p]"},
      {"\nA///x///y||\rB///\r\nz||", "[A/x///y][B/\r\nz]"},
      {"\r\nA///a||\r\nLast///lost", "[A/a]"},  // no "||" after the last
      {"\r\nno caption end||\r\nB///b||", "[B/b]"},
      {"\r\n\r\nC///c||", "[\r\nC/c]"},  // only one line break is layout
      {"", ""},
  };
  for (const auto& [text, entries] : rows)
    EXPECT_EQ(Describe(ParseTagFile(text)), entries) << text;
  testing::TestFolder folder;
  EXPECT_TRUE(LoadTagFile(folder.Path("none.lng")).empty());
  EXPECT_EQ(Describe(LoadTagFile(folder.Write("lf.lng", "\nA///1\n2||\n"))),
            "[A/1\r\n2]");
}

TEST(TagEntryTextTest, HtmlTagNamesWrapTheSelectionOtherSnippetsReplaceIt) {
  using C = TagCategory;
  const std::tuple<C, std::string, std::string> rows[] = {
      {C::kHtml, "p", "<p>text</p>"},
      {C::kHtml, "<B></B>", "<B></B>"},
      {C::kHtml, "", "<>text</>"},
      {C::kJavaScript, "p", "p"},
      {C::kPhp, "", ""},
  };
  for (const auto& [category, snippet, text] : rows)
    EXPECT_EQ(TagEntryText(category, {"c", snippet}, "text"), text) << snippet;
}

}  // namespace
}  // namespace quillory
