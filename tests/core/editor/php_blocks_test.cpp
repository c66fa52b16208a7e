#include "editor/php_blocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillory {
namespace {

using Blocks = std::vector<PhpBlock>;

void PrintTo(const PhpBlock& block, std::ostream* out) {
  *out << "{" << block.open << ", " << block.close << "}";
}

struct BlockCase {
  std::string rule;
  std::string text;
  TextRange range;
  Blocks expected;
};

void PrintTo(const BlockCase& c, std::ostream* out) { *out << c.rule; }

class FindPhpBlocksRule : public ::testing::TestWithParam<BlockCase> {};

TEST_P(FindPhpBlocksRule, Finds) {
  const BlockCase& c = GetParam();
  EXPECT_EQ(FindPhpBlocks(c.text, c.range), c.expected);
}

// <1 ?2 a3 ?4 >5 6 <7 ?8 b9 ?10 >11
const std::string kTwoBlocks = "<?a?> <?b?>";

const BlockCase kCases[] = {
    {"LastBlockComesFirst", kTwoBlocks, {1, 11}, {{7, 10}, {1, 4}}},
    {"BlockClosedBeforeRangeIsLeftOut", kTwoBlocks, {5, 11}, {{7, 10}}},
    {"BlockClosingAtRangeStartIsLeftOut", kTwoBlocks, {4, 11}, {{7, 10}}},
    {"BlockClosingJustAfterRangeStartIsKept", kTwoBlocks, {3, 6}, {{1, 4}}},
    {"OpenerNotWhollyInRangeIsLeftOut", kTwoBlocks, {1, 7}, {{1, 4}}},
    {"CloseAtOrPastRangeEndBecomesRangeEnd",
     kTwoBlocks,
     {1, 9},
     {{7, 9}, {1, 4}}},
    {"UnclosedBlockEndsAtRangeEnd", "<?php x", {3, 5}, {{1, 5}}},
    {"OpenersBeforeOneCloseShareIt",
     "<?<?<?"
     "?>",
     {1, 8},
     {{5, 7}, {3, 7}, {1, 7}}},
    {"OpenerAndCloseMayShareTheQuestionMark", "<?>", {1, 3}, {{1, 2}}},
    {"OneCharacterRangeKeepsBlockReachingIt", "<?a?>", {3, 3}, {{1, 3}}},
    {"OneCharacterRangeOnCloseKeepsIt", "<?a?>", {4, 4}, {{1, 4}}},
    {"NoOpenerNoBlocks", "a ?> b", {1, 6}, {}},
};

INSTANTIATE_TEST_SUITE_P(Rules, FindPhpBlocksRule, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<BlockCase>& info) {
                           return info.param.rule;
                         });

}  // namespace
}  // namespace quillory
