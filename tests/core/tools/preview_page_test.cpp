#include "tools/preview_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/test_folder.h"
#include "tools/preview_address.h"

namespace quillory {
namespace {

TEST(PreviewPageTest, BaseHrefIsTheFirstElementOfTheHead) {
  // The rule, the page and the page with its base.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"head", "<html><head><title>", "<html><head>B<title>"},
      {"head with attributes", "<HEAD lang=en>x", "<HEAD lang=en>Bx"},
      {"no head", "<p>x", "B<p>x"},
      {"header is no head", "<header>x", "B<header>x"},
      {"unclosed head", "<head", "B<head"},
  };
  const std::string base = "<base href=\"file:///a%20b/\">";
  for (const auto& [rule, page, expected] : rows) {
    std::string want = expected;
    want.replace(want.find('B'), 1, base);
    EXPECT_EQ(WithBaseHref(page, "/a b/"), want) << rule;
  }
  EXPECT_EQ(AsFolder("/srv/www"), "/srv/www/");
  EXPECT_EQ(AsFolder("/srv/www/"), "/srv/www/");
  EXPECT_EQ(AsFolder(""), "");
}

struct PlaceRow {
  const char* rule;
  const char* file;  // in the test folder; "" never saved
  bool saved;
  bool served;
  DocumentKind kind;
  const char* page;  // in the test folder; "*" a temporary page
  const char* page_folder;
  const char* text;
};

TEST(PreviewPageTest, EachDocumentIsShownFromTheRightPlace) {
  const PlaceRow rows[] = {
      {"saved file", "doc/a.html", true, false, DocumentKind::kHtml,
       "doc/a.html", "", "x"},
      {"unsaved file gets a base", "doc/a.html", false, false,
       DocumentKind::kHtml, "*", "tmp/", "<base href=\"file://$doc/\">x"},
      {"new document has no base", "", false, false, DocumentKind::kHtml, "*",
       "tmp/", "x"},
      {"saved in served folder", "www/s/a.php", true, true, DocumentKind::kPhp,
       "www/s/a.php", "", "x"},
      {"unsaved PHP beside itself, still PHP", "www/s/a.php", false, true,
       DocumentKind::kPhp, "*.php", "www/s/", "x"},
      {"saved outside the served folder", "doc/a.html", true, true,
       DocumentKind::kHtml, "*.html", "www/", "x"},
  };
  testing::TestFolder folder;
  for (const char* sub : {"doc", "tmp", "www/s"}) {
    std::filesystem::create_directories(folder.Path(sub));
  }
  for (const PlaceRow& row : rows) {
    PreviewPageMaker maker([] { return 0.5; });
    const std::string file = *row.file ? folder.Path(row.file) : "";
    const CreatedFile page = maker.Make(
        {file, row.saved, "x", row.kind},
        {folder.Path("tmp/"), row.served ? folder.Path("www") + "/" : ""});
    ASSERT_EQ(page.error, "") << row.rule;
    if (row.page[0] != '*') {
      EXPECT_EQ(page.path, folder.Path(row.page)) << row.rule;
      EXPECT_EQ(maker.TemporaryPage(), "") << row.rule;
      continue;
    }
    EXPECT_EQ(page.path,
              folder.Path(row.page_folder) +
                  PreviewPageName(0.5, row.page[1] ? row.page + 1 : ".html"))
        << row.rule;
    std::string text = row.text;
    if (const size_t at = text.find('$'); at != text.npos) {
      text.replace(at, 4, FileUrl(folder.Path("doc")).substr(7));
    }
    EXPECT_EQ(folder.Read(page.path.substr(folder.Path("").size())), text)
        << row.rule;
    maker.Remove();
    EXPECT_FALSE(std::filesystem::exists(page.path)) << row.rule;
  }
}

}  // namespace
}  // namespace quillory
