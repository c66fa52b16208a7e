#include "app/settings_form.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/file_bytes.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

Settings Filled(int32_t is_http_server) {
  return {.language = "russian",
          .is_http_server = is_http_server,
          .path_to_httpd = "/srv/\xE9t\xE9/",
          .external_browsers = {{}, {"Firefox", "%1", "firefox", "/f", ""}},
          .php = "/usr/bin/php",
          .open_last_session = true};
}

// OK without changes writes the same file, save that the server mode
// becomes -1 or 0; a form with no language selected keeps the setting's.
TEST(SettingsFormTest, OkWithoutChangesKeepsTheSettings) {
  for (const auto& [stored, after_ok] : {std::pair{0, 0}, {-1, -1}, {5, -1}}) {
    Settings settings = Filled(stored);
    EXPECT_TRUE(ApplySettingsForm(FormOfSettings(settings), settings));
    EXPECT_EQ(SettingsFileText(settings), SettingsFileText(Filled(after_ok)));
  }
  Settings settings = Filled(0);
  SettingsForm form = FormOfSettings(settings);
  form.language.clear();
  EXPECT_TRUE(ApplySettingsForm(form, settings));
  EXPECT_EQ(settings.language, "russian");
}

// A removed entry keeps its place, empty, and leaves the file; an entry
// missing a used field is refused, one without a topic is not, whether
// added or changed in place.
TEST(SettingsFormTest, RemoveAddThenChangeKeepPositions) {
  Settings settings = Filled(0);
  EXPECT_EQ(AddBrowserEntry(settings, {"Opera", "%1", "", "/o", "t"}),
            BrowserEntryCheck::kFieldEmpty);
  RemoveBrowserEntry(settings, 0);
  RemoveBrowserEntry(settings, 5);
  EXPECT_EQ(AddBrowserEntry(settings, {"Falkon", "%1", "falkon", "/k", ""}),
            BrowserEntryCheck::kTaken);
  EXPECT_EQ(ChangeBrowserEntry(settings, 1, {"F", "-p %1", "falkon", "", ""}),
            BrowserEntryCheck::kFieldEmpty);
  EXPECT_EQ(ChangeBrowserEntry(settings, 1, {"F", "-p %1", "falkon", "/k", ""}),
            BrowserEntryCheck::kTaken);
  EXPECT_EQ(BrowserListCaptions(settings), (std::vector<std::string>{"", "F"}));
  EXPECT_EQ(BrowserAtPosition(settings, 1)[3], "/k");
  EXPECT_EQ(BrowserAtPosition(settings, 2), ExternalBrowser{});
  EXPECT_EQ(SettingsFileLines(settings)[6],
            "extern=F///-p %1///falkon////k///");
}

// A line break in any value would start a line of its own in settings.dat
// (a "plugin=" line, say): the whole form is refused and nothing changes.
TEST(SettingsFormTest, AValueWithALineBreakIsRefused) {
  constexpr char kPasted[] = "php\r\nplugin=Evil\\\\\\../../evil.so";
  const auto with = [](auto field, const char* value) {
    SettingsForm form = FormOfSettings(Filled(0));
    form.*field = value;
    return form;
  };
  for (const SettingsForm& form :
       {with(&SettingsForm::php, kPasted), with(&SettingsForm::php, "a\nb"),
        with(&SettingsForm::path_to_httpd, "/srv\r"),
        with(&SettingsForm::language, "x\nplugin=E")}) {
    Settings settings = Filled(0);
    EXPECT_FALSE(ApplySettingsForm(form, settings));
    Settings read_back;
    ApplySettingsLines(SplitLines(SettingsFileText(settings)), read_back);
    EXPECT_EQ(SettingsFileText(read_back), SettingsFileText(Filled(0)));
  }
  Settings settings = Filled(0);
  EXPECT_EQ(
      AddBrowserEntry(settings, {"Lynx", "%1", "lynx", "/l\nplugin=E", ""}),
      BrowserEntryCheck::kLineBreak);
  EXPECT_EQ(AddBrowserEntry(settings, {"Lynx", "%1", "lynx", "/l", "\r"}),
            BrowserEntryCheck::kLineBreak);
  EXPECT_EQ(SettingsFileText(settings), SettingsFileText(Filled(0)));
}

// Every sub-folder is a language, main.lng or not; files are not.
TEST(SettingsFormTest, LanguagesAreTheSubFolders) {
  testing::TestFolder folder;
  folder.Write("russian/main.lng", "x\r\n");
  folder.Write("bare/notes.txt", "");
  folder.Write("php.lng", "echo\r\n");
  EXPECT_EQ(InterfaceLanguages(folder.Path("")),
            (std::vector<std::string>{"bare", "russian"}));
  EXPECT_TRUE(InterfaceLanguages(folder.Path("missing")).empty());
}

TEST(SettingsFormTest, ServerFolderEndsInOneSlashAndStopsAtNul) {
  EXPECT_EQ(ServerFolderField("/srv/www"), "/srv/www/");
  EXPECT_EQ(ServerFolderField("/srv/www/"), "/srv/www/");
  EXPECT_EQ(ServerFolderField(std::string_view("/srv\0junk", 9)), "/srv/");
}

}  // namespace
}  // namespace quillory
