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

constexpr int kEntryCount = 135;
constexpr std::string_view kUnused = "(unused)";
const std::vector<int> kUnusedEntries = {72, 73, 74, 78, 81,
                                         82, 83, 84, 85, 86};

std::string ShippedFile(std::string_view language, LanguageFile file) {
  return LanguageFilePath(QUILLORY_DATA_DIR "/", language, file);
}

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

TEST(LanguageFilePathTest, NamesEachFileOfTheLanguageFolder) {
  EXPECT_EQ(LanguageFilePath("/opt/q/", "english", LanguageFile::kMain),
            "/opt/q/languages/english/main.lng");
  EXPECT_EQ(LanguageFilePath("/opt/q/", "russian", LanguageFile::kHelp),
            "/opt/q/languages/russian/help.lng");
  EXPECT_EQ(LanguageFilePath("/opt/q/", "english", LanguageFile::kAbout),
            "/opt/q/languages/english/about.lng");
}

class ShippedLanguageTest : public ::testing::TestWithParam<const char*> {
 protected:
  std::string Bytes(LanguageFile file) const {
    return ReadFileBytes(ShippedFile(GetParam(), file)).value_or("");
  }
  LangTable Table() const {
    LangTable table;
    table.LoadFromBytes(Bytes(LanguageFile::kMain));
    return table;
  }
};

TEST_P(ShippedLanguageTest, EveryFileHasCrLfLineEndsAndAFinalCrLf) {
  for (LanguageFile file :
       {LanguageFile::kMain, LanguageFile::kHelp, LanguageFile::kAbout}) {
    const std::string bytes = Bytes(file);
    ASSERT_FALSE(bytes.empty()) << ShippedFile(GetParam(), file);
    EXPECT_TRUE(HasOnlyCrLfLineEnds(bytes)) << ShippedFile(GetParam(), file);
    EXPECT_TRUE(bytes.ends_with("\r\n")) << ShippedFile(GetParam(), file);
    EXPECT_TRUE(IsUtf8(bytes)) << ShippedFile(GetParam(), file);
  }
}

TEST_P(ShippedLanguageTest, MainLngHasExactlyTheEntriesZeroTo134) {
  EXPECT_EQ(Table().Size(), kEntryCount);
}

TEST_P(ShippedLanguageTest, UnusedEntriesArePlaceholdersAndTheRestHaveText) {
  const LangTable table = Table();
  for (int i = 0; i < table.Size(); ++i) {
    const bool unused = std::find(kUnusedEntries.begin(), kUnusedEntries.end(),
                                  i) != kUnusedEntries.end();
    if (unused) {
      EXPECT_EQ(table.Entry(i), kUnused) << "entry " << i;
    } else {
      EXPECT_FALSE(table.Entry(i)->empty()) << "entry " << i;
      EXPECT_NE(table.Entry(i), kUnused) << "entry " << i;
    }
  }
}

TEST_P(ShippedLanguageTest, ProjectSavedMessageNamesTheFile) {
  EXPECT_NE(Table().EntryOr(129, "").find("%1"), std::string::npos);
}

TEST_P(ShippedLanguageTest, HelpPageNamesEveryMenuShortcut) {
  const std::string help = Bytes(LanguageFile::kHelp);
  for (const char* keys :
       {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+W", "Ctrl+Q",
        "Ctrl+Z", "Ctrl+Y", "Ctrl+F", "Ctrl+H", "Ctrl+Tab", "Ctrl+Shift+Tab",
        "Shift+Enter", "Ctrl+Enter", "Ctrl+Space", "Ctrl+1", "Ctrl+6", "Ctrl+B",
        "Ctrl+V"}) {
    EXPECT_NE(help.find(std::string("<kbd>") + keys + "</kbd>"),
              std::string::npos)
        << keys;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest,
                         ::testing::Values("english", "russian"));

}  // namespace
}  // namespace quillory
