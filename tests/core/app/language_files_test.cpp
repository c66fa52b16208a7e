#include "app/language_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>

#include "app/help_page.h"
#include "base/file_bytes.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/text_encoding.h"
#include "editor/completion_list.h"
#include "editor/lone_line_ends.h"
#include "editor/php_keywords.h"
#include "insert/reference_file.h"
#include "insert/tag_lists.h"

namespace quillory {
namespace {

using enum LanguageFile;

// Every shipped file is UTF-8 with CR LF line ends and reads as the program
// takes it: the numbered tables whole, a caption name one language lacks
// would show in English, and the lists are not empty.
TEST(ShippedDataTest, EveryFileIsUtf8CrLfAndParses) {
  const std::string data = QUILLORY_DATA_DIR "/";
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(data)) {
    if (!entry.is_regular_file()) continue;
    const std::string bytes = ReadFileBytes(entry.path()).value_or("");
    EXPECT_TRUE(bytes.ends_with("\r\n")) << entry.path();
    EXPECT_FALSE(HasLoneLineEnd(bytes, Extent::kWhole)) << entry.path();
    EXPECT_TRUE(IsValidUtf8(bytes)) << entry.path();
  }
  NamedCaptions english;
  english.LoadFromFile(LanguageFilePath(data, "english", kCaptions));
  ASSERT_FALSE(english.All().empty());
  for (const char* language : {"english", "russian"}) {
    LangTable table;
    table.LoadFromFile(LanguageFilePath(data, language, kMain));
    EXPECT_EQ(table.Size(), 135) << language;
    NamedCaptions captions;
    captions.LoadFromFile(LanguageFilePath(data, language, kCaptions));
    EXPECT_EQ(captions.All().size(), english.All().size()) << language;
    for (const auto& [name, text] : english.All()) {
      EXPECT_TRUE(captions.Find(name)) << language << " " << name;
    }
    for (const char* name :
         {"htmltags.lng", "JavaScriptTags.lng", "PHPTags.lng"}) {
      EXPECT_GT(LoadTagFile(data + "languages/" + language + "/" + name).size(),
                150u)
          << language << " " << name;
    }
  }
  EXPECT_FALSE(LoadCompletionList(data + "languages/syntaxHTML.lng").empty());
  EXPECT_FALSE(LoadPhpKeywords(data + "languages/php.lng").words().empty());
  for (const char* name : {"php.HET", "JS.HET"}) {
    EXPECT_FALSE(LoadReferenceFile(data + "languages/" + name).groups.empty())
        << name;
  }
}

TEST(HelpFileNameTest, IsUpperCaseHexOfTheScaledNumber) {
  const std::pair<double, const char*> rows[] = {
      {0.0, "F4240.html"},             // the lowest, as any below it
      {0.99999999999, "98967E.html"},  // the highest
      {0.5, "53EC5F.html"},            // truncated, not rounded
      {1.0, "98967E.html"},            // clamped below one
      {std::nan(""), "F4240.html"},
  };
  for (const auto& [r, name] : rows) EXPECT_EQ(HelpFileName(r), name) << r;
}

TEST(SettleLanguageTest, FirstStartFollowsTheDesktopThenTheSetting) {
  // The setting, LANG and the language settled on.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"", "ru_RU.UTF-8", "russian"},         // a Russian desktop
      {"", "ru", "russian"},                  // a bare code
      {"", "en_GB.UTF-8", "english"},         // English
      {"", "de_DE.UTF-8", "english"},         // not shipped: the default
      {"", "", "english"},                    // LANG unset, as "C"
      {"", "rus_RU", "english"},              // not a code, however close
      {"english", "ru_RU.UTF-8", "english"},  // later starts: the setting
  };
  for (const auto& [setting, lang, settled] : rows) {
    Settings settings;
    settings.language = setting;
    SettleLanguage(settings, lang);
    EXPECT_EQ(settings.language, settled) << lang;
  }
}

}  // namespace
}  // namespace quillory
