#include "app/text_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_bytes.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLinesTest, SplitsOnlyAtCrLfUnlessEveryLineEndIsLf) {
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b", ""}));
  EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b", ""}));
  EXPECT_EQ(SplitLines("a\nb\r\nc\rd"), (Lines{"a\nb", "c\rd"}));
  EXPECT_EQ(SplitLines(" a \r\n\r\n\"b\""), (Lines{" a ", "", "\"b\""}));
}

TEST(ReadFileTest, EveryByteOrNothingForMissingFilesAndFolders) {
  testing::TestFolder folder;
  const std::string bytes("a\0b\x1a\xff\r\n", 7);
  EXPECT_EQ(ReadFileBytes(folder.Write("x.bin", bytes)), bytes);
  EXPECT_EQ(ReadLines(folder.Write("empty", "")), Lines{});
  EXPECT_EQ(ReadFileBytes(folder.Path("missing")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder.Path("")), std::nullopt);
  EXPECT_EQ(ReadTextFile(folder.Path("missing.html")), "");
  EXPECT_EQ(ReadLinesJoined(folder.Path("missing.html")), "");
}

TEST(ReadLinesJoinedTest, JoinsLinesWithCrLf) {
  struct Row {
    const char* rule;
    std::string bytes;
    std::string joined;
  };
  const Row rows[] = {
      {"empty file has no lines", "", ""},
      {"final CR LF starts no line", "a\r\nb\r\n", "a\r\nb"},
      {"last line without end is kept", "a\r\nb", "a\r\nb"},
      {"lone CR ends a line", "a\rb\r", "a\r\nb"},
      {"lone LF stays inside its line", "a\nb\r\nc", "a\nb\r\nc"},
      {"LF-only file is one line", "a\nb\n", "a\nb\n"},
      {"two line ends are two empty lines", "\r\n\r\n", "\r\n"},
  };
  testing::TestFolder folder;
  for (const Row& row : rows) {
    EXPECT_EQ(ReadLinesJoined(folder.Write("t.html", row.bytes)), row.joined)
        << row.rule;
  }
}

}  // namespace
}  // namespace quillory
