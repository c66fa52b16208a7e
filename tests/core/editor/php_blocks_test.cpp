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
  const char* rule;
  std::string text;
  TextRange range;
  Blocks expected;
};

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

TEST(FindPhpBlocksTest, FindsByTheRules) {
  for (const BlockCase& c : kCases) {
    EXPECT_EQ(FindPhpBlocks(c.text, c.range), c.expected) << c.rule;
  }
}

}  // namespace
}  // namespace quillory
