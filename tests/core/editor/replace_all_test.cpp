#include "editor/replace_all.h"

#include <gtest/gtest.h>

#include <random>

#include "core/editor/literal_replace_all.h"

namespace quillory {
namespace {

TEST(ReplaceAllTest, StartsPointAtEachReplacement) {
  auto result =
      ReplaceAll("<B>x</b>", "b", "strong", SearchFrom::kTextStart, 5);
  EXPECT_EQ(result.text, "<strong>x</strong>");
  EXPECT_EQ(result.starts, (std::vector<int64_t>{1, 11}));
  result = ReplaceAll("x-X-x", "x", "yy", SearchFrom::kCaret, 1);
  EXPECT_EQ(result.text, "x-yy-yy");
  EXPECT_EQ(result.starts, (std::vector<int64_t>{2, 5}));
}

TEST(ReplaceAllTest, ReplacementContainingFindIsNotReplacedAgain) {
  EXPECT_EQ(ReplaceAll("a a", "a", "aa", SearchFrom::kTextStart, 0).text,
            "aa aa");
  const auto result = ReplaceAll("abc", "", "x", SearchFrom::kTextStart, 0);
  EXPECT_EQ(result.text, "abc");  // an empty find replaces nothing
  EXPECT_TRUE(result.starts.empty());
}

// Against replacing one occurrence at a time, from the start or the caret,
// with replacements that may contain the find text.
TEST(ReplaceAllTest, SameTextAsReplacingOneAtATime) {
  std::mt19937 random(11);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const std::string letters = "aAbB-";
  const auto word = [&](int low, int high) {
    std::string text(pick(low, high), ' ');
    for (char& c : text) c = letters[pick(0, 4)];
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = word(0, 40);
    const std::string find = word(1, 3);
    const std::string replacement = word(0, 4);
    const int caret = pick(0, static_cast<int>(text.size()));
    const auto from = static_cast<SearchFrom>(pick(0, 2));
    const int64_t first = from == SearchFrom::kTextStart ? 1 : caret + 1;
    ASSERT_EQ(ReplaceAll(text, find, replacement, from, caret).text,
              LiteralReplaceAll(text, find, replacement, first))
        << text << " / " << find << " / " << replacement;
  }
}

}  // namespace
}  // namespace quillory
