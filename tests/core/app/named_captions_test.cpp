#include "app/named_captions.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(NamedCaptionsTest, ReadsNameEqualsTextLines) {
  NamedCaptions captions;
  captions.LoadFromBytes(
      "setNum=Line numbers\r\nno equals sign\r\nTImg_0=a=b\r\n"
      "Empty=\r\nPHP=first\r\nPHP=second\r\nLast=unended");
  EXPECT_EQ(captions.Find("setNum"), "Line numbers");
  EXPECT_EQ(captions.Find("TImg_0"), "a=b");
  EXPECT_EQ(captions.Find("Empty"), "");
  EXPECT_EQ(captions.Find("PHP"), "second");
  EXPECT_EQ(captions.Find("Last"), "unended");
  EXPECT_EQ(captions.Find("no equals sign"), std::nullopt);
  EXPECT_EQ(captions.FindOr("Browsers", "External browsers"),
            "External browsers");
  captions.LoadFromFile("/no/such/captions.lng");
  EXPECT_TRUE(captions.All().empty());
}

}  // namespace
}  // namespace quillory
