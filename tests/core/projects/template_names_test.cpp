#include "projects/template_names.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(TemplateNamesTest, NameAndTypeSplitAtTheLastDot) {
  struct Row {
    const char* rule;
    const char* file_name;
    const char* display_name;
    const char* caption;
  };
  const Row rows[] = {
      {"plain name", "page.html", "page", "unknown.html"},
      {"only the last dot counts", "XHTML 1.0 page.html", "XHTML 1.0 page",
       "unknown.html"},
      {"no dot: the whole name is the type", "README", "README",
       "unknownREADME"},
      {"a hidden file has an empty name", ".htaccess", "", "unknown.htaccess"},
      {"a trailing dot is an empty extension", "notes.", "notes", "unknown."},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TemplateDisplayName(row.file_name), row.display_name) << row.rule;
    EXPECT_EQ(UntitledCaption(TemplateType(row.file_name)), row.caption)
        << row.rule;
  }
}

TEST(TemplateNamesTest, NamesThatLeaveTheFolderAreRefused) {
  for (const char* name :
       {"../page.html", "a/b.html", "/etc/passwd", "..", ".", "sub/"}) {
    EXPECT_TRUE(TemplateNameProblem(name)) << name;
  }
  for (const char* name : {"page.html", "..html", "a..b.css", "README"}) {
    EXPECT_FALSE(TemplateNameProblem(name)) << name;
  }
}

}  // namespace
}  // namespace quillory
