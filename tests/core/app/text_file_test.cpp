#include "app/text_file.h"

#include <string>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

TEST(ReadTextFileTest, KeepsEveryByte) {
  testing::TestFolder folder;
  const std::string bytes("a\r\nb\nc\rd\0e\x1A\xFF", 12);
  EXPECT_EQ(ReadTextFile(folder.Write("page.html", bytes)), bytes);
}

TEST(ReadTextFileTest, MissingFileGivesEmptyText) {
  testing::TestFolder folder;
  EXPECT_EQ(ReadTextFile(folder.Path("missing.html")), "");
}

TEST(ReadTextFileTest, FolderGivesEmptyText) {
  testing::TestFolder folder;
  EXPECT_EQ(ReadTextFile(folder.Path("")), "");
}

struct JoinedRow {
  const char* rule;
  std::string bytes;
  std::string joined;
};

class ReadLinesJoinedTest : public ::testing::TestWithParam<JoinedRow> {};

TEST_P(ReadLinesJoinedTest, JoinsLinesWithCrLf) {
  testing::TestFolder folder;
  EXPECT_EQ(ReadLinesJoined(folder.Write("template.html", GetParam().bytes)),
            GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    LineRules, ReadLinesJoinedTest,
    ::testing::Values(
        JoinedRow{"EmptyFileHasNoLines", "", ""},
        JoinedRow{"FinalCrLfStartsNoLine", "a\r\nb\r\n", "a\r\nb"},
        JoinedRow{"LastLineWithoutEndIsKept", "a\r\nb", "a\r\nb"},
        JoinedRow{"LoneCrEndsALine", "a\rb\r", "a\r\nb"},
        JoinedRow{"LoneLfStaysInsideItsLine", "a\nb\r\nc", "a\nb\r\nc"},
        JoinedRow{"LfOnlyFileIsOneLine", "a\nb\n", "a\nb\n"},
        JoinedRow{"BlankLinesAreKept", "a\r\n\r\n\r\nb", "a\r\n\r\n\r\nb"},
        JoinedRow{"OnlyALineEndIsOneEmptyLine", "\r\n", ""},
        JoinedRow{"TwoLineEndsAreTwoEmptyLines", "\r\n\r\n", "\r\n"},
        JoinedRow{"NulAndByte26Stay", std::string("a\0\x1A\r\n", 5),
                  std::string("a\0\x1A", 3)}),
    [](const auto& info) { return info.param.rule; });

TEST(ReadLinesJoinedMissingTest, MissingFileGivesEmptyText) {
  testing::TestFolder folder;
  EXPECT_EQ(ReadLinesJoined(folder.Path("missing.html")), "");
}

}  // namespace
}  // namespace quillory
