#include "app/file_filters.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quillory {
namespace {

using Filters = std::vector<FileFilter>;

// Every entry names itself, so a filter shows which entry it took.
LangTable NumberedTable() {
  std::string bytes;
  for (int i = 0; i < 135; ++i) bytes += "T" + std::to_string(i) + "\r\n";
  LangTable table;
  table.LoadFromBytes(bytes);
  return table;
}

TEST(OpenFileFiltersTest, ListsTheSixFiltersInOrder) {
  EXPECT_EQ(OpenFileFilters(NumberedTable()),
            (Filters{
                {"T80", "*.html;*.htm;*.js;*.css;*.php;*.phtml;*.php3;*.qlp"},
                {"T54", "*.html;*.htm"},
                {"T55", "*.js"},
                {"T57", "*.php;*.phtml;*.php3"},
                {"T122", "*.qlp"},
                {"T58", "*.*"},
            }));
}

TEST(OpenFileFiltersTest, MissingEntriesLeaveEmptyCaptions) {
  const Filters filters = OpenFileFilters(LangTable());
  ASSERT_EQ(filters.size(), 6u);
  EXPECT_EQ(
      filters[0],
      (FileFilter{"", "*.html;*.htm;*.js;*.css;*.php;*.phtml;*.php3;*.qlp"}));
}

struct SaveAsRow {
  const char* rule;
  std::string caption;
  FileFilter first;
};

class SaveAsFileFiltersTest : public ::testing::TestWithParam<SaveAsRow> {};

TEST_P(SaveAsFileFiltersTest, OffersTheExtensionsFilterThenAllFiles) {
  EXPECT_EQ(SaveAsFileFilters(GetParam().caption, NumberedTable()),
            (Filters{GetParam().first, {"T58", "*.*"}}));
}

INSTANTIATE_TEST_SUITE_P(
    ExtensionRules, SaveAsFileFiltersTest,
    ::testing::Values(
        SaveAsRow{"Html", "index.html", {"T54", "*.html"}},
        SaveAsRow{"Htm", "index.htm", {"T54", "*.htm"}},
        SaveAsRow{"JavaScript", "app.js", {"T55", "*.js"}},
        SaveAsRow{"Css", "site.css", {"T56", "*.css"}},
        SaveAsRow{"Php", "a.php", {"T57", "*.php"}},
        SaveAsRow{"Phtml", "a.phtml", {"T57", "*.phtml"}},
        SaveAsRow{"Php3", "a.php3", {"T57", "*.php3"}},
        SaveAsRow{"UpperCaseIsOther", "A.HTML", {"T58", "*.HTML"}},
        SaveAsRow{"OtherExtension", "notes.txt", {"T58", "*.txt"}},
        SaveAsRow{"LastDotCounts", "a.min.js", {"T55", "*.js"}},
        SaveAsRow{"UntitledTemplateCaption", "unknown.css", {"T56", "*.css"}},
        SaveAsRow{"NoDotGivesStar", "README", {"T58", "*"}}),
    [](const auto& info) { return info.param.rule; });

}  // namespace
}  // namespace quillory
