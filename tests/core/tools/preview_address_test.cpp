#include "tools/preview_address.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tools/browser_detection.h"

namespace quillory {
namespace {

TEST(PreviewAddressTest, NamesATemporaryPageByAHexadecimalNumber) {
  EXPECT_EQ(PreviewPageName(0.0, ".html"), "DBB9F.html");
  EXPECT_EQ(PreviewPageName(0.9999999, ".php"), "1CFDDE.php");
}

TEST(PreviewAddressTest, ServerAddressDropsEveryFolderOccurrence) {
  // The rule, the path, the served folder, the port and the address.
  const std::tuple<const char*, const char*, const char*, int, const char*>
      rows[] = {
          {"default port", "/srv/www/a.php", "/srv/www/", 0,
           "http://127.0.0.1/a.php"},
          {"own port", "/srv/www/sub/a.php", "/srv/www/", 8123,
           "http://127.0.0.1:8123/sub/a.php"},
          {"every occurrence", "/w/x/w/b.html", "/w/", 0,
           "http://127.0.0.1/xb.html"},
      };
  for (const auto& [rule, path, folder, port, address] : rows) {
    EXPECT_EQ(ServerAddress(path, folder, port), address) << rule;
  }
  EXPECT_TRUE(IsServedPath("/srv/www/a.php", "/srv/www/"));
  EXPECT_FALSE(IsServedPath("/home/a.php", "/srv/www/"));
  EXPECT_FALSE(IsServedPath("/home/a.php", ""));
}

TEST(PreviewAddressTest, FileUrlEncodesEverythingButThePathItself) {
  EXPECT_EQ(FileUrl("/tmp/a b/#1?x%.html"),
            "file:///tmp/a%20b/%231%3Fx%25.html");
  EXPECT_EQ(FileUrl("/tmp/\xC3\xA9t\xC3\xA9.html"),
            "file:///tmp/%C3%A9t%C3%A9.html");
  EXPECT_EQ(FileUrl("/tmp/-a_b.c~"), "file:///tmp/-a_b.c~");
}

TEST(BrowserDetectionTest, AddsFoundBrowsersOnceEach) {
  Settings settings;
  AddBrowser(settings, {"Mine", "%1", "chromium", "/opt/chromium", ""});
  const ProgramLookup find =
      [](std::string_view name) -> std::optional<std::string> {
    if (name == "firefox" || name == "chromium" || name == "falkon") {
      return "/usr/bin/" + std::string(name);
    }
    return std::nullopt;
  };
  DetectBrowsers(settings, find, "falkon");
  DetectBrowsers(settings, find, "firefox");
  ASSERT_EQ(settings.external_browsers.size(), 4u);
  EXPECT_EQ(settings.external_browsers[1][3], "/opt/chromium");
  const ExternalBrowser firefox{"firefox", "%1", "firefox", "/usr/bin/firefox",
                                ""};
  EXPECT_EQ(settings.external_browsers[2], firefox);
  EXPECT_EQ(settings.external_browsers[3][2], "falkon");
}

TEST(BrowserDetectionTest, ReadsTheDefaultBrowserAndItsArguments) {
  EXPECT_EQ(DefaultBrowserProgram("firefox-esr.desktop\n"), "firefox-esr");
  EXPECT_EQ(DefaultBrowserProgram(""), "");
  EXPECT_EQ(DefaultBrowserProgram("../x.desktop"), "");
  // The arguments, the page and the words the browser is given.
  const std::tuple<const char*, const char*, std::vector<std::string>> rows[] =
      {{"%1", "/tmp/a b.html", {"/tmp/a b.html"}},
       {"", "-new.html", {"./-new.html"}},
       {"--new-window \"%1\"", "/a b.html", {"--new-window", "/a b.html"}},
       {"--private", "/a.html", {"--private", "/a.html"}},
       {"--url=%1", "/a%1.html", {"--url=/a%1.html"}}};
  for (const auto& [arguments, page, words] : rows)
    EXPECT_EQ(BrowserArguments(arguments, page), words) << arguments;
  EXPECT_EQ(FindOnPath("sh", "/nonexistent::/bin"), "/bin/sh");
  EXPECT_EQ(FindOnPath("no-such-program-q", "/bin"), std::nullopt);
}

}  // namespace
}  // namespace quillory
