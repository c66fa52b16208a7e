#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/file_bytes.h"

namespace quillory {
namespace {

Settings Read(std::string_view file) {
  Settings settings;
  ApplySettingsLines(SplitLines(file), settings);
  return settings;
}

TEST(SettingsReadTest, MissingFileLeavesDefaults) {
  const Settings settings = Read("");
  EXPECT_EQ(settings.language, "");
  EXPECT_EQ(settings.is_http_server, 0);
  EXPECT_FALSE(settings.tidy);
  EXPECT_FALSE(settings.open_last_session);
  EXPECT_EQ(settings.external_browsers.size(), 1u);
  EXPECT_TRUE(settings.plugins.empty());
}

TEST(SettingsReadTest, LastLineWithoutLineEndIsIgnored) {
  const Settings settings = Read("Language=russian\r\nphp=/usr/bin/php");
  EXPECT_EQ(settings.language, "russian");
  EXPECT_EQ(settings.php, "");
}

TEST(SettingsReadTest, KeysIgnoreCaseButNotBlanks) {
  const Settings settings =
      Read("LANGUAGE=german\r\nphp =/bin/php\r\nPHP=/usr/bin/php\r\n");
  EXPECT_EQ(settings.language, "german");
  EXPECT_EQ(settings.php, "/usr/bin/php");
}

TEST(SettingsReadTest, ValuesAreNotTrimmedAndMayHoldEquals) {
  const Settings settings = Read("PathToHTTPD= /srv/a=b \r\n");
  EXPECT_EQ(settings.path_to_httpd, " /srv/a=b ");
}

TEST(SettingsReadTest, LaterLinesOverwriteButPluginsAndBrowsersAccumulate) {
  const Settings settings = Read(
      "Language=a\r\nLanguage=b\r\nplugin=x\\\\\\x.so\r\nplugin=y\\\\\\y.so\r\n"
      "extern=Firefox///%1///firefox///\r\nextern=Chromium\r\n");
  EXPECT_EQ(settings.language, "b");
  EXPECT_EQ(settings.plugins,
            (std::vector<std::string>{"x\\\\\\x.so", "y\\\\\\y.so"}));
  ASSERT_EQ(settings.external_browsers.size(), 3u);
  EXPECT_EQ(settings.external_browsers[1],
            (ExternalBrowser{"Firefox", "%1", "firefox", "", ""}));
  EXPECT_EQ(settings.external_browsers[2],
            (ExternalBrowser{"Chromium", "", "", "", ""}));
}

TEST(SettingsReadTest, TidyIsTrueOnlyForTheWordTrue) {
  EXPECT_TRUE(Read("Tidy=TRUE \r\n").tidy);
  EXPECT_TRUE(Read("tidy=  true\r\n").tidy);
  EXPECT_FALSE(Read("Tidy=yes\r\n").tidy);
  EXPECT_FALSE(Read("Tidy=1\r\n").tidy);
  // A later non-true value does not clear it.
  EXPECT_TRUE(Read("Tidy=true\r\nTidy=false\r\n").tidy);
}

TEST(SettingsReadTest, HttpServerTakesTheRoundedLeadingNumber) {
  struct Row {
    const char* value;
    int32_t expected;
  };
  for (const Row& row : {Row{"1", 1}, Row{" 42abc", 42}, Row{"2.5", 2},
                         Row{"3.5", 4}, Row{"-2.5", -2}, Row{"2.51", 3},
                         Row{"abc", 0}, Row{"", 0}, Row{"-7", -7}}) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(
        Read(std::string("IsHTTPServer=") + row.value + "\r\n").is_http_server,
        row.expected);
  }
}

TEST(SettingsReadTest, HttpServerOverflowLeavesTheOldValue) {
  EXPECT_EQ(
      Read("IsHTTPServer=5\r\nIsHTTPServer=99999999999\r\n").is_http_server, 5);
}

TEST(SettingsReadTest, OpenLastSessionReadsWordsAndNumbers) {
  EXPECT_TRUE(Read("open_last_session=1\r\n").open_last_session);
  EXPECT_TRUE(Read("open_last_session=True\r\n").open_last_session);
  EXPECT_TRUE(Read("open_last_session=-3\r\n").open_last_session);
  EXPECT_FALSE(Read("open_last_session=0\r\n").open_last_session);
  EXPECT_FALSE(Read("open_last_session=1\r\nopen_last_session=FALSE\r\n")
                   .open_last_session);
  // Neither a word nor a number: unchanged.
  EXPECT_TRUE(Read("open_last_session=1\r\nopen_last_session=maybe\r\n")
                  .open_last_session);
}

TEST(SettingsReadTest, RecentSlotsFollowTheParts) {
  const Settings settings = Read("LastOpened=/a.html\\\\\\\\\\\\/c.html\r\n");
  EXPECT_EQ(settings.last_opened[0], "/a.html");
  EXPECT_EQ(settings.last_opened[1], "");
  EXPECT_EQ(settings.last_opened[2], "/c.html");
  EXPECT_EQ(VisibleRecentCount(settings), 1);
}

TEST(SettingsReadTest, RecentPartsBeyondTheSixthAreIgnored) {
  std::string line = "LastOpened=";
  for (int i = 0; i < 8; ++i) line += (i ? "\\\\\\" : "") + std::to_string(i);
  const Settings settings = Read(line + "\r\n");
  EXPECT_EQ(settings.last_opened[5], "5");
  EXPECT_EQ(VisibleRecentCount(settings), 6);
}

TEST(SettingsReadTest, MalformedAndBinaryLinesAreSkipped) {
  std::string file = "no equals sign\r\n\r\n=\r\n";
  file += std::string("\0\x01\xff=junk\r\n", 10);
  file += "Language=english\r\n";
  EXPECT_EQ(Read(file).language, "english");
}

TEST(SettingsReadTest, LfOnlyFileIsReadLikeCrLf) {
  EXPECT_EQ(Read("Language=russian\nphp=/usr/bin/php\n").php, "/usr/bin/php");
}

TEST(SettingsWriteTest, DefaultsGiveNineLinesTheLastFourEmpty) {
  EXPECT_EQ(SettingsFileText(Settings()),
            "Language=\r\nIsHTTPServer=0\r\nPathToHTTPD=\r\n"
            "LastOpened=\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\r\nTidy=false\r\n"
            "\r\n\r\n\r\n\r\n");
}

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

TEST(SettingsWriteTest, WrittenFileReadsBackToTheSameSettings) {
  Settings settings;
  settings.language = "english";
  settings.is_http_server = 1;
  settings.last_opened = {"/x y/a.html", "/b.php", "", "", "", ""};
  settings.plugins = {"p\\\\\\p.so"};
  settings.external_browsers.push_back({"A", "B", "C", "D", "E"});
  settings.php = "php";
  Settings read_back;
  ApplySettingsLines(SplitLines(SettingsFileText(settings)), read_back);
  EXPECT_EQ(SettingsFileText(read_back), SettingsFileText(settings));
}

}  // namespace
}  // namespace quillory
