#include "insert/reference_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_folder.h"

namespace quillory {
namespace {

using std::string_literals::operator""s;

// A parsed file written as "title|group{[name/description/template]...}|...".
std::string Describe(const ReferenceFile& file) {
  std::string text = file.title;
  for (const ReferenceGroup& group : file.groups) {
    text += "|" + group.name + "{";
    for (const ReferenceEntry& entry : group.entries) {
      text += "[" + entry.name + "/" + entry.description + "/" +
              entry.template_text + "]";
    }
    text += "}";
  }
  return text;
}

// In the files \001 ends the title and the body, \002 a group, \003 starts
// an entry and \004 ends a field. Missing pieces are empty, extra ones
// ignored.
TEST(ReferenceFileTest, ParsesTitleGroupsAndEntries) {
  const std::pair<std::string, std::string> rows[] = {
      {"T\001G1\003f\004desc\004f()\002G2\001", "T|G1{[f/desc/f()]}|G2{}"},
      {"T\001G\003a\004b\003c\003\001", "T|G{[a/b/][c//][//]}"},
      {"T\001G\003a\004b\004c\004d\001", "T|G{[a/b/c]}"},
      {"T\001G\001\r\nH\002I\001", "T|G{}"},       // after the body end
      {"T\001G1\003f\004de", "T|G1{[f/de/]}"},     // truncated
      {"T\001\002G2\002\001", "T|{}|G2{}|{}"},     // empty groups keep places
      {"just text\002\003", "just text\002\003"},  // no title end
      {"", ""},
      {"T\001\001", "T"},
      {"T\001G\003n\0\xff\004d"s, "T|G{[n\0\xff/d/]}"s},
  };
  for (const auto& [text, parsed] : rows) {
    EXPECT_EQ(Describe(ParseReferenceFile(text)), parsed)
        << ::testing::PrintToString(text);
  }
}

TEST(ReferenceFileTest, LoadTakesLfLineEndsAsCrLfAndMissingFilesAsEmpty) {
  testing::TestFolder folder;
  EXPECT_EQ(Describe(LoadReferenceFile(
                folder.Write("a.HET", "T\001G\003f\004d\004a\nb\001\n"))),
            "T|G{[f/d/a\r\nb]}");
  EXPECT_EQ(Describe(LoadReferenceFile(folder.Path("missing.HET"))), "");
}

}  // namespace
}  // namespace quillory
