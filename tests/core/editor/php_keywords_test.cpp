#include "editor/php_keywords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Words = std::vector<std::string>;

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

}  // namespace
}  // namespace quillory
