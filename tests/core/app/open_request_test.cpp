#include "app/open_request.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quillory {
namespace {

using Paths = std::vector<std::string>;

TEST(OpenRequestTest, PathsComeBackOnlyWhenComplete) {
  const Paths paths = {"/a b/x.html", "", "/new\nline.css"};
  const std::string bytes = OpenRequestBytes(paths);
  EXPECT_EQ(ParseOpenRequest(bytes), paths);
  EXPECT_EQ(ParseOpenRequest(bytes.substr(0, bytes.size() - 1)), std::nullopt);
  EXPECT_EQ(ParseOpenRequest(OpenRequestBytes({})), Paths{});
  EXPECT_EQ(ParseOpenRequest("x\n/a"), std::nullopt);
}

}  // namespace
}  // namespace quillory
