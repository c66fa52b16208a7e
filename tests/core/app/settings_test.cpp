#include "base/settings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "app/recent_files.h"
#include "base/file_bytes.h"
#include "base/text_util.h"

namespace quillory {
namespace {

Settings Read(std::string_view file) {
  Settings settings;
  ApplySettingsLines(SplitLines(file), settings);
  return settings;
}

// One field of the settings read from `file`, written as in the file.
std::string Field(std::string_view file, std::string_view key) {
  const Settings settings = Read(file);
  if (key == "Language") return settings.language;
  if (key == "php") return settings.php;
  if (key == "PathToHTTPD") return settings.path_to_httpd;
  if (key == "Tidy") return settings.tidy ? "true" : "false";
  if (key == "IsHTTPServer") return std::to_string(settings.is_http_server);
  return settings.open_last_session ? "1" : "0";
}

TEST(SettingsReadTest, EachFieldByItsRules) {
  const std::tuple<std::string, const char*, const char*> rows[] = {
      // A last line without a line end is ignored; LF-only files read alike.
      {"Language=russian\r\nphp=/usr/bin/php", "Language", "russian"},
      {"Language=russian\r\nphp=/usr/bin/php", "php", ""},
      {"Language=russian\nphp=/usr/bin/php\n", "php", "/usr/bin/php"},
      // Keys ignore case but not blanks; values are not trimmed.
      {"LANGUAGE=german\r\n", "Language", "german"},
      {"PHP=/usr/bin/php\r\nphp =/bin/php\r\n", "php", "/usr/bin/php"},
      {"PathToHTTPD= /srv/a=b \r\n", "PathToHTTPD", " /srv/a=b "},
      {"Language=a\r\nLanguage=b\r\n", "Language", "b"},
      // Malformed and binary lines are skipped.
      {"no equals sign\r\n\r\n=\r\n" + std::string("\0\x01\xff=junk\r\n", 10) +
           "Language=english\r\n",
       "Language", "english"},
      // Tidy is true only for the word; a later other value does not clear
      // it.
      {"Tidy=TRUE \r\n", "Tidy", "true"},
      {"Tidy=yes\r\n", "Tidy", "false"},
      {"Tidy=true\r\nTidy=false\r\n", "Tidy", "true"},
      // The HTTP server takes the leading number and the session flag a
      // word or number (number_parse's rules); what does not read leaves
      // the old value.
      {"IsHTTPServer= 42abc\r\n", "IsHTTPServer", "42"},
      {"IsHTTPServer=5\r\nIsHTTPServer=99999999999\r\n", "IsHTTPServer", "5"},
      {"open_last_session=True\r\n", "open_last_session", "1"},
      {"open_last_session=1\r\nopen_last_session=maybe\r\n",
       "open_last_session", "1"},
  };
  for (const auto& [file, key, value] : rows) {
    EXPECT_EQ(Field(file, key), value) << ::testing::PrintToString(file);
  }
}

// Each line adds an entry, its fields split at "///". A file grown to
// hundreds of thousands of browser lines lists each entry once, in file
// order, and no more entries than a menu can show. Plug-ins named twice
// stay twice: each line is a menu entry of its own.
TEST(SettingsReadTest, BrowserAndPluginLinesAccumulateBounded) {
  const Settings two = Read(
      "plugin=x\\\\\\x.so\r\nplugin=y\\\\\\y.so\r\n"
      "extern=Firefox///%1///firefox///\r\nextern=Chromium\r\n");
  EXPECT_EQ(two.plugins,
            (std::vector<std::string>{"x\\\\\\x.so", "y\\\\\\y.so"}));
  ASSERT_EQ(two.external_browsers.size(), 3u);
  EXPECT_EQ(two.external_browsers[1],
            (ExternalBrowser{"Firefox", "%1", "firefox", "", ""}));
  EXPECT_EQ(two.external_browsers[2],
            (ExternalBrowser{"Chromium", "", "", "", ""}));
  std::string file;
  for (int i = 0; i < 1000; ++i) {
    file += "extern=B" + std::to_string(i % 2) + "\r\nextern=C" +
            std::to_string(i) + "\r\nplugin=P\r\n";
  }
  const Settings settings = Read(file);
  EXPECT_EQ(settings.plugins.size(), kMaxPlugins);
  // Lines apart only in empty fields name one browser, as written back.
  EXPECT_EQ(
      Read("extern=B///%1\r\nextern=B///%1//////\r\n").external_browsers.size(),
      2u);
  ASSERT_EQ(settings.external_browsers.size(), kMaxExternalBrowsers + 1);
  for (int i = 1; const char* caption : {"B0", "C0", "B1", "C1", "C2"}) {
    EXPECT_EQ(settings.external_browsers[i++][0], caption);
  }
}

// Empty parts keep their slots; parts beyond the sixth are ignored.
TEST(SettingsReadTest, RecentSlotsFollowTheParts) {
  const Settings settings = Read(
      "LastOpened=/a.html\\\\\\\\\\\\/c.html\\\\\\3\\\\\\4\\\\\\5\\\\\\6\r\n");
  EXPECT_EQ(settings.last_opened,
            (std::array<std::string, kRecentCount>{"/a.html", "", "/c.html",
                                                   "3", "4", "5"}));
  EXPECT_EQ(VisibleRecentCount(settings), 1);
}

// The defaults' nine lines are the end-to-end quit test's.
TEST(SettingsWriteTest, EveryFieldInItsPlace) {
  Settings settings;
  settings.language = "russian";
  settings.is_http_server = -12;
  settings.path_to_httpd = "/srv/www";
  settings.last_opened = {"/a", "/b", "", "", "", "/f"};
  settings.tidy = true;
  settings.plugins = {"one\\\\\\one.so", "two\\\\\\two.so"};
  settings.external_browsers.push_back({"Firefox", "%1", "firefox", "", ""});
  settings.external_browsers.push_back({"", "hidden", "x", "", ""});
  settings.php = "/usr/bin/php";
  settings.open_last_session = true;
  EXPECT_EQ(SettingsFileText(settings),
            "Language=russian\r\n"
            "IsHTTPServer=-12\r\n"
            "PathToHTTPD=/srv/www\r\n"
            "LastOpened=/a\\\\\\/b\\\\\\\\\\\\\\\\\\\\\\\\/f\r\n"
            "Tidy=true\r\n"
            "plugin=one\\\\\\one.so\r\nplugin=two\\\\\\two.so\r\n"
            "extern=Firefox///%1///firefox//////\r\n"
            "php=/usr/bin/php\r\n"
            "open_last_session=1\r\n");
}

// A value is written up to its first line break, so no value can start a
// line of its own; the reader then finds only the keys that were set.
TEST(SettingsWriteTest, NoValueBreaksItsLine) {
  Settings settings;
  settings.language = "en\nplugin=A\\\\\\a.so";
  settings.path_to_httpd = "/srv\r\nextern=x";
  settings.last_opened[0] = "/a\rphp=x";
  settings.plugins = {"P\\\\\\p.so\r\nplugin=B\\\\\\b.so"};
  settings.external_browsers.push_back({"F", "%1\n", "f", "", ""});
  settings.php = "php\r\nplugin=Evil\\\\\\../../evil.so";
  EXPECT_EQ(SettingsFileText(settings),
            "Language=en\r\n"
            "IsHTTPServer=0\r\n"
            "PathToHTTPD=/srv\r\n"
            "LastOpened=/a\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\r\n"
            "Tidy=false\r\n"
            "plugin=P\\\\\\p.so\r\n"
            "extern=F///%1///f//////\r\n"
            "php=php\r\n"
            "\r\n");
}

// Slots and added paths written joined by "|".
TEST(AddRecentTest, NewestFirstPushingTheOthersDown) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // The seventh pushes the oldest out.
      {"", "/1|/2|/3|/4|/5|/6|/7", "/7|/6|/5|/4|/3|/2"},
      // A path already listed stays in its old slot too.
      {"", "/a|/b|/a", "/a|/b|/a|||"},
      // Empty slots move down like any other.
      {"/a||/c|||/f", "/new", "/new|/a||/c||"},
      // Any text is taken as it is.
      {"", "| /with blanks/\"q\".html ", " /with blanks/\"q\".html |||||"},
  };
  for (const auto& [before, added, after] : rows) {
    Settings settings;
    const std::vector<std::string> parts = Split(before, "|");
    std::copy(parts.begin(), parts.end(), settings.last_opened.begin());
    for (const std::string& path : Split(added, "|")) AddRecent(path, settings);
    const auto& last = settings.last_opened;
    EXPECT_EQ(Join({last.begin(), last.end()}, "|"), after) << added;
  }
}

}  // namespace
}  // namespace quillory
