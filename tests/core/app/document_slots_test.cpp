#include "app/document_slots.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillory {
namespace {

TEST(FreeTabsTest, HandsOutTheOldestFreeSlotFirst) {
  struct Row {
    const char* rule;
    int taken;  // slots taken from a fresh list before the releases
    std::vector<int> released;
    std::vector<int> handed_out;  // every slot then taken, in order
  };
  const Row rows[] = {
      {"fresh list is every slot in order",
       0,
       {},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"freed slots come back in the order freed", 10, {3, 7}, {3, 7}},
      {"oldest free slot wins over lowest", 4, {2}, {4, 5, 6, 7, 8, 9, 2}},
      {"releasing twice lists the slot once",
       1,
       {0, 0, 5},
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
      {"out of range slots are never listed", 10, {-1, 10}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    FreeTabs free;
    for (int i = 0; i < row.taken; ++i) free.Take();
    for (int slot : row.released) free.Release(slot);
    std::vector<int> handed_out;
    while (auto slot = free.Take()) handed_out.push_back(*slot);
    EXPECT_EQ(handed_out, row.handed_out);
    EXPECT_TRUE(free.Empty());
  }
}

}  // namespace
}  // namespace quillory
