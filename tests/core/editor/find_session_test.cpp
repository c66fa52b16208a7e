#include "editor/find_session.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/editor/fake_search_target.h"
#include "editor/case_blind_search.h"
#include "editor/line_number_input.h"
#include "editor/match_search.h"
#include "editor/replace_all.h"

namespace quillory {
namespace {

using enum SearchFrom;
using enum FindPanel;

void PrintTo(const TextSelection& s, std::ostream* out) {
  *out << "{" << s.start << ", " << s.length << "}";
}

// Each row searches again and again; a failed search is kNo, and the
// next one starts afresh from the other end.
TEST(FindSessionTest, RepeatedSearchesSelectEachOccurrenceThenWrap) {
  constexpr TextSelection kNo{-1, 0};
  constexpr SearchFrom kStart = kTextStart;
  constexpr SearchFrom kBack = kBackwardsFromCaret;
  // The text, the caret, the find text, where and in which panel the search
  // starts, and what each search finds.
  using Row = std::tuple<std::string, int64_t, std::string, SearchFrom,
                         FindPanel, std::vector<TextSelection>>;
  const Row rows[] = {
      {"<div></DIV>", 0, "DIV", kStart, kFind, {{1, 3}, {7, 3}, kNo, {1, 3}}},
      // The first search from the caret starts after it.
      {"ab ab ab", 1, "ab", kCaret, kFind, {{3, 2}}},
      {"abc abc abc", 8, "abc", kBack, kReplace, {{4, 3}, {0, 3}, kNo, {4, 3}}},
      // An empty find leaves an empty selection where the search starts.
      {"abc", 2, "", kCaret, kFind, {{2, 0}}},
  };
  for (const auto& [text, caret, find, from, panel, found] : rows) {
    SCOPED_TRACE(text + " / " + find);
    FakeSearchTarget target(text, caret);
    FindSession session;
    for (const TextSelection& expected : found) {
      ASSERT_EQ(session.FindNext(target, find, from, panel), expected != kNo);
      if (expected != kNo) EXPECT_EQ(target.selection(), expected);
    }
  }
}

TEST(FindSessionTest, OptionsCountOnlyAtTheFirstSearch) {
  FakeSearchTarget target("ab ab ab", 1);
  FindSession session;
  session.FindNext(target, "ab", kCaret, kFind);
  target.Select({0, 0});
  ASSERT_TRUE(session.FindNext(target, "ab", kCaret, kFind));
  EXPECT_EQ(target.selection(), (TextSelection{6, 2}));  // not from caret 0
}

// With last = 3 (the occurrence at 3..4), the find panel's limit 4 still
// holds "ab" at 3, the replace panel's limit 3 does not.
TEST(FindSessionTest, BackwardLimitsDifferBetweenPanels) {
  for (const auto& [panel, expected] :
       {std::pair{kFind, int64_t{3}}, {kReplace, int64_t{1}}}) {
    FakeSearchTarget target("abab", 4);
    FindSession session;
    session.FindNext(target, "ab", kBackwardsFromCaret, panel);
    ASSERT_EQ(session.last(), 3);
    ASSERT_TRUE(session.FindNext(target, "ab", kBackwardsFromCaret, panel));
    EXPECT_EQ(session.last(), expected);
  }
}

TEST(FindSessionTest, ReplaceFirstSelectsThenReplaces) {
  FakeSearchTarget target("one two one");
  FindSession session;
  const auto replace = [&] {
    return session.Replace(target, "ONE", "1", kTextStart);
  };
  ASSERT_TRUE(replace());
  EXPECT_EQ(target.text(), "one two one");
  EXPECT_EQ(target.selection(), (TextSelection{0, 3}));
  ASSERT_TRUE(replace());
  EXPECT_EQ(target.text(), "1 two one");
  EXPECT_EQ(target.selection(), (TextSelection{6, 3}));
  EXPECT_FALSE(replace());
  EXPECT_EQ(target.text(), "1 two 1");
}

TEST(FindSessionTest, ReplaceWithTextContainingFindCanFindItsOwnInsert) {
  FakeSearchTarget target("a-");
  FindSession session;
  session.Replace(target, "a", "ba", kTextStart);
  ASSERT_TRUE(session.Replace(target, "a", "ba", kTextStart));
  EXPECT_EQ(target.text(), "ba-");
  EXPECT_EQ(target.selection(), (TextSelection{1, 1}));  // the inserted "a"
}

// Positions are 1-based; 0 is not found. An empty find is the find
// session's row.
TEST(CaseBlindSearchTest, FindsIgnoringOnlyAsciiLetterCase) {
  EXPECT_EQ(FindForward("abcABC", "ABC", 2), 4);
  EXPECT_EQ(FindForward("aXaXa", "a", 6), 0);
  EXPECT_EQ(FindForward("\xC4\xE4", "\xE4", 1), 2);  // only ASCII folds
  EXPECT_EQ(FindForward("[{", "{", 1), 2);           // '[' is not a folded '{'
  // Backwards, the last occurrence wholly within the limit.
  EXPECT_EQ(FindBackward("abcabc", "abc", 6), 4);
  EXPECT_EQ(FindBackward("abcabc", "abc", 5), 1);
  EXPECT_EQ(FindBackward("abcabc", "ABC", 2), 0);
  EXPECT_EQ(FindBackward("abcabc", "abc", 100), 4);
}

TEST(ReplaceAllTest, StartsPointAtEachReplacement) {
  auto result = ReplaceAll("<B>x</b>", "b", "strong", kTextStart, 5);
  EXPECT_EQ(result.text, "<strong>x</strong>");
  EXPECT_EQ(result.starts, (std::vector<int64_t>{1, 11}));
  result = ReplaceAll("x-X-x", "x", "yy", kCaret, 1);
  EXPECT_EQ(result.text, "x-yy-yy");
  EXPECT_EQ(result.starts, (std::vector<int64_t>{2, 5}));
  // Each occurrence once, even inside a replacement holding the find text.
  result = ReplaceAll("<b><B>", "<b>", "[<b>]", kTextStart, 1);
  EXPECT_EQ(result.text, "[<b>][<b>]");
}

// Under each rule, the 1-based position of the first match forwards from
// 1 and of the last one backwards from the end.
TEST(MatchSearchTest, RulesNarrowWhatMatches) {
  using enum LetterCase;
  using enum WordBounds;
  constexpr MatchRule kWord{kIgnored, kWholeWord};
  // The rule, the text, the find text, the match rule, the first and last.
  using Row = std::tuple<const char*, std::string, std::string, MatchRule,
                         int64_t, int64_t>;
  const Row rows[] = {
      {"case matched", "Div div DIV", "div", {kMatched, kAnywhere}, 5, 5},
      {"whole word skips words", "divide div dived", "div", kWord, 8, 8},
      {"underscore and digits are word bytes", "_div div2 <div>", "DIV", kWord,
       12, 12},
      // \x64 is "d".
      {"a byte of 192 or more is a word byte", "\xE9\x64iv div", "div", kWord,
       6, 6},
      {"no whole word", "divdiv", "div", {kMatched, kWholeWord}, 0, 0},
  };
  for (const auto& [rule, text, find, match, first, last] : rows) {
    SCOPED_TRACE(rule);
    EXPECT_EQ(FindMatch(text, find, 1, match), first);
    EXPECT_EQ(FindLastMatch(text, find, 100, match), last);
  }
}

// Find next and find previous from the editor go round the ends.
TEST(MatchSearchTest, FindAgainGoesOnFromTheSelectionAndRoundTheEnds) {
  using enum SearchDirection;
  const std::string text = "ab xab ab";
  const auto again = [&](TextSelection from, SearchDirection direction) {
    return FindAgain(text, from, "ab", direction,
                     {LetterCase::kIgnored, WordBounds::kWholeWord});
  };
  EXPECT_EQ(again({0, 2}, kForward), (TextSelection{7, 2}));
  EXPECT_EQ(again({7, 2}, kForward), (TextSelection{0, 2}));
  EXPECT_EQ(again({7, 2}, kBackward), (TextSelection{0, 2}));
  EXPECT_EQ(again({0, 0}, kBackward), (TextSelection{7, 2}));
  EXPECT_EQ(FindAgain(text, {}, "q", kForward, {}), std::nullopt);
  EXPECT_EQ(FindAgain(text, {}, "", kForward, {}), std::nullopt);
}

TEST(LineToGoToTest, WholeNumbersFromOneAreLinesCappedAtTheLast) {
  constexpr std::nullopt_t kNo = std::nullopt;
  const std::pair<const char*, std::optional<int64_t>> rows[] = {
      {"3", 3},    {" 7 ", 7},  {"10", 10},   {"11", 10},
      {"0", kNo},  {"-3", kNo}, {"+3", kNo},  {"abc", kNo},
      {"3a", kNo}, {"", kNo},   {"1.5", kNo},
  };
  for (const auto& [typed, line] : rows) {
    EXPECT_EQ(LineToGoTo(typed, 10), line) << typed;
  }
  EXPECT_EQ(LineToGoTo("1000000000000", 10), 10);
  EXPECT_EQ(LineToGoTo("99999999999999999999999", 10), 10);
}

}  // namespace
}  // namespace quillory
