#include "app/user_options.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Each option is read, the defaults kept for the rest; writing rewrites the
// options' own lines and keeps the others.
TEST(UserOptionsTest, ReadsEachOptionAndRewritesOnlyItsOwnLines) {
  EXPECT_EQ(ParseUserOptions(""), UserOptions{});
  EXPECT_EQ(ParseUserOptions("ColourScripts=0\n").colour_scripts, false);
  EXPECT_EQ(ParseUserOptions("ColourScripts=no\r\n").colour_scripts, true);
  EXPECT_EQ(WithUserOptions("Later=x\nColourScripts=1\n", {false}),
            "Later=x\nColourScripts=0\n");
  EXPECT_EQ(ParseUserOptions(WithUserOptions("", {false})), UserOptions{false});
}

}  // namespace
}  // namespace quillory
