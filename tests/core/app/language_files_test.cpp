#include "app/language_files.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_bytes.h"
#include "app/lang_table.h"
#include "editor/lone_line_ends.h"
#include "editor/text_encoding.h"

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

// The tables are read by line number, so every shipped language has the
// same entries 0 to 134, unused ones marked, in UTF-8 with CR LF.
TEST(ShippedLanguageTest, EveryFileIsUtf8CrLfAndMainHasEveryEntry) {
  const std::vector<int> unused = {72, 73, 74, 78, 81, 82, 83, 84, 85, 86};
  for (const char* language : {"english", "russian"}) {
    for (LanguageFile file :
         {LanguageFile::kMain, LanguageFile::kHelp, LanguageFile::kAbout}) {
      const std::string path =
          LanguageFilePath(QUILLORY_DATA_DIR "/", language, file);
      const std::string bytes = ReadFileBytes(path).value_or("");
      EXPECT_TRUE(bytes.ends_with("\r\n")) << path;
      EXPECT_FALSE(HasLoneLineEnd(bytes, Extent::kWhole)) << path;
      EXPECT_TRUE(IsValidUtf8(bytes)) << path;
    }
    LangTable table;
    table.LoadFromFile(
        LanguageFilePath(QUILLORY_DATA_DIR "/", language, LanguageFile::kMain));
    ASSERT_EQ(table.Size(), 135) << language;
    for (int i = 0; i < table.Size(); ++i) {
      const bool is_unused =
          std::find(unused.begin(), unused.end(), i) != unused.end();
      EXPECT_EQ(*table.Entry(i) == "(unused)", is_unused) << language << i;
      EXPECT_FALSE(table.Entry(i)->empty()) << language << i;
    }
    // The project-saved message names the file.
    EXPECT_NE(table.Entry(129)->find("%1"), std::string::npos) << language;
  }
}

}  // namespace
}  // namespace quillory
