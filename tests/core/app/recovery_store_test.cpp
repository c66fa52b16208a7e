#include "app/recovery_store.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

using namespace std::string_literals;

TEST(RecoveryEntryTest, KeepsEveryByteOfCaptionPathAndText) {
  const std::vector<RecoveredText> texts = {
      {"untitled.html", "", ""},
      {"a b.php", "/x/a b.php", "<?php\r\n\0\r\n\n\r\xff\xfe\x80 12 34\n"s},
      {"3 4\n", "/p\n7 8", "9 9\n"},
  };
  for (const RecoveredText& text : texts) {
    EXPECT_EQ(ParseRecoveryEntry(RecoveryEntryText(text)), text);
  }
  for (const std::string damaged :
       {"", "12 3\nabc", "x 0\n", "1 2", "-1 0\n"}) {
    EXPECT_FALSE(ParseRecoveryEntry(damaged)) << damaged;
  }
}

// Entries are offered only once their instance is gone, and only once.
TEST(RecoveryStoreTest, OffersTheEntriesOfGoneInstancesOnly) {
  testing::TestFolder folder;
  const std::string root = folder.Path("recovery/");
  const RecoveredText kept{"a.html", "/a.html", "1\0"s};
  auto gone = std::make_unique<RecoveryStore>(root);
  ASSERT_TRUE(gone->Write(2, {"x", "", "old"}).Succeeded());
  ASSERT_TRUE(gone->Write(2, kept).Succeeded());
  ASSERT_TRUE(gone->Write(4, {"b", "", "removed"}).Succeeded());
  gone->Remove(4);
  RecoveryStore live(root);
  ASSERT_TRUE(live.Write(0, {"live", "", "typing"}).Succeeded());

  RecoveryStore later(root);
  EXPECT_TRUE(later.ClaimStale().empty());
  gone.reset();
  EXPECT_EQ(later.ClaimStale(), std::vector<RecoveredText>{kept});
  later.DiscardClaimed();
  EXPECT_TRUE(RecoveryStore(root).ClaimStale().empty());
}

}  // namespace
}  // namespace quillory
