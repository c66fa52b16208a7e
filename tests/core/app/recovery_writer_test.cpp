#include "app/recovery_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_folder.h"

namespace quillory {
namespace {

// Of the writes that wait for one slot the newest wins, a removal after a
// write leaves no entry, and the bytes are those a save would write.
TEST(RecoveryWriterTest, CarriesOutEachSlotsRequestsInOrder) {
  testing::TestFolder folder;
  const std::string root = folder.Path("recovery/");
  int failures = 0;
  {
    RecoveryWriter writer(root, [&failures](int, const WriteResult& result) {
      failures += !result.Succeeded();
    });
    for (int i = 0; i < 100; ++i) {
      writer.Write(0, {"a", "", std::to_string(i)}, LineEnds::kAsStored);
    }
    writer.Write(1, {"b", "/b", "x\r\ny"}, LineEnds::kLfOnly);
    writer.Write(2, {"c", "", "gone"}, LineEnds::kAsStored);
    writer.Remove(2);
    writer.Wait();
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(RecoveryStore(root).ClaimStale().texts,
            (std::vector<RecoveredText>{{"a", "", "99"}, {"b", "/b", "x\ny"}}));
}

}  // namespace
}  // namespace quillory
