#include "editor/completion_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/file_bytes.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using Entries = std::vector<std::string>;

struct LoadCase {
  std::string rule;
  std::string file;
  Entries expected;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.rule; }

class CompletionLoadRule : public ::testing::TestWithParam<LoadCase> {};

TEST_P(CompletionLoadRule, Loads) {
  EXPECT_EQ(ParseCompletionList(GetParam().file), GetParam().expected);
}

const LoadCase kLoadCases[] = {
    {"KindOneGivesStartTagOnly", "br|1\r\n", {"br>"}},
    {"KindTwoAddsEndTagRightAfter",
     "table|2\r\nbr|1\r\n",
     {"table>", "/table>", "br>"}},
    {"PhpOpenerGetsNoGreaterThan", "?php|1\r\n", {"?php"}},
    {"PhpOpenerWithKindTwoStillGetsEndEntry", "?php|2", {"?php", "/?php>"}},
    {"OnlyExactPhpOpenerLosesGreaterThan",
     "?PHP|1\r\n?php \r\n",
     {"?PHP>", "?php >", "/?php >"}},
    {"LineWithoutBarIsTakenAsKindTwo", "div\r\n", {"div>", "/div>"}},
    {"EmptyLinesAddNothing", "\r\n\r\np|2\r\n\r\n", {"p>", "/p>"}},
    {"LfOnlyFileIsTakenAsCrLf", "p|2\nbr|1\n", {"p>", "/p>", "br>"}},
    {"KindIsReadAsLeadingNumber",
     "a| 2\r\nb|2.0\r\nc|+02x\r\nd|2.5\r\ne|-2",
     {"a>", "/a>", "b>", "/b>", "c>", "/c>", "d>", "e>"}},
    {"EmptyOrOtherKindGivesStartTagOnly",
     "a|\r\nb|x\r\nc|0",
     {"a>", "b>", "c>"}},
    {"ThirdFieldIsIgnored", "a|2|1\r\nb|1|2", {"a>", "/a>", "b>"}},
    {"EmptyFileGivesNoEntries", "", {}},
};

INSTANTIATE_TEST_SUITE_P(Rules, CompletionLoadRule,
                         ::testing::ValuesIn(kLoadCases),
                         [](const ::testing::TestParamInfo<LoadCase>& info) {
                           return info.param.rule;
                         });

TEST(CompletionListTest, MissingFileGivesNoEntries) {
  testing::TestFolder folder;
  EXPECT_EQ(LoadCompletionList(folder.Path("syntaxHTML.lng")), Entries{});
  EXPECT_EQ(LoadCompletionList(folder.Path("")), Entries{});
}

TEST(CompletionListTest, LoadsFile) {
  testing::TestFolder folder;
  const std::string path = folder.Write("syntaxHTML.lng", "b|2\r\nbr|1\r\n");
  EXPECT_EQ(LoadCompletionList(path), (Entries{"b>", "/b>", "br>"}));
}

const Entries kList = {"?php",    "a>",     "/a>", "table>",
                       "/table>", "tbody>", "td>", "\xC9t\xE9>"};

TEST(CompletionPrefixTest, IgnoresLetterCase) {
  EXPECT_EQ(FindCompletionByPrefix(kList, "TA"), 3u);
  EXPECT_EQ(FindCompletionByPrefix(kList, "tB"), 5u);
}

TEST(CompletionPrefixTest, TakesFirstMatchInListOrder) {
  EXPECT_EQ(FindCompletionByPrefix(kList, "t"), 3u);
  EXPECT_EQ(FindCompletionByPrefix(kList, "/"), 2u);
  EXPECT_EQ(FindCompletionByPrefix(kList, "?"), 0u);
}

TEST(CompletionPrefixTest, WholeEntryAndLongerPrefix) {
  EXPECT_EQ(FindCompletionByPrefix(kList, "td>"), 6u);
  EXPECT_EQ(FindCompletionByPrefix(kList, "td>x"), std::nullopt);
}

TEST(CompletionPrefixTest, EmptyPrefixOrNoMatchSelectsNothing) {
  EXPECT_EQ(FindCompletionByPrefix(kList, ""), std::nullopt);
  EXPECT_EQ(FindCompletionByPrefix(kList, "zz"), std::nullopt);
  EXPECT_EQ(FindCompletionByPrefix({}, "a"), std::nullopt);
}

