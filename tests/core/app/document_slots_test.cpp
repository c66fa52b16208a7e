#include "app/document_slots.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace quillory {
namespace {

// Slots written as digits. Slots outside 0..9 are released in every row
// and never listed.
TEST(FreeTabsTest, HandsOutTheOldestFreeSlotFirst) {
  const std::tuple<const char*, int, std::string, std::string> rows[] = {
      {"fresh list is every slot in order", 0, "", "0123456789"},
      {"freed slots come back in the order freed", 10, "37", "37"},
      {"oldest free slot wins over lowest", 4, "2", "4567892"},
      {"releasing twice lists the slot once", 1, "005", "1234567890"},
  };
  for (const auto& [rule, taken, released, expected] : rows) {
    FreeTabs free;
    for (int i = 0; i < taken; ++i) free.Take();
    for (int slot : {-1, kSlotCount}) free.Release(slot);
    for (char slot : released) free.Release(slot - '0');
    std::string handed_out;
    while (auto slot = free.Take()) handed_out += std::to_string(*slot);
    EXPECT_EQ(handed_out, expected) << rule;
    EXPECT_TRUE(free.Empty());
  }
}

}  // namespace
}  // namespace quillory
