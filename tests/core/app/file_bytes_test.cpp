#include "app/file_bytes.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLinesTest, CrLfFileEndsWithAnEmptyElement) {
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b", ""}));
  EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
}

TEST(SplitLinesTest, AllLfIsTakenAsCrLf) {
  EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b", ""}));
}

TEST(SplitLinesTest, MixedLineEndsSplitOnlyAtCrLf) {
  EXPECT_EQ(SplitLines("a\nb\r\nc\rd"), (Lines{"a\nb", "c\rd"}));
}

class ReadFileTest : public ::testing::Test {
 protected:
  testing::TestFolder folder_;
};

TEST_F(ReadFileTest, ReadsEveryByte) {
  const std::string bytes("a\0b\x1a\xff\r\n", 7);
  EXPECT_EQ(ReadFileBytes(folder_.Write("x.bin", bytes)), bytes);
}

TEST_F(ReadFileTest, MissingFileAndFolderGiveNothing) {
  EXPECT_EQ(ReadFileBytes(folder_.Path("missing")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_.Path("")), std::nullopt);
  EXPECT_EQ(ReadLines(folder_.Path("")), std::nullopt);
}

TEST_F(ReadFileTest, EmptyFileGivesNoLines) {
  EXPECT_EQ(ReadLines(folder_.Write("empty", "")), Lines{});
}

}  // namespace
}  // namespace quillory
