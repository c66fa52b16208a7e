#include "projects/template_names.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillory {
namespace {

TEST(TemplateNamesTest, NameAndTypeSplitAtTheLastDot) {
  // The rule, the file's name, the name shown and the document's caption.
  using Row = std::tuple<const char*, const char*, const char*, const char*>;
  const Row rows[] = {
      {"plain name", "page.html", "page", "unknown.html"},
      {"only the last dot counts", "XHTML 1.0 page.html", "XHTML 1.0 page",
       "unknown.html"},
      {"no dot: the whole name is the type", "README", "README",
       "unknownREADME"},
      {"a hidden file has an empty name", ".htaccess", "", "unknown.htaccess"},
      {"a trailing dot is an empty extension", "notes.", "notes", "unknown."},
  };
  for (const auto& [rule, file_name, display_name, caption] : rows) {
    EXPECT_EQ(TemplateDisplayName(file_name), display_name) << rule;
    EXPECT_EQ(UntitledCaption(TemplateType(file_name)), caption) << rule;
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
