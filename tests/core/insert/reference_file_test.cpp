#include "insert/reference_file.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

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

// The numbered text, then each parameter written back in marker form:
// E or O for required or optional, the prefix, "/", label, "/|/", default.
std::string Describe(const std::optional<NumberedTemplate>& numbered) {
  if (!numbered) return "goes in as it is";
  std::string text = numbered->text;
  for (const TemplateParameter& p : numbered->parameters) {
    text += std::string(" ") + (p.optional ? "O" : "E") + p.prefix + "/" +
            p.label + "/|/" + p.default_value;
  }
  return text;
}

TEST(TemplateMarkersTest, NumbersTheMarkersLeftToRight) {
  const std::pair<const char*, const char*> rows[] = {
      {"f([[[E/x]]][[[EO,/y]]])", "f([[[%0]]][[[%1]]]) E/x/|/ O,/y/|/"},
      {"g([[[E/n/|/10]]])", "g([[[%0]]]) E/n/|/10"},
      {"m([[[EO/$as_float/|/false]]])", "m([[[%0]]]) O/$as_float/|/false"},
      // A marker without flags keeps the previous kind; the first is
      // required; O wins even without E.
      {"[[[EO/a]]][[[/b]]][[[E/c]]][[[x/d]]]",
       "[[[%0]]][[[%1]]][[[%2]]][[[%3]]] O/a/|/ O/b/|/ E/c/|/ E/d/|/"},
      {"[[[/a]]]", "[[[%0]]] E/a/|/"},
      {"[[[XO,/a]]]", "[[[%0]]] O,/a/|/"},
      // Without a slash in the marker the label and prefix are empty.
      {"[[[E,x]]]", "[[[%0]]] E//|/"},
      {"[[[E/a/b]]]c]]]", "[[[%0]]]c]]] E/a/b/|/"},  // to the first close
      {"f([[[E/x]]], [[[E/y)", "f([[[%0]]], [[[E/y) E/x/|/"},  // unclosed later
      {"time()", "goes in as it is"},
      {"a ]]] b", "goes in as it is"},
      {"f([[[E/x)", "goes in as it is"},  // unclosed first marker
  };
  for (const auto& [text, numbered] : rows) {
    EXPECT_EQ(Describe(NumberMarkers(text)), numbered) << text;
  }
  // A slash after the marker is not its label's.
  const auto slash_after = NumberMarkers("[[[E]]] a/b");
  EXPECT_EQ(slash_after->text, "[[[%0]]] a/b");
  EXPECT_EQ(slash_after->parameters[0].label, "");
}

// `text` with its markers' rows answered in order, by their names.
std::string Filled(const char* text, const std::vector<std::string>& answers) {
  const auto numbered = NumberMarkers(text);
  std::deque<std::string> names;  // the answers refer to them
  std::vector<ParameterAnswer> named;
  for (size_t n = 0; n < answers.size(); ++n) {
    names.push_back(ParameterRowName(numbered->parameters[n]));
    named.push_back({names.back(), answers[n]});
  }
  return FillMarkers(numbered->text, numbered->parameters, named);
}

// An empty answer to an optional row drops its marker and prefix, any
// other answer goes in as typed after its prefix.
TEST(TemplateMarkersTest, FillsTheAnswersInPlaceOfTheMarkers) {
  EXPECT_EQ(Filled("f([[[E/x]]][[[EO,/y]]])", {"1", ""}), "f(1)");
  EXPECT_EQ(Filled("f([[[E/a]]][[[E,/b]]])", {"", ""}), "f(,)");
  EXPECT_EQ(Filled("f([[[E/x]]], [[[E/y)", {"1"}), "f(1, [[[E/y)");
  EXPECT_EQ(Filled("f([[[E/x - Optional]]])", {""}), "f()");
}

}  // namespace
}  // namespace quillory
