#include "app/document_line_ends.h"

#include <string>

#include <gtest/gtest.h>

#include "app/atomic_write.h"
#include "app/text_file.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

struct HeldRow {
  const char* rule;
  std::string stored;
  std::string held;
  LineEnds line_ends;
};

class HoldForEditingTest : public ::testing::TestWithParam<HeldRow> {};

TEST_P(HoldForEditingTest, HoldsCrLfOnlyWhereEveryLineEndWasLf) {
  const HeldText held = HoldForEditing(GetParam().stored);
  EXPECT_EQ(held.text, GetParam().held);
  EXPECT_EQ(held.line_ends, GetParam().line_ends);
}

TEST_P(HoldForEditingTest, SavingUnchangedGivesBackTheStoredBytes) {
  const HeldText held = HoldForEditing(GetParam().stored);
  EXPECT_EQ(BytesToStore(held.text, held.line_ends), GetParam().stored);
}

TEST_P(HoldForEditingTest, FileOpenedAndSavedUnchangedKeepsEveryByte) {
  testing::TestFolder folder;
  const std::string path = folder.Write("page.html", GetParam().stored);
  const HeldText held = HoldForEditing(ReadTextFile(path));
  ASSERT_TRUE(WriteTextFile(path, BytesToStore(held.text, held.line_ends),
                            WriteMode::kReplace)
                  .Succeeded());
  EXPECT_EQ(ReadTextFile(path), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    LineEndRules, HoldForEditingTest,
    ::testing::Values(
        HeldRow{"LfOnlyIsHeldAsCrLf", "a\nb\n", "a\r\nb\r\n",
                LineEnds::kLfOnly},
        HeldRow{"CrLfStaysAsItIs", "a\r\nb", "a\r\nb", LineEnds::kAsStored},
        HeldRow{"MixedStaysAsItIs", "a\r\nb\nc\rd", "a\r\nb\nc\rd",
                LineEnds::kAsStored},
        HeldRow{"CrOnlyStaysAsItIs", "a\rb\r", "a\rb\r", LineEnds::kAsStored},
        HeldRow{"NoLineEndStaysAsItIs", "one line", "one line",
                LineEnds::kAsStored},
        HeldRow{"EmptyStaysEmpty", "", "", LineEnds::kAsStored},
        HeldRow{"Utf8WithLf", "Grüße\nпривет", "Grüße\r\nпривет",
                LineEnds::kLfOnly},
        HeldRow{"Windows1252WithCrLf", "caf\xE9\r\n\x80", "caf\xE9\r\n\x80",
                LineEnds::kAsStored},
        HeldRow{"NulAndByte26WithLf", std::string("\0\n\x1A\n", 4),
                std::string("\0\r\n\x1A\r\n", 6), LineEnds::kLfOnly}),
    [](const auto& info) { return info.param.rule; });

TEST(BytesToStoreTest, TypedLineEndsFollowTheFilesLfConvention) {
  EXPECT_EQ(BytesToStore("a\r\nnew\r\nb", LineEnds::kLfOnly), "a\nnew\nb");
  EXPECT_EQ(BytesToStore("a\r\nnew\r\nb", LineEnds::kAsStored),
            "a\r\nnew\r\nb");
}

}  // namespace
}  // namespace quillory
