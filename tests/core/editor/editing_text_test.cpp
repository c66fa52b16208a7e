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
    testing::Values(IndentRow{"NoIndent", "text", "\r\n"},
                    IndentRow{"SpacesKept", "  text", "\r\n  "},
                    IndentRow{"SpacesBeforeTabs", "\t \ttext", "\r\n \t\t"},
                    IndentRow{"BlankLine", " \t ", "\r\n  \t"},
                    IndentRow{"EmptyLine", "", "\r\n"},
                    IndentRow{"RunEndsAtOtherByte", " x\t", "\r\n "}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST(EditingTextTest, TabFollowsTheSelection) {
  EXPECT_EQ(TabbedSelection(""), "\t");
  EXPECT_EQ(TabbedSelection("a\r\nb"), "a\r\nb\t");
}

}  // namespace
}  // namespace quillory
