#include "editor/editor_keys.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

struct KeyRow {
  const char* rule;
  KeyPress press;
  bool completion_shown;
  KeyDecision expected;
};

class KeyTableTest : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyTableTest, DecidesAsTheTableSays) {
  EXPECT_EQ(DecideKey(GetParam().press, GetParam().completion_shown),
            GetParam().expected);
}

using enum EditorKey;
using enum KeyAction;

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyTableTest,
    testing::Values(
        KeyRow{"enter inserts completion", {kEnter}, true, {kCompletionInsert}},
        KeyRow{"down moves completion", {kDown}, true, {kCompletionMove}},
        KeyRow{"up moves completion", {kUp}, true, {kCompletionMove}},
        KeyRow{"up without completion passes", {kUp}, false, {kPass}},
        KeyRow{
            "shift enter paragraph", {kEnter, true}, false, {kParagraphPair}},
        KeyRow{"ctrl tab next", {kTab, false, true}, false, {kNextTab}},
        KeyRow{"ctrl shift tab previous",
               {kTab, true, true},
               false,
               {kPreviousTab}},
        KeyRow{
            "ctrl 1 heading", {kDigit1, false, true}, false, {kHeadingPair, 1}},
        KeyRow{
            "ctrl 6 heading", {kDigit6, false, true}, false, {kHeadingPair, 6}},
        KeyRow{"plain digit passes", {kDigit2}, false, {kPass}},
        KeyRow{"ctrl v pastes", {kV, false, true}, false, {kPastePlainText}},
        KeyRow{"ctrl enter br", {kEnter, false, true}, false, {kLineBreakTag}},
        KeyRow{"ctrl shift enter br",
               {kEnter, true, true},
               false,
               {kLineBreakTag}},
        KeyRow{"ctrl space nbsp",
               {kSpace, false, true},
               false,
               {kNonBreakingSpace}},
        KeyRow{"ctrl b bold", {kB, false, true}, false, {kBoldButton}},
        KeyRow{"enter indents", {kEnter}, false, {kIndentedLineBreak}},
        KeyRow{"tab", {kTab}, false, {kTabbedSelection}},
        KeyRow{"shift tab", {kTab, true}, false, {kTabbedSelection}},
        KeyRow{"plain v passes", {kV}, false, {kPass}},
        KeyRow{"other passes", {kOther, false, true}, false, {kPass}}),
    [](const auto& info) {
      std::string name = info.param.rule;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

PresentTabs Present(std::initializer_list<int> tabs) {
  PresentTabs present{};
  for (int tab : tabs) present[tab] = true;
  return present;
}

TEST(TabSwitchTest, NextGoesUpwards) {
  EXPECT_EQ(NextPresentTab(Present({1, 4, 7}), 1), 4);
}

TEST(TabSwitchTest, NextFromTheLastWrapsToTheFirst) {
  EXPECT_EQ(NextPresentTab(Present({1, 4, 7}), 7), 1);
}

TEST(TabSwitchTest, PreviousFromTheFirstWrapsToTheLast) {
  EXPECT_EQ(PreviousPresentTab(Present({1, 4, 7}), 1), 7);
  EXPECT_EQ(PreviousPresentTab(Present({1, 4, 7}), 7), 4);
}

TEST(TabSwitchTest, ALoneTabHasNowhereToGo) {
  EXPECT_EQ(NextPresentTab(Present({3}), 3), std::nullopt);
  EXPECT_EQ(PreviousPresentTab(Present({3}), 3), std::nullopt);
}

}  // namespace
}  // namespace quillory
