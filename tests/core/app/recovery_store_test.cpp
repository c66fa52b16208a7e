#include "app/recovery_store.h"

#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/file_size_limit.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;
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
  for (const char* damaged : {"", "12 3\nabc", "x 0\n", "1 2", "-1 0\n"}) {
    EXPECT_FALSE(ParseRecoveryEntry(damaged)) << damaged;
  }
}

// Entries are offered only once their instance is gone, and only once; an
// entry outlives a later write of its slot that the disk could not hold.
TEST(RecoveryStoreTest, OffersTheEntriesOfGoneInstancesOnly) {
  testing::TestFolder folder;
  const std::string root = folder.Path("recovery/");
  const RecoveredText kept{"a.html", "/a.html", "1\0"s};
  auto gone = std::make_unique<RecoveryStore>(root);
  ASSERT_TRUE(gone->Write(2, {"x", "", "old"}).Succeeded());
  ASSERT_TRUE(gone->Write(2, kept).Succeeded());
  EXPECT_FALSE(testing::WithFileSizeLimit(4096, [&] {
    return gone->Write(2, {"big", "", std::string(10000, 'n')}).Succeeded();
  }));
  ASSERT_TRUE(gone->Write(4, {"b", "", "removed"}).Succeeded());
  gone->Remove(4);
  RecoveryStore live(root);
  ASSERT_TRUE(live.Write(0, {"live", "", "typing"}).Succeeded());

  RecoveryStore later(root);
  EXPECT_TRUE(later.ClaimStale().texts.empty());
  gone.reset();
  // A claim never discarded (its text found no free tab) is offered again.
  EXPECT_EQ(RecoveryStore(root).ClaimStale().texts,
            std::vector<RecoveredText>{kept});
  EXPECT_EQ(later.ClaimStale().texts, std::vector<RecoveredText>{kept});
  later.DiscardClaimed();
  EXPECT_TRUE(RecoveryStore(root).ClaimStale().texts.empty());
}

// Of a claim partly taken back, only the texts left are offered again; a
// folder left without one goes.
TEST(RecoveryStoreTest, TextsTakenBackAreNotOfferedAgain) {
  testing::TestFolder folder;
  const std::string root = folder.Path("recovery/");
  for (const char* caption : {"a", "b"}) {
    RecoveryStore gone(root);
    ASSERT_TRUE(gone.Write(0, {caption, "", "1"}).Succeeded());
    ASSERT_TRUE(gone.Write(1, {caption, "", "2"}).Succeeded());
  }
  {
    RecoveryStore first(root);
    ASSERT_EQ(first.ClaimStale().texts.size(), 4u);
    for (const size_t taken : {0, 1, 3}) first.DiscardClaimedText(taken);
  }
  EXPECT_EQ(RecoveryStore(root).ClaimStale().texts,
            (std::vector<RecoveredText>{{"b", "", "1"}}));
  EXPECT_EQ(std::distance(fs::directory_iterator(root), {}), 1);
}

// A quit marks its entries, so the next start does not call it a crash;
// one instance cut short among closed ones is.
TEST(RecoveryStoreTest, TellsAQuitFromACut) {
  testing::TestFolder folder;
  const std::string root = folder.Path("recovery/");
  const auto leave = [&root](ProgramEnd end) {
    RecoveryStore store(root);
    ASSERT_TRUE(store.Write(0, {"a", "", "1"}).Succeeded());
    if (end == ProgramEnd::kClosed) store.MarkClosed();
  };
  const auto take = [&root] {
    RecoveryStore store(root);
    const StaleTexts stale = store.ClaimStale();
    store.DiscardClaimed();
    return stale;
  };
  leave(ProgramEnd::kClosed);
  StaleTexts stale = take();
  EXPECT_EQ(stale.end, ProgramEnd::kClosed);
  EXPECT_TRUE(RecoveryQuestion(stale, NamedCaptions())
                  .starts_with("These documents were not saved when Quillory "
                               "closed:\n\na\n"));
  leave(ProgramEnd::kClosed);
  leave(ProgramEnd::kCut);
  stale = take();
  EXPECT_EQ(stale.end, ProgramEnd::kCut);
  EXPECT_TRUE(RecoveryQuestion(stale, NamedCaptions())
                  .starts_with("Quillory ended before these documents were "
                               "saved:\n\na\na\n"));
}

}  // namespace
}  // namespace quillory
