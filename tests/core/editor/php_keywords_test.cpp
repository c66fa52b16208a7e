#include "editor/php_keywords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_bytes.h"
#include "editor/word_bytes.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using Words = std::vector<std::string>;
using Hits = std::vector<KeywordHit>;

void PrintTo(const KeywordHit& hit, std::ostream* out) {
  *out << "{at " << hit.position << " len " << hit.length << " entry "
       << hit.list_index << "}";
}

TEST(PhpKeywordListTest, SplitsAtCrLfKeepingEmptyLines) {
  EXPECT_EQ(ParsePhpKeywordList("echo\r\n\r\nif\r\n"),
            (Words{"echo", "", "if", ""}));
  EXPECT_EQ(ParsePhpKeywordList("echo\nif"), (Words{"echo", "if"}));
  EXPECT_EQ(ParsePhpKeywordList("a\rb\r\nc"), (Words{"a\rb", "c"}));
}

TEST(PhpKeywordListTest, LoadsTheFileInOrderOrNothing) {
  testing::TestFolder folder;
  EXPECT_EQ(
      LoadPhpKeywords(folder.Write("php.lng", "while\r\nfor\r\n")).words(),
      (Words{"while", "for", ""}));
  EXPECT_TRUE(LoadPhpKeywords(folder.Write("php.lng", "")).words().empty());
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("missing.lng")).words().empty());
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("")).words().empty());
}

struct HitCase {
  const char* rule;
  Words words;
  std::string text;
  int64_t from, to;
  Hits hits;
};

// Keywords of word bytes must stand alone: only the bytes 192 to 255 and
// ASCII letters, digits and "_" join words.
TEST(PhpKeywordsTest, WordKeywordsCountOnlyWholeWords) {
  const HitCase cases[] = {
      // e1 c2 h3 o4 5 x6 e7 c8 h9 o10 11 e12 c13 h14 o15 _16 17 e18
      HitCase("whole words only", {"echo"}, "echo xecho echo_ echo", 1, 21,
              {{1, 4, 0}, {18, 4, 0}}),
      HitCase("case matters", {"echo"}, "ECHO Echo echo", 1, 14, {{11, 4, 0}}),
      HitCase("high bytes join words", {"if"}, "\xC0if \xFFif if\xDF", 1, 11,
              {}),
      HitCase("low bytes do not", {"if"}, "\x80if\xBF", 1, 4, {{2, 2, 0}}),
      HitCase("high-byte keyword", {"\xE9t\xE9"}, "(\xE9t\xE9)", 1, 5,
              {{2, 3, 0}}),
      HitCase("may run past the range", {"echo"}, "x echo", 3, 3, {{3, 4, 0}}),
      HitCase("must start in it", {"echo"}, "x echo", 4, 6, {}),
      HitCase("longer word past the range", {"echo"}, "echos", 1, 1, {}),
      HitCase("repeated entries each count", {"if", "", "if"}, "if", 1, 2,
              {{1, 2, 0}, {1, 2, 2}}),
      HitCase("empty list", {}, "echo if", 1, 7, {}),
      HitCase("empty entries", {"", ""}, "echo if", 1, 7, {}),
      HitCase("other keywords are not word keywords", {"$this"}, "$this", 1, 5,
              {}),
      HitCase("a long word is read only as far as needed", {"if", "ifx"},
              "if" + std::string(1'000'000, 'x'), 1, 1, {}),
  };
  for (const HitCase& c : cases) {
    Hits hits;
    PhpKeywords(c.words).FindWordKeywords(c.text, c.from, c.to, hits);
    EXPECT_EQ(hits, c.hits) << c.rule;
  }
}

TEST(PhpKeywordsTest, OtherKeywordsAreSearchedLiterally) {
  const HitCase cases[] = {
      HitCase("literal", {"$this", "echo"}, "$this->a $thisx a$this", 1, 22,
              {{1, 5, 0}}),
      // From 1 "--" is found at 1 and the search resumes at 3, past the one
      // at 2; from 2 it is found at 2.
      HitCase("resumes after each occurrence", {"--"}, "---", 1, 3,
              {{1, 2, 0}}),
      HitCase("from inside an occurrence", {"--"}, "---", 2, 3, {{2, 2, 0}}),
      HitCase("needs non-word neighbours", {"a-b"}, "xa-b a-b a-by", 1, 13,
              {{6, 3, 0}}),
  };
  for (const HitCase& c : cases) {
    Hits hits;
    PhpKeywords(c.words).FindOtherKeywords(c.text, c.from, c.to, hits);
    EXPECT_EQ(hits, c.hits) << c.rule;
  }
}

TEST(ShippedPhpKeywordsTest, AreWholeWordsWithCrLfLineEnds) {
  const std::string path = QUILLORY_DATA_DIR "/languages/php.lng";
  const std::string bytes = ReadFileBytes(path).value_or("");
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  Words words = ParsePhpKeywordList(bytes);
  ASSERT_EQ(words.back(), "");
  words.pop_back();
  EXPECT_GE(words.size(), 100u);
  for (const std::string& word : words) {
    EXPECT_FALSE(word.empty());
    EXPECT_EQ(word.find('\n'), std::string::npos) << word;
    for (char c : word) EXPECT_TRUE(IsWordByte(c)) << word;
  }
  const PhpKeywords keywords(words);
  Hits hits;
  const std::string_view code = "if (isset($a)) { echo $a; } else { return; }";
  keywords.FindWordKeywords(code, 1, code.size(), hits);
  EXPECT_EQ(hits.size(), 5u);
}

}  // namespace
}  // namespace quillory
