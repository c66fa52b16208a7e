#include "insert/reference_file.h"

#include <gtest/gtest.h>

#include <string>

#include "app/file_bytes.h"
#include "insert/template_markers.h"
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

std::string Shipped(const std::string& name) {
  return ReadFileBytes(std::string(QUILLORY_DATA_DIR) + "/languages/" + name)
      .value_or("");
}

// The bytes the file would have if it held exactly what was parsed.
std::string Written(const ReferenceFile& file) {
  std::string text = file.title + kTitleEnd;
  for (size_t g = 0; g < file.groups.size(); ++g) {
    if (g > 0) text += kGroupEnd;
    text += file.groups[g].name;
    for (const ReferenceEntry& entry : file.groups[g].entries) {
      text += kEntryEnd + entry.name + kFieldEnd + entry.description +
              kFieldEnd + entry.template_text;
    }
  }
  return text + kTitleEnd + "\r\n";
}

size_t EntryCount(const ReferenceFile& file) {
  size_t count = 0;
  for (const ReferenceGroup& group : file.groups) count += group.entries.size();
  return count;
}

// Every entry is whole, and every marker of its template closes.
void ExpectWellFormed(const ReferenceFile& file) {
  for (const ReferenceGroup& group : file.groups) {
    EXPECT_FALSE(group.name.empty());
    EXPECT_FALSE(group.entries.empty()) << group.name;
    for (const ReferenceEntry& entry : group.entries) {
      EXPECT_FALSE(entry.name.empty()) << group.name;
      EXPECT_FALSE(entry.description.empty()) << entry.name;
      EXPECT_FALSE(entry.template_text.empty()) << entry.name;
      const auto numbered = NumberMarkers(entry.template_text);
      if (!numbered) continue;
      EXPECT_EQ(numbered->text.find("[[[E"), std::string::npos) << entry.name;
      for (const TemplateParameter& parameter : numbered->parameters)
        EXPECT_FALSE(parameter.label.empty()) << entry.name;
    }
  }
}

TEST(ShippedReferencesTest, RoundTripAndAreWellFormed) {
  for (const auto& [name, entries] :
       {std::pair{"php.HET", 1000u}, std::pair{"JS.HET", 300u}}) {
    SCOPED_TRACE(name);
    const std::string bytes = Shipped(name);
    const ReferenceFile file = ParseReferenceFile(bytes);
    EXPECT_EQ(Written(file), bytes);
    EXPECT_GT(EntryCount(file), entries);
    ExpectWellFormed(file);
  }
}

TEST(ShippedReferencesTest, PhpTemplatesFollowTheParameters) {
  const ReferenceFile file = ParseReferenceFile(Shipped("php.HET"));
  std::string strpos;
  for (const ReferenceGroup& group : file.groups)
    for (const ReferenceEntry& entry : group.entries)
      if (entry.name == "strpos") strpos = entry.template_text;
  EXPECT_EQ(strpos,
            "strpos([[[E/$haystack]]][[[E,/$needle]]][[[EO,/$offset/|/0]]])");
}

}  // namespace
}  // namespace quillory
