#include "editor/php_keywords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_bytes.h"
#include "editor/word_bytes.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using Words = std::vector<std::string>;
using Hits = std::vector<KeywordHit>;

TEST(PhpKeywordListTest, SplitsAtCrLfKeepingEmptyLines) {
  EXPECT_EQ(ParsePhpKeywordList("echo\r\n\r\nif\r\n"),
            (Words{"echo", "", "if", ""}));
  EXPECT_EQ(ParsePhpKeywordList("echo\nif"), (Words{"echo", "if"}));
  EXPECT_EQ(ParsePhpKeywordList("a\rb\r\nc"), (Words{"a\rb", "c"}));
}

TEST(PhpKeywordListTest, LoadsTheFileInOrderOrNothing) {
  testing::TestFolder folder;
  EXPECT_EQ(
      LoadPhpKeywords(folder.Write("php.lng", "while\r\nfor\r\n")).words(),
      (Words{"while", "for", ""}));
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("missing.lng")).words().empty());
}

TEST(ShippedPhpKeywordsTest, AreWholeWordsWithCrLfLineEnds) {
  const std::string path = QUILLORY_DATA_DIR "/languages/php.lng";
  const std::string bytes = ReadFileBytes(path).value_or("");
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  Words words = ParsePhpKeywordList(bytes);
  ASSERT_EQ(words.back(), "");
  words.pop_back();
  EXPECT_GE(words.size(), 100u);
  for (const std::string& word : words) {
    EXPECT_FALSE(word.empty());
    EXPECT_EQ(word.find('\n'), std::string::npos) << word;
    for (char c : word) EXPECT_TRUE(IsWordByte(c)) << word;
  }
  const PhpKeywords keywords(words);
  Hits hits;
  const std::string_view code = "if (isset($a)) { echo $a; } else { return; }";
  keywords.FindWordKeywords(code, 1, code.size(), hits);
  EXPECT_EQ(hits.size(), 5u);
}

}  // namespace
}  // namespace quillory
