#include "editor/slot_histories.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

void TypeOneKey(SnapshotHistory& history) {
  history.Notify({ChangeKind::kText, 0, {}, {"a", std::string(1, 0)}});
  history.Record();
}

TEST(SlotHistoriesTest, EachSlotKeepsItsOwnLevelsUntilFreed) {
  SlotHistories histories;
  TypeOneKey(histories.Of(2));
  TypeOneKey(histories.Of(2));
  TypeOneKey(histories.Of(5));
  EXPECT_EQ(histories.Of(2).position(), 2);
  EXPECT_EQ(histories.Of(5).position(), 1);
  EXPECT_EQ(histories.Of(0).position(), 0);
  histories.Free(2);
  EXPECT_FALSE(histories.Of(2).Undo());
  EXPECT_FALSE(histories.Of(2).LevelFilled(0));
  EXPECT_TRUE(histories.Of(5).LevelFilled(0));
}

}  // namespace
}  // namespace quillory