TEST(CompletionPrefixTest, FoldsOnlyAsciiLetters) {
  EXPECT_EQ(FindCompletionByPrefix(kList, "\xC9T"), 7u);
  EXPECT_EQ(FindCompletionByPrefix(kList, "\xE9t"), std::nullopt);
}

TEST(CompletionStepTest, DownAndUpWrapAround) {
  EXPECT_EQ(StepCompletion(2, 3, ListStep::kDown), 0u);
  EXPECT_EQ(StepCompletion(0, 3, ListStep::kUp), 2u);
  EXPECT_EQ(StepCompletion(0, 3, ListStep::kDown), 1u);
  EXPECT_EQ(StepCompletion(2, 3, ListStep::kUp), 1u);
}

TEST(CompletionStepTest, NothingSelectedGoesToFirstOrLast) {
  EXPECT_EQ(StepCompletion(std::nullopt, 3, ListStep::kDown), 0u);
  EXPECT_EQ(StepCompletion(std::nullopt, 3, ListStep::kUp), 2u);
}

TEST(CompletionStepTest, EmptyListSelectsNothing) {
  EXPECT_EQ(StepCompletion(std::nullopt, 0, ListStep::kDown), std::nullopt);
  EXPECT_EQ(StepCompletion(0, 0, ListStep::kUp), std::nullopt);
}

TEST(ShippedCompletionListTest, HoldsElementsWithTheirEndTags) {
  const std::string path = QUILLORY_DATA_DIR "/languages/syntaxHTML.lng";
  const std::string bytes = ReadFileBytes(path).value_or("");
  ASSERT_TRUE(bytes.ends_with("\r\n"));
  for (size_t lf = bytes.find('\n'); lf != std::string::npos;
       lf = bytes.find('\n', lf + 1)) {
    ASSERT_EQ(bytes[lf - 1], '\r') << "LF without CR at " << lf;
  }
  const Entries entries = ParseCompletionList(bytes);
  const auto has = [&](std::string_view entry) {
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
  };
  for (const char* voids : {"br>", "img>", "input>", "meta>", "hr>", "wbr>"}) {
    EXPECT_TRUE(has(voids)) << voids;
    EXPECT_FALSE(has(std::string("/") + voids)) << voids;
  }
  for (const char* name : {"html", "body", "table", "div", "font", "center",
                           "marquee", "frameset", "section", "template"}) {
    EXPECT_TRUE(has(std::string(name) + ">")) << name;
    EXPECT_TRUE(has(std::string("/") + name + ">")) << name;
  }
  EXPECT_TRUE(has("?php"));
  EXPECT_GE(entries.size(), 250u);
}

struct BrokenCase {
  const char* rule;
  const char* text;
  int64_t start;
  int64_t caret;
  bool broken;
};

TEST(CompletionBrokenTest, ClosesByTheThreeRules) {
  const BrokenCase cases[] = {
      {"letters keep it open", "x<ta", 2, 4, false},
      {"caret right after the less-than", "x<", 2, 2, false},
      {"caret before the start", "x<ta", 2, 1, true},
      {"space typed", "<d ", 1, 3, true},
      {"greater-than typed", "<b>", 1, 3, true},
      {"second less-than", "<a<", 1, 3, true},
      {"semicolon", "<a;", 1, 3, true},
      {"parenthesis", "<a(", 1, 3, true},
      {"comma", "<a,", 1, 3, true},
      {"tab", "<a\t", 1, 3, true},
      {"line break", "<a\r\nb", 1, 5, true},
      {"lone CR is no break", "<a\rb", 1, 4, false},
      {"break after the caret", "<a\r\n", 1, 2, false},
      {"less-than deleted", "xta", 2, 3, true},
      {"text shorter than the start", "<", 3, 3, true},
  };
  for (const BrokenCase& c : cases) {
    EXPECT_EQ(CompletionBroken(c.text, c.start, c.caret), c.broken) << c.rule;
  }
}

}  // namespace
}  // namespace quillory
