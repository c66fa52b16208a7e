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
      {"old.htm", DocumentKind::kHtml},
      {"app.js", DocumentKind::kJavaScript},
      {"site.css", DocumentKind::kCss},
      {"a.php", DocumentKind::kPhp},
      {"b.phtml", DocumentKind::kPhp},
      {"c.php3", DocumentKind::kPhp},
      {"SHOUT.HTML", DocumentKind::kOther},
      {"x.PHP", DocumentKind::kOther},
      {"x.php4", DocumentKind::kOther},
      {"README", DocumentKind::kOther},
      {"archive.html.bak", DocumentKind::kOther},
      {".html", DocumentKind::kHtml},
      {"", DocumentKind::kOther},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(KindOfCaption(row.caption), row.kind);
  }
}

TEST(OffersTagCompletionTest, EveryKindButScriptsAndStyleSheets) {
  EXPECT_TRUE(OffersTagCompletion(DocumentKind::kHtml));
  EXPECT_TRUE(OffersTagCompletion(DocumentKind::kPhp));
  EXPECT_TRUE(OffersTagCompletion(DocumentKind::kOther));
  EXPECT_FALSE(OffersTagCompletion(DocumentKind::kJavaScript));
  EXPECT_FALSE(OffersTagCompletion(DocumentKind::kCss));
}

}  // namespace
}  // namespace quillory
