#include "editor/php_keywords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Words = std::vector<std::string>;

// The words are the file's lines, split as every data file is.
TEST(PhpKeywordListTest, LoadsTheFileInOrderOrNothing) {
  testing::TestFolder folder;
  EXPECT_EQ(
      LoadPhpKeywords(folder.Write("php.lng", "while\r\nfor\r\n")).words(),
      (Words{"while", "for", ""}));
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("missing.lng")).words().empty());
}

}  // namespace
}  // namespace quillory
