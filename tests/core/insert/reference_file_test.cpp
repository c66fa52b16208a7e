#include "insert/reference_file.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

TEST(ReferenceFileTest, TitleGroupsAndEntries) {
  const ReferenceFile file = ParseReferenceFile(
      "T\x01G1\x03"
      "f\x04"
      "desc\x04"
      "f()\x02G2\x01");
  EXPECT_EQ(file.title, "T");
  ASSERT_EQ(file.groups.size(), 2u);
  EXPECT_EQ(file.groups[0].name, "G1");
  ASSERT_EQ(file.groups[0].entries.size(), 1u);
  EXPECT_EQ(file.groups[0].entries[0].name, "f");
  EXPECT_EQ(file.groups[0].entries[0].description, "desc");
  EXPECT_EQ(file.groups[0].entries[0].template_text, "f()");
  EXPECT_EQ(file.groups[1].name, "G2");
  EXPECT_TRUE(file.groups[1].entries.empty());
}

TEST(ReferenceFileTest, ShortEntriesGetEmptyFields) {
  const ReferenceFile file = ParseReferenceFile(
      "T\x01G\x03"
      "a\x04"
      "b\x03"
      "c\x03\x01");
  const auto& entries = file.groups[0].entries;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].description, "b");
  EXPECT_EQ(entries[0].template_text, "");
  EXPECT_EQ(entries[1].name, "c");
  EXPECT_EQ(entries[1].description, "");
  EXPECT_EQ(entries[2].name, "");
}

TEST(ReferenceFileTest, ExtraFieldsAreIgnored) {
  const ReferenceFile file = ParseReferenceFile(
      "T\x01G\x03"
      "a\x04"
      "b\x04"
      "c\x04"
      "d\x01");
  EXPECT_EQ(file.groups[0].entries[0].template_text, "c");
}

TEST(ReferenceFileTest, TextAfterTheSecondTitleEndIsIgnored) {
  const ReferenceFile file = ParseReferenceFile("T\x01G\x01\r\nH\x02I\x01");
  ASSERT_EQ(file.groups.size(), 1u);
  EXPECT_EQ(file.groups[0].name, "G");
}

TEST(ReferenceFileTest, TruncatedFileKeepsWhatIsThere) {
  const ReferenceFile file = ParseReferenceFile(
      "T\x01G1\x03"
      "f\x04"
      "de");
  ASSERT_EQ(file.groups.size(), 1u);
  EXPECT_EQ(file.groups[0].entries[0].description, "de");
}

TEST(ReferenceFileTest, EmptyGroupsStayInTheirPlaces) {
  const ReferenceFile file = ParseReferenceFile("T\x01\x02G2\x02\x01");
  ASSERT_EQ(file.groups.size(), 3u);
  EXPECT_EQ(file.groups[0].name, "");
  EXPECT_EQ(file.groups[1].name, "G2");
  EXPECT_EQ(file.groups[2].name, "");
}

TEST(ReferenceFileTest, NoTitleEndGivesATitleOnly) {
  const ReferenceFile file = ParseReferenceFile("just text\x02\x03");
  EXPECT_EQ(file.title, "just text\x02\x03");
  EXPECT_TRUE(file.groups.empty());
}

TEST(ReferenceFileTest, EmptyTextAndEmptyBody) {
  EXPECT_TRUE(ParseReferenceFile("").groups.empty());
  EXPECT_TRUE(ParseReferenceFile("T\x01\x01").groups.empty());
}

TEST(ReferenceFileTest, BinaryBytesAreKept) {
  const std::string text(
      "T\x01G\x03n\0\xff\x04"
      "d",
      11);
  const ReferenceFile file = ParseReferenceFile(text);
  EXPECT_EQ(file.groups[0].entries[0].name, std::string("n\0\xff", 3));
}

TEST(ReferenceFileTest, MissingFileGivesNothing) {
  const ReferenceFile file = LoadReferenceFile("/nonexistent/x.HET");
  EXPECT_EQ(file.title, "");
  EXPECT_TRUE(file.groups.empty());
}

TEST(ReferenceFileTest, LoadTakesLfLineEndsAsCrLf) {
  testing::TestFolder folder;
  const std::string path = folder.Write("a.HET",
                                        "T\x01G\x03"
                                        "f\x04"
                                        "d\x04"
                                        "a\nb\x01\n");
  const ReferenceFile file = LoadReferenceFile(path);
  EXPECT_EQ(file.groups[0].entries[0].template_text, "a\r\nb");
}

}  // namespace
}  // namespace quillory
