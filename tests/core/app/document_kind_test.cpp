#include "app/document_kind.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(KindOfCaptionTest, ExtensionsAreExactAndCaseSensitive) {
  struct Row {
    const char* caption;
    DocumentKind kind;
  };
  const Row rows[] = {
      {"index.html", DocumentKind::kHtml},
      {"app.js", DocumentKind::kJavaScript},
      {"site.css", DocumentKind::kCss},
      {"a.php", DocumentKind::kPhp},
      {"c.php3", DocumentKind::kPhp},
      {"SHOUT.HTML", DocumentKind::kOther},
      {"x.php4", DocumentKind::kOther},
      {"archive.html.bak", DocumentKind::kOther},
      {".html", DocumentKind::kHtml},
      {"", DocumentKind::kOther},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(KindOfCaption(row.caption), row.kind);
  }
}

}  // namespace
}  // namespace quillory
