#include "base/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/file_bytes.h"
#include "base/number_parse.h"
#include "base/text_util.h"
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
  EXPECT_EQ(ReadTextFile(folder.Path("missing.html")), "");
}

// Only a regular file is read: anything else could hand out bytes for
// ever or wait for a writer that never comes.
TEST(ReadFileTest, RefusesWhatIsNotARegularFileWithoutWaiting) {
  testing::TestFolder folder;
  const std::string fifo = folder.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string link = folder.Path("link");
  ASSERT_EQ(symlink(fifo.c_str(), link.c_str()), 0);
  const std::tuple<const char*, std::string, bool> rows[] = {
      {"a regular file", folder.Write("page.html", "x"), true},
      {"a folder", folder.Path(""), false},
      {"a FIFO", fifo, false},
      {"a device", "/dev/zero", false},
      {"a link to a FIFO", link, false},
  };
  for (const auto& [rule, path, read] : rows) {
    EXPECT_EQ(ReadFileBytes(path).has_value(), read) << rule;
  }
}

using Pieces = std::vector<std::string>;

// Joining, case folding and taking the name after the last slash are
// checked through the settings, completion and recent file tables.
// Empty pieces are kept between and at the ends; overlapping separators
// split left to right.
TEST(SplitTest, KeepsEmptyPiecesAndSplitsLeftToRight) {
  EXPECT_EQ(Split("", "///"), Pieces{});
  EXPECT_EQ(Split("a//////b///", "///"), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(Split("a////b", "///"), (Pieces{"a", "/b"}));
}

TEST(TrimTest, RemovesOnlyBlanks) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimBlanks("   "), "");
}

// A number stops at the first other character; what does not fit is none.
TEST(ParseLeadingIntegerTest, RoundsHalvesToEvenWithinTheRange) {
  constexpr std::nullopt_t kNo = std::nullopt;
  const std::pair<const char*, std::optional<int32_t>> rows[] = {
      {"1.5", 2},   {"2.50000", 2},      {"2.500001", 3},
      {"-1.5", -2}, {"   12px", 12},     {"+7", 7},
      {"1.2.3", 1}, {".9", 1},           {"x1", 0},
      {"- 1", 0},   {"2147483648", kNo}, {"2147483647.5", kNo},
  };
  for (const auto& [text, number] : rows) {
    EXPECT_EQ(ParseLeadingInteger(text), number) << text;
  }
  EXPECT_EQ(ParseLeadingInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseLeadingInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseLeadingInteger(std::string(5000, '9')), std::nullopt);
}

TEST(ParseBooleanTest, WordsAndNumbers) {
  EXPECT_EQ(ParseBoolean("TRUE"), true);
  EXPECT_EQ(ParseBoolean(" false "), false);
  EXPECT_EQ(ParseBoolean("0.1"), true);
  EXPECT_EQ(ParseBoolean("-1"), true);
  EXPECT_EQ(ParseBoolean("1x"), std::nullopt);
  EXPECT_EQ(ParseBoolean("yes"), std::nullopt);
  EXPECT_EQ(ParseBoolean(""), std::nullopt);
}

}  // namespace
}  // namespace quillory
