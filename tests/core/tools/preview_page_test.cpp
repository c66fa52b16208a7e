#include "tools/preview_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/test_folder.h"
#include "tools/preview_address.h"

namespace quillory {
namespace {

using enum DocumentKind;

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

// The rule; the document's file in the test folder ("" never saved),
// whether it is saved and served, and its kind; the page shown, in the test
// folder ("*" a temporary page), the temporary page's folder and its text.
using PlaceRow = std::tuple<const char*, const char*, bool, bool, DocumentKind,
                            const char*, const char*, const char*>;

TEST(PreviewPageTest, EachDocumentIsShownFromTheRightPlace) {
  const PlaceRow rows[] = {
      {"saved file", "doc/a.html", true, false, kHtml, "doc/a.html", "", "x"},
      {"unsaved file gets a base", "doc/a.html", false, false, kHtml, "*",
       "tmp/", "<base href=\"file://$doc/\">x"},
      {"new document has no base", "", false, false, kHtml, "*", "tmp/", "x"},
      {"saved in served folder", "www/s/a.php", true, true, kPhp, "www/s/a.php",
       "", "x"},
      {"unsaved PHP beside itself, still PHP", "www/s/a.php", false, true, kPhp,
       "*.php", "www/s/", "x"},
      {"saved outside the served folder", "doc/a.html", true, true, kHtml,
       "*.html", "www/", "x"},
  };
  testing::TestFolder folder;
  for (const char* sub : {"doc", "tmp", "www/s"}) {
    std::filesystem::create_directories(folder.Path(sub));
  }
  for (const auto& [rule, file_name, saved, served, kind, shown, folder_name,
                    text] : rows) {
    PreviewPageMaker maker([] { return 0.5; });
    const std::string file = *file_name ? folder.Path(file_name) : "";
    const CreatedFile page = maker.Make(
        {file, saved, "x", kind},
        {folder.Path("tmp/"), served ? folder.Path("www") + "/" : ""});
    ASSERT_EQ(page.error, "") << rule;
    if (shown[0] != '*') {
      EXPECT_EQ(page.path, folder.Path(shown)) << rule;
      EXPECT_EQ(maker.TemporaryPage(), "") << rule;
      continue;
    }
    EXPECT_EQ(page.path,
              folder.Path(folder_name) +
                  PreviewPageName(0.5, shown[1] ? shown + 1 : ".html"))
        << rule;
    std::string written = text;
    if (const size_t at = written.find('$'); at != written.npos) {
      written.replace(at, 4, FileUrl(folder.Path("doc")).substr(7));
    }
    EXPECT_EQ(folder.Read(page.path.substr(folder.Path("").size())), written)
        << rule;
    maker.Remove();
    EXPECT_FALSE(std::filesystem::exists(page.path)) << rule;
  }
}

}  // namespace
}  // namespace quillory
