#include "editor/find_session.h"

#include <gtest/gtest.h>

#include "core/editor/fake_search_target.h"

namespace quillory {
namespace {

TEST(FindSessionTest, ForwardFindsTextInAnyCase) {
  FakeSearchTarget target("<p><div></DIV>");
  FindSession session;
  ASSERT_TRUE(session.FindNext(target, "DIV", SearchFrom::kTextStart,
                               FindPanel::kFind));
  EXPECT_EQ(target.selection(), (TextSelection{4, 3}));
  EXPECT_EQ(session.last(), 5);
}

TEST(FindSessionTest, PastTheLastOccurrenceItFailsThenWrapsToTheFirst) {
  FakeSearchTarget target("ab ab");
  FindSession session;
  const auto find = [&] {
    return session.FindNext(target, "ab", SearchFrom::kTextStart,
                            FindPanel::kFind);
  };
  ASSERT_TRUE(find());
  ASSERT_TRUE(find());
  EXPECT_EQ(target.selection(), (TextSelection{3, 2}));
  EXPECT_FALSE(find());
  EXPECT_EQ(session.last(), 0);
  ASSERT_TRUE(find());
  EXPECT_EQ(target.selection(), (TextSelection{0, 2}));
}

TEST(FindSessionTest, FirstSearchFromCaretStartsAfterIt) {
  FakeSearchTarget target("ab ab ab", 1);
  FindSession session;
  ASSERT_TRUE(
      session.FindNext(target, "ab", SearchFrom::kCaret, FindPanel::kFind));
  EXPECT_EQ(target.selection(), (TextSelection{3, 2}));
}

TEST(FindSessionTest, OptionsCountOnlyAtTheFirstSearch) {
  FakeSearchTarget target("ab ab ab", 1);
  FindSession session;
  session.FindNext(target, "ab", SearchFrom::kCaret, FindPanel::kFind);
  target.Select({0, 0});
  ASSERT_TRUE(
      session.FindNext(target, "ab", SearchFrom::kCaret, FindPanel::kFind));
  EXPECT_EQ(target.selection(), (TextSelection{6, 2}));  // not from caret 0
}

TEST(FindSessionTest, BackwardFromCaretThenWrapsToTheEnd) {
  FakeSearchTarget target("abc abc abc", 8);
  FindSession session;
  const auto find = [&] {
    return session.FindNext(target, "abc", SearchFrom::kBackwardsFromCaret,
                            FindPanel::kReplace);
  };
  ASSERT_TRUE(find());
  EXPECT_EQ(target.selection(), (TextSelection{4, 3}));
  ASSERT_TRUE(find());
  EXPECT_EQ(target.selection(), (TextSelection{0, 3}));
  EXPECT_FALSE(find());
  EXPECT_EQ(session.last(), 10);
  ASSERT_TRUE(find());
  EXPECT_EQ(target.selection(), (TextSelection{4, 3}));
}

// With last = 3 (the occurrence at 3..4), the find panel's limit 4 still
// holds "ab" at 3, the replace panel's limit 3 does not.
TEST(FindSessionTest, BackwardLimitsDifferBetweenPanels) {
  for (const auto& [panel, expected] :
       {std::pair{FindPanel::kFind, int64_t{3}},
        std::pair{FindPanel::kReplace, int64_t{1}}}) {
    FakeSearchTarget target("abab", 4);
    FindSession session;
    session.FindNext(target, "ab", SearchFrom::kBackwardsFromCaret, panel);
    ASSERT_EQ(session.last(), 3);
    ASSERT_TRUE(
        session.FindNext(target, "ab", SearchFrom::kBackwardsFromCaret, panel));
    EXPECT_EQ(session.last(), expected);
  }
}

TEST(FindSessionTest, EmptyFindLeavesAnEmptySelectionAtTheSearchPosition) {
  FakeSearchTarget target("abc", 2);
  FindSession session;
  ASSERT_TRUE(
      session.FindNext(target, "", SearchFrom::kCaret, FindPanel::kFind));
  EXPECT_EQ(target.selection(), (TextSelection{2, 0}));
}

TEST(FindSessionTest, ReplaceFirstSelectsThenReplaces) {
  FakeSearchTarget target("one two one");
  FindSession session;
  const auto replace = [&] {
    return session.Replace(target, "ONE", "1", SearchFrom::kTextStart);
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
  session.Replace(target, "a", "ba", SearchFrom::kTextStart);
  ASSERT_TRUE(session.Replace(target, "a", "ba", SearchFrom::kTextStart));
  EXPECT_EQ(target.text(), "ba-");
  EXPECT_EQ(target.selection(), (TextSelection{1, 1}));  // the inserted "a"
}

}  // namespace
}  // namespace quillory
