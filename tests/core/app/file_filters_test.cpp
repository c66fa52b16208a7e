#include "app/file_filters.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/document_kind.h"

namespace quillory {
namespace {

using Filters = std::vector<FileFilter>;

// Every entry names itself, so a filter shows which entry it took. The
// open command's list is the filter table itself.
LangTable NumberedTable() {
  std::string bytes;
  for (int i = 0; i < 135; ++i) bytes += "T" + std::to_string(i) + "\r\n";
  LangTable table;
  table.LoadFromBytes(bytes);
  return table;
}

TEST(SaveAsFileFiltersTest, OffersTheExtensionsFilterThenAllFiles) {
  const std::pair<const char*, FileFilter> rows[] = {
      {"index.html", {"T54", "*.html"}}, {"a.php3", {"T57", "*.php3"}},
      {"A.HTML", {"T58", "*.HTML"}},  // upper case is another type
      {"a.min.js", {"T55", "*.js"}},  // the last dot counts
      {"README", {"T58", "*"}},
  };
  for (const auto& [caption, first] : rows) {
    EXPECT_EQ(SaveAsFileFilters(caption, NumberedTable()),
              (Filters{first, {"T58", "*.*"}}))
        << caption;
  }
}

// Tags are completed everywhere but where "<" is an operator or selector.
TEST(KindOfCaptionTest, ExtensionsAreExactAndCaseSensitive) {
  struct Row {
    const char* caption;
    DocumentKind kind;
    bool completes_tags;
  };
  const Row rows[] = {
      {"app.js", DocumentKind::kJavaScript, false},
      {"site.css", DocumentKind::kCss, false},
      {"c.php3", DocumentKind::kPhp, true},
      {"SHOUT.HTML", DocumentKind::kOther, true},
      {"x.php4", DocumentKind::kOther, true},
      {"archive.html.bak", DocumentKind::kOther, true},
      {".html", DocumentKind::kHtml, true},
      {"", DocumentKind::kOther, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(KindOfCaption(row.caption), row.kind);
    EXPECT_EQ(OffersTagCompletion(row.kind), row.completes_tags);
  }
}

}  // namespace
}  // namespace quillory
