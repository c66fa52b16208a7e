#include "app/language_files.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_bytes.h"
#include "app/lang_table.h"

namespace quillory {
namespace {

// Each CR is followed by LF and each LF follows a CR.
bool HasOnlyCrLfLineEnds(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    const bool cr = bytes[i] == '\r';
    const bool lf = bytes[i] == '\n';
    if (cr && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
    if (lf && (i == 0 || bytes[i - 1] != '\r')) return false;
  }
  return true;
}

bool IsUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 0x2) return false;
    }
    i += length;
  }
  return true;
}

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
      EXPECT_TRUE(HasOnlyCrLfLineEnds(bytes)) << path;
      EXPECT_TRUE(IsUtf8(bytes)) << path;
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
