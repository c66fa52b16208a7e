#include "editor/completion_list.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "editor/php_keywords.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using Entries = std::vector<std::string>;

const std::tuple<const char*, std::string, Entries> kLoadCases[] = {
    {"KindTwoAddsEndTagRightAfterKindOneGivesStartTagOnly",
     "table|2\r\nbr|1\r\n",
     {"table>", "/table>", "br>"}},
    {"PhpOpenerGetsNoGreaterThan", "?php|1\r\n", {"?php"}},
    {"PhpOpenerWithKindTwoStillGetsEndEntry", "?php|2", {"?php", "/?php>"}},
    {"OnlyExactPhpOpenerLosesGreaterThan",
     "?PHP|1\r\n?php \r\n",
     {"?PHP>", "?php >", "/?php >"}},
    {"LineWithoutBarIsTakenAsKindTwo", "div\r\n", {"div>", "/div>"}},
    {"EmptyLinesAddNothing", "\r\n\r\np|2\r\n\r\n", {"p>", "/p>"}},
    {"EmptyOrOtherKindGivesStartTagOnly", "a|\r\nb|x", {"a>", "b>"}},
    {"ThirdFieldIsIgnored", "a|2|1\r\nb|1|2", {"a>", "/a>", "b>"}},
};

// The kind is a leading number, read as number_parse reads it.
TEST(CompletionListTest, LoadsByTheRules) {
  for (const auto& [rule, file, expected] : kLoadCases) {
    EXPECT_EQ(ParseCompletionList(file), expected) << rule;
  }
  testing::TestFolder folder;
  EXPECT_EQ(LoadCompletionList(folder.Write("syntaxHTML.lng", "b|2\r\n")),
            (Entries{"b>", "/b>"}));
  EXPECT_EQ(LoadCompletionList(folder.Path("missing.lng")), Entries{});
}

// The first entry in list order that starts with the prefix, ASCII letters
// folded.
TEST(CompletionPrefixTest, FindsTheFirstEntryStartingWithThePrefix) {
  const Entries list = {"?php",    "a>",     "/a>", "table>",
                        "/table>", "tbody>", "td>", "\xC9t\xE9>"};
  const std::pair<const char*, std::optional<size_t>> rows[] = {
      {"TA", 3}, {"tB", 5},    {"t", 3},      {"td>x", {}},
      {"", {}},  {"\xC9T", 7}, {"\xE9t", {}},
  };
  for (const auto& [prefix, found] : rows) {
    EXPECT_EQ(FindCompletionByPrefix(list, prefix), found) << prefix;
  }
  EXPECT_EQ(FindCompletionByPrefix({}, "a"), std::nullopt);
}

// Down and up wrap around; with nothing chosen they go to the first or the
// last entry.
TEST(CompletionStepTest, DownAndUpWrapAround) {
  using enum ListStep;
  EXPECT_EQ(StepCompletion(2, 3, kDown), 0u);
  EXPECT_EQ(StepCompletion(0, 3, kUp), 2u);
  EXPECT_EQ(StepCompletion(std::nullopt, 3, kDown), 0u);
  EXPECT_EQ(StepCompletion(std::nullopt, 3, kUp), 2u);
  EXPECT_EQ(StepCompletion(std::nullopt, 0, kDown), std::nullopt);
}

TEST(CompletionBrokenTest, ClosesByTheThreeRules) {
  const std::tuple<const char*, const char*, int64_t, int64_t, bool> cases[] = {
      {"letters keep it open", "x<ta", 2, 4, false},
      {"caret right after the less-than", "x<", 2, 2, false},
      {"caret before the start", "x<ta", 2, 1, true},
      {"space typed", "<d ", 1, 3, true},
      {"semicolon", "<a;", 1, 3, true},
      {"line break", "<a\r\nb", 1, 5, true},
      {"lone CR is no break", "<a\rb", 1, 4, false},
      {"break after the caret", "<a\r\n", 1, 2, false},
      {"less-than deleted", "xta", 2, 3, true},
      {"text shorter than the start", "<", 3, 3, true},
  };
  for (const auto& [rule, text, start, caret, broken] : cases) {
    EXPECT_EQ(CompletionBroken(text, start, caret), broken) << rule;
  }
}

using Words = std::vector<std::string>;

// The words are the file's lines, split as every data file is.
TEST(PhpKeywordListTest, LoadsTheFileInOrderOrNothing) {
  testing::TestFolder folder;
  EXPECT_EQ(
      LoadPhpKeywords(folder.Write("php.lng", "while\r\nfor\r\n")).words(),
      (Words{"while", "for", ""}));
  EXPECT_TRUE(LoadPhpKeywords(folder.Path("missing.lng")).words().empty());
}

}  // namespace
}  // namespace quillory
