#include "app/path_caption.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(MiddleEllipsisCutTest, PathThatFitsIsShownWhole) {
  EXPECT_EQ(MiddleEllipsisCut(20, 200, 200), std::nullopt);
  EXPECT_EQ(MiddleEllipsisCut(20, 300, 200), std::nullopt);
}

TEST(MiddleEllipsisCutTest, HalfTheWidthDropsHalfThePathPlusThree) {
  // L=40, W/T=1/2: R = 40 - 20 + 3 = 23, H = 11, head = 20 - 11 = 9,
  // tail from 1-based 23 + 20 - 11 = 32.
  const auto cut = MiddleEllipsisCut(40, 100, 200);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->head_length, 9);
  EXPECT_EQ(cut->tail_start, 31);
}

TEST(MiddleEllipsisCutTest, OddLengthsDropTheFraction) {
  // L=31, W/T=2/3: Int(20.67)=20, R=14, H=7, L\2=15: head 8, tail from 22.
  const auto cut = MiddleEllipsisCut(31, 200, 300);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->head_length, 8);
  EXPECT_EQ(cut->tail_start, 21);
}

TEST(MiddleEllipsisCutTest, TinyLabelNeverCutsOutsideThePath) {
  const auto cut = MiddleEllipsisCut(10, 0, 500);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->head_length, 0);
  EXPECT_LE(cut->tail_start, 10);
  EXPECT_GE(cut->tail_start, 0);
}

}  // namespace
}  // namespace quillory
