#include "tools/shown_page.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

TEST(ShownPageTest, WritesThePageUnderAHexadecimalNumberInItsRange) {
  testing::TestFolder folder;
  const std::string temp = folder.Path("");
  EXPECT_EQ(WriteShownPage(temp, 0.0, "<b>x</b>"), temp + "F4240.tmp");
  EXPECT_EQ(folder.Read("F4240.tmp"), "<html><b>x</b>\r\n");
  EXPECT_EQ(WriteShownPage(temp, 0.9999999999, ""), temp + "98967E.tmp");
  EXPECT_EQ(WriteShownPage(temp + "missing/", 0.0, ""), "");
}

}  // namespace
}  // namespace quillory
