#include "editor/style_stretches.h"

#include <gtest/gtest.h>

#include <string>

namespace quillory {
namespace {

struct StretchCase {
  const char* rule;
  std::string bytes;
  size_t from;
  size_t end;
};

class StretchEndTest : public testing::TestWithParam<StretchCase> {};

TEST_P(StretchEndTest, EndsAtTheFirstDifferentByte) {
  const StretchCase& row = GetParam();
  EXPECT_EQ(StretchEnd(row.bytes, row.from), row.end) << row.rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StretchEndTest,
    testing::Values(
        StretchCase{"OneByteText", "a", 0, 1},
        StretchCase{"StopsAtTheNextByte", "ab", 0, 1},
        StretchCase{"RunsToTheEnd", "aaaa", 1, 4},
        StretchCase{"ShortTailAfterWholeWords", std::string(19, 'x') + "y", 0,
                    19},
        StretchCase{"DifferenceInsideAWord", std::string(11, 'x') + "yxxxxx", 2,
                    11},
        StretchCase{"DifferenceAtAWordStart", std::string(9, 'x') + "y", 0, 9},
        StretchCase{"HighBytesCompareAsBytes", "\xff\xff\xfe\xff", 0, 2},
        StretchCase{"NulBytes", std::string(10, '\0') + "\x01", 3, 10},
        StretchCase{"LongUniformText", std::string(1000, '\x06'), 500, 1000}),
    [](const testing::TestParamInfo<StretchCase>& info) {
      return std::string(info.param.rule);
    });

}  // namespace
}  // namespace quillory
