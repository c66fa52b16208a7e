#include "app/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/document_line_ends.h"
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

// The editor holds CR LF only where every stored line end was LF, and saving
// unchanged gives back the stored bytes.
TEST(HoldForEditingTest, EveryKindOfTextComesBackUnchanged) {
  struct Row {
    const char* rule;
    std::string stored;
    std::string held;
    LineEnds line_ends;
  };
  const Row rows[] = {
      {"LF only", "a\nb\n", "a\r\nb\r\n", LineEnds::kLfOnly},
      {"CR LF", "a\r\nb", "a\r\nb", LineEnds::kAsStored},
      {"mixed", "a\r\nb\nc\rd", "a\r\nb\nc\rd", LineEnds::kAsStored},
      {"CR only", "a\rb\r", "a\rb\r", LineEnds::kAsStored},
      {"empty", "", "", LineEnds::kAsStored},
      {"NUL and byte 26 with LF", std::string("\0\n\x1A\n", 4),
       std::string("\0\r\n\x1A\r\n", 6), LineEnds::kLfOnly},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    const HeldText held = HoldForEditing(row.stored);
    EXPECT_EQ(held.text, row.held);
    EXPECT_EQ(held.line_ends, row.line_ends);
    EXPECT_EQ(BytesToStore(held.text, held.line_ends), row.stored);
  }
}

TEST(BytesToStoreTest, TypedLineEndsFollowTheFilesLfConvention) {
  EXPECT_EQ(BytesToStore("a\r\nnew\r\nb", LineEnds::kLfOnly), "a\nnew\nb");
  EXPECT_EQ(BytesToStore("a\r\nnew\r\nb", LineEnds::kAsStored),
            "a\r\nnew\r\nb");
}

}  // namespace
}  // namespace quillory
