#include "app/file_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

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
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("quillory-bytes-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  std::filesystem::path folder_;
};

TEST_F(ReadFileTest, ReadsEveryByte) {
  const std::string bytes("a\0b\x1a\xff\r\n", 7);
  EXPECT_EQ(ReadFileBytes(Write("x.bin", bytes)), bytes);
}

TEST_F(ReadFileTest, MissingFileAndFolderGiveNothing) {
  EXPECT_EQ(ReadFileBytes((folder_ / "missing").string()), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_.string()), std::nullopt);
  EXPECT_EQ(ReadLines(folder_.string()), std::nullopt);
}

TEST_F(ReadFileTest, EmptyFileGivesNoLines) {
  EXPECT_EQ(ReadLines(Write("empty", "")), Lines{});
}

}  // namespace
}  // namespace quillory
