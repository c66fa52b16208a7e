#include "tools/server_key.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(ServerKeyTest, IsFreshHexadecimalEachTime) {
  const std::string key = NewServerKey();
  EXPECT_EQ(key.size(), 64u);
  EXPECT_EQ(key.find_first_not_of("0123456789abcdef"), std::string::npos);
  EXPECT_NE(NewServerKey(), key);
  EXPECT_EQ(WithServerKey("http://127.0.0.1:8000/a.php", "k1"),
            "http://127.0.0.1:8000/a.php?quillory_key=k1");
  EXPECT_NE(ServerRouterScript(key).find("'" + key + "'"), std::string::npos);
}

}  // namespace
}  // namespace quillory
