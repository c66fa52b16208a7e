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

Hits WordHits(const Words& words, std::string_view text, int64_t from,
              int64_t to) {
  Hits hits;
  PhpKeywords(words).FindWordKeywords(text, from, to, hits);
  return hits;
}

Hits OtherHits(const Words& words, std::string_view text, int64_t from,
               int64_t to) {
  Hits hits;
  PhpKeywords(words).FindOtherKeywords(text, from, to, hits);
  return hits;
}

void PrintTo(const KeywordHit& hit, std::ostream* out) {
  *out << "{at " << hit.position << " len " << hit.length << " entry "
       << hit.list_index << "}";
}

TEST(PhpKeywordListTest, SplitsAtCrLfKeepingEmptyLines) {
  EXPECT_EQ(ParsePhpKeywordList("echo\r\n\r\nif\r\n"),
            (Words{"echo", "", "if", ""}));
}

TEST(PhpKeywordListTest, LfOnlyFileIsTakenAsCrLf) {
  EXPECT_EQ(ParsePhpKeywordList("echo\nif"), (Words{"echo", "if"}));
}

TEST(PhpKeywordListTest, LoneCrStaysInsideTheWord) {
  EXPECT_EQ(ParsePhpKeywordList("a\rb\r\nc"), (Words{"a\rb", "c"}));
}

TEST(PhpKeywordListTest, EmptyOrMissingFileGivesNoKeywords) {
  testing::TestFolder folder;
  EXPECT_TRUE(LoadPhpKeywords(folder.Write("php.lng", "")).words().empty());
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("missing.lng")).words().empty());
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("")).words().empty());
}

TEST(PhpKeywordListTest, LoadsFileInOrder) {
  testing::TestFolder folder;
  const std::string path = folder.Write("php.lng", "while\r\nfor\r\n");
  EXPECT_EQ(LoadPhpKeywords(path).words(), (Words{"while", "for", ""}));
}

TEST(PhpKeywordsTest, CountsOnlyWholeWords) {
  // e1 c2 h3 o4 5 x6 e7 c8 h9 o10 11 e12 c13 h14 o15 _16 17 e18 c19 h20 o21
  EXPECT_EQ(WordHits({"echo"}, "echo xecho echo_ echo", 1, 21),
            (Hits{{1, 4, 0}, {18, 4, 0}}));
}

TEST(PhpKeywordsTest, MatchesCaseSensitively) {
  EXPECT_EQ(WordHits({"echo"}, "ECHO Echo echo", 1, 14), (Hits{{11, 4, 0}}));
}

TEST(PhpKeywordsTest, HighBytesJoinWordsLowBytesDoNot) {
  EXPECT_EQ(WordHits({"if"}, "\xC0if \xFFif if\xDF", 1, 11), Hits{});
  EXPECT_EQ(WordHits({"if"}, "\x80if\xBF", 1, 4), (Hits{{2, 2, 0}}));
  EXPECT_EQ(WordHits({"\xE9t\xE9"}, "(\xE9t\xE9)", 1, 5), (Hits{{2, 3, 0}}));
}

TEST(PhpKeywordsTest, WordMayRunPastRangeButMustStartInIt) {
  EXPECT_EQ(WordHits({"echo"}, "x echo", 3, 3), (Hits{{3, 4, 0}}));
  EXPECT_EQ(WordHits({"echo"}, "x echo", 4, 6), Hits{});
  EXPECT_EQ(WordHits({"echo"}, "echos", 1, 1), Hits{});
}

TEST(PhpKeywordsTest, RepeatedEntriesEachCount) {
  EXPECT_EQ(WordHits({"if", "", "if"}, "if", 1, 2),
            (Hits{{1, 2, 0}, {1, 2, 2}}));
}

TEST(PhpKeywordsTest, EmptyListFindsNothing) {
  EXPECT_EQ(WordHits({}, "echo if", 1, 7), Hits{});
  EXPECT_EQ(WordHits({"", ""}, "echo if", 1, 7), Hits{});
}

TEST(PhpKeywordsTest, LongWordPastRangeEndIsReadOnlyAsFarAsNeeded) {
  const std::string text = "if" + std::string(1'000'000, 'x');
  EXPECT_EQ(WordHits({"if", "ifx"}, text, 1, 1), Hits{});
}

TEST(PhpKeywordsTest, OtherKeywordsAreSearchedLiterally) {
  EXPECT_EQ(OtherHits({"$this", "echo"}, "$this->a $thisx a$this", 1, 22),
            (Hits{{1, 5, 0}}));
  EXPECT_EQ(WordHits({"$this"}, "$this", 1, 5), Hits{});
}

TEST(PhpKeywordsTest, OtherKeywordSearchResumesAfterEachOccurrence) {
  // From 1 "--" is found at 1 and the search resumes at 3, past the one at
  // 2; from 2 it is found at 2.
  EXPECT_EQ(OtherHits({"--"}, "---", 1, 3), (Hits{{1, 2, 0}}));
  EXPECT_EQ(OtherHits({"--"}, "---", 2, 3), (Hits{{2, 2, 0}}));
}

TEST(PhpKeywordsTest, OtherKeywordNeedsNonWordNeighbours) {
  EXPECT_EQ(OtherHits({"a-b"}, "xa-b a-b a-by", 1, 13), (Hits{{6, 3, 0}}));
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
