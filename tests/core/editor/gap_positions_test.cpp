#include "editor/gap_positions.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quillory {
namespace {

std::vector<int64_t> All(const GapPositions& positions) {
  std::vector<int64_t> all;
  for (int64_t i = 0; i < positions.size(); ++i) {
    all.push_back(positions.At(i));
  }
  return all;
}

TEST(GapPositionsTest, StartsAsGiven) {
  const GapPositions positions({2, 5, 9}, 10);
  EXPECT_EQ(All(positions), (std::vector<int64_t>{2, 5, 9}));
  EXPECT_EQ(positions.text_length(), 10);
}

TEST(GapPositionsTest, LowerBoundFindsFirstAtOrAfter) {
  GapPositions positions({2, 5, 9}, 10);
  positions.Splice(6, 5, 0, {});  // moves the gap between 5 and 9
  EXPECT_EQ(positions.LowerBound(1), 0);
  EXPECT_EQ(positions.LowerBound(5), 1);
  EXPECT_EQ(positions.LowerBound(6), 2);
  EXPECT_EQ(positions.LowerBound(9), 2);
  EXPECT_EQ(positions.LowerBound(10), 3);
}

TEST(GapPositionsTest, InsertionMovesLaterPositions) {
  GapPositions positions({2, 5, 9}, 10);
  positions.Splice(4, 3, 3, {});
  EXPECT_EQ(All(positions), (std::vector<int64_t>{2, 8, 12}));
  EXPECT_EQ(positions.text_length(), 13);
}

TEST(GapPositionsTest, RemovalDropsCoveredPositionsAndTakesFresh) {
  GapPositions positions({2, 5, 7, 9}, 10);
  positions.Splice(5, 7, -2, {5});
  EXPECT_EQ(All(positions), (std::vector<int64_t>{2, 5, 7}));
}

TEST(GapPositionsTest, EditsBackAndForthMatchPlainList) {
  std::mt19937 random(3);
  std::vector<int64_t> plain = {3, 10, 11, 40, 41, 77};
  int64_t length = 100;
  GapPositions positions(plain, length);
  for (int step = 0; step < 2000; ++step) {
    const int64_t from =
        std::uniform_int_distribution<int64_t>(1, length)(random);
    const int64_t to =
        from + std::uniform_int_distribution<int64_t>(-1, 3)(random);
    const int64_t delta = std::uniform_int_distribution<int64_t>(-1, 3)(random);
    std::vector<int64_t> next;
    for (int64_t p : plain) {
      if (p < from) next.push_back(p);
    }
    const std::vector<int64_t> fresh = {from};
    next.push_back(from);
    for (int64_t p : plain) {
      if (p > to) next.push_back(p + delta);
    }
    if (to + delta < from) continue;  // the fresh position must come first
    plain = next;
    length += delta;
    positions.Splice(from, to, delta, fresh);
    ASSERT_EQ(All(positions), plain);
    for (int64_t p = 0; p <= length + 1; p += 7) {
      ASSERT_EQ(
          positions.LowerBound(p),
          std::lower_bound(plain.begin(), plain.end(), p) - plain.begin());
    }
  }
}

}  // namespace
}  // namespace quillory
