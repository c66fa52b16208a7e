#include "editor/format_run.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(FormatRunTest, KindsCarryTheFixedColoursAndBold) {
  EXPECT_EQ(ColourOf(RunKind::kReset), 0u);
  EXPECT_EQ(ColourOf(RunKind::kTag), 16711680u);
  EXPECT_EQ(ColourOf(RunKind::kPhp), 8421376u);
  EXPECT_EQ(ColourOf(RunKind::kKeyword), 0u);
  EXPECT_EQ(ColourOf(RunKind::kString), 7829367u);
  EXPECT_EQ(BoldOf(RunKind::kReset), BoldChange::kOff);
  EXPECT_EQ(BoldOf(RunKind::kKeyword), BoldChange::kOn);
  EXPECT_EQ(BoldOf(RunKind::kTag), BoldChange::kKeep);
  EXPECT_EQ(BoldOf(RunKind::kPhp), BoldChange::kKeep);
  EXPECT_EQ(BoldOf(RunKind::kString), BoldChange::kKeep);
}

TEST(FormatRunTest, RunTooLongForOneEntryIsSplitIntoLikeRuns) {
  std::vector<FormatRun> runs;
  const int64_t longest = 0xFFFFFFFF;
  AddRun(runs, 5, 5 + longest, RunKind::kTag);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (FormatRun{5, 0xFFFFFFFF, RunKind::kTag}));
  EXPECT_EQ(runs[1], (FormatRun{5 + longest, 1, RunKind::kTag}));
}

TEST(FormatRunTest, RunIsSixteenBytes) { EXPECT_EQ(sizeof(FormatRun), 16u); }

}  // namespace
}  // namespace quillory
