#include "app/language_files.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(SettleLanguageTest, EmptyLanguageBecomesEnglishAChosenOneStays) {
  Settings settings;
  SettleLanguage(settings);
  EXPECT_EQ(settings.language, "english");
  settings.language = "russian";
  SettleLanguage(settings);
  EXPECT_EQ(settings.language, "russian");
}

TEST(LanguageFilePathTest, NamesEachFileOfTheLanguageFolder) {
  EXPECT_EQ(LanguageFilePath("/opt/q/", "english", LanguageFile::kMain),
            "/opt/q/languages/english/main.lng");
  EXPECT_EQ(LanguageFilePath("/opt/q/", "russian", LanguageFile::kHelp),
            "/opt/q/languages/russian/help.lng");
  EXPECT_EQ(LanguageFilePath("/opt/q/", "english", LanguageFile::kAbout),
            "/opt/q/languages/english/about.lng");
}

}  // namespace
}  // namespace quillory
