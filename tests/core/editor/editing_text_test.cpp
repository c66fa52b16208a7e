#include "editor/editing_text.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(EditingTextTest, TagPairWithoutSelectionIsEmpty) {
  EXPECT_EQ(TagPairText("P", ""), "<P></P>");
}

TEST(EditingTextTest, TagPairWrapsTheSelection) {
  EXPECT_EQ(TagPairText("H2", "Title"), "<H2>Title</H2>");
}

struct IndentRow {
  const char* rule;
  const char* line;
  const char* expected;
};

class IndentTest : public testing::TestWithParam<IndentRow> {};

TEST_P(IndentTest, LineBreakCopiesTheLeadingRun) {
  EXPECT_EQ(IndentedLineBreak(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IndentTest,
    testing::Values(IndentRow{"no indent", "text", "\r\n"},
                    IndentRow{"spaces kept", "  text", "\r\n  "},
                    IndentRow{"spaces before tabs", "\t \ttext", "\r\n \t\t"},
                    IndentRow{"blank line", " \t ", "\r\n  \t"},
                    IndentRow{"empty line", "", "\r\n"},
                    IndentRow{"run ends at other byte", " x\t", "\r\n "}),
    [](const auto& info) {
      std::string name = info.param.rule;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

TEST(EditingTextTest, TabFollowsTheSelection) {
  EXPECT_EQ(TabbedSelection(""), "\t");
  EXPECT_EQ(TabbedSelection("a\r\nb"), "a\r\nb\t");
}

}  // namespace
}  // namespace quillory
