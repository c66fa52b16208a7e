#include "tools/shown_page.h"

#include <filesystem>

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

// The page's rights are those every exclusive file gets.
TEST(ShownPageTest, NeverWritesThroughALinkPlantedUnderItsName) {
  testing::TestFolder folder;
  const std::string victim = folder.Write("victim", "mine");
  std::filesystem::create_symlink(victim, folder.Path("F4240.tmp"));
  EXPECT_EQ(WriteShownPage(folder.Path(""), 0.0, "page"), "");
  EXPECT_EQ(folder.Read("victim"), "mine");
}

}  // namespace
}  // namespace quillory
