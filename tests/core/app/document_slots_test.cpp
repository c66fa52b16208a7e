#include "app/document_slots.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillory {
namespace {

std::vector<int> TakeAll(FreeTabs& free) {
  std::vector<int> taken;
  while (auto slot = free.Take()) taken.push_back(*slot);
  return taken;
}

TEST(FreeTabsTest, StartsWithEverySlotInOrder) {
  FreeTabs free;
  EXPECT_EQ(TakeAll(free), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(free.Take(), std::nullopt);
}

TEST(FreeTabsTest, OnlyFreeSlotIsTakenNext) {
  FreeTabs free;
  TakeAll(free);
  free.Release(3);
  EXPECT_EQ(free.Take(), 3);
}

TEST(FreeTabsTest, FreedSlotsComeBackInTheOrderTheyWereFreed) {
  FreeTabs free;
  TakeAll(free);
  free.Release(3);
  free.Release(7);
  EXPECT_EQ(TakeAll(free), (std::vector<int>{3, 7}));
}

TEST(FreeTabsTest, OldestFreeSlotWinsOverLowest) {
  FreeTabs free;
  for (int i = 0; i < 4; ++i) free.Take();  // 0..3 in use, 4..9 free
  free.Release(2);
  EXPECT_EQ(free.Take(), 4);
}

TEST(FreeTabsTest, ReleasingTwiceListsTheSlotOnce) {
  FreeTabs free;
  free.Take();
  free.Release(0);
  free.Release(0);
  free.Release(5);  // already free
  EXPECT_EQ(free.Slots().size(), 10u);
  EXPECT_EQ(TakeAll(free), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
}

TEST(FreeTabsTest, OutOfRangeSlotsAreNeverListed) {
  FreeTabs free;
  TakeAll(free);
  free.Release(-1);
  free.Release(10);
  EXPECT_TRUE(free.Empty());
}

}  // namespace
}  // namespace quillory
