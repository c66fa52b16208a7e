#include "app/open_request.h"

#include <string>
#include <utility>
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

// A request that can never end within the bounds is refused as soon as
// its bytes show it, long before the whole limit has come.
TEST(OpenRequestTest, ARequestPastItsBoundsIsRefused) {
  const std::string longest(kOpenRequestPathLimit, 'a');
  const std::pair<std::string, bool> rows[] = {
      {"", false},
      {"2\n/a", false},
      {OpenRequestBytes({"/a", longest}), false},
      {"1\n" + longest, false},
      {"1\n" + longest + "a", true},
      {std::string("2\n/a\0", 5) + longest + "b", true},
      {"x\n", true},
      {"-1\n", true},
      {std::string(21, '1'), true},
      {std::to_string(kOpenRequestPathCount + 1) + "\n", true},
  };
  for (const auto& [bytes, refused] : rows) {
    EXPECT_EQ(OpenRequestRefused(bytes), refused) << bytes.substr(0, 24);
  }
}

}  // namespace
}  // namespace quillory
