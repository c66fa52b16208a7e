#include "editor/gap_positions.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Random splices, the gap moving back and forth, against a plain list.
TEST(GapPositionsTest, EditsBackAndForthMatchPlainList) {
  std::mt19937 random(3);
  std::vector<int64_t> plain = {3, 10, 11, 40, 41, 77};
  int64_t length = 100;
  GapPositions positions(plain, length);
  ASSERT_EQ(All(positions), plain);
  for (int step = 0; step < 2000; ++step) {
    const int64_t from =
        std::uniform_int_distribution<int64_t>(1, length)(random);
    const int64_t to =
        from + std::uniform_int_distribution<int64_t>(-1, 3)(random);
    const int64_t delta = std::uniform_int_distribution<int64_t>(-1, 3)(random);
    if (to + delta < from) continue;  // the fresh position must come first
    std::vector<int64_t> next;
    for (int64_t p : plain) {
      if (p < from) next.push_back(p);
    }
    std::vector<int64_t> fresh;
    if (step % 3 != 0) fresh.push_back(from);  // some edits take none
    next.insert(next.end(), fresh.begin(), fresh.end());
    for (int64_t p : plain) {
      if (p > to) next.push_back(p + delta);
    }
    plain = next;
    length += delta;
    positions.Splice(from, to, delta, fresh);
    ASSERT_EQ(All(positions), plain);
    ASSERT_EQ(positions.text_length(), length);
    for (int64_t p = 0; p <= length + 1; p += 7) {
      ASSERT_EQ(
          positions.LowerBound(p),
          std::lower_bound(plain.begin(), plain.end(), p) - plain.begin());
    }
  }
}

}  // namespace
}  // namespace quillory
