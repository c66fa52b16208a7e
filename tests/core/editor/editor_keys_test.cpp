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
        KeyRow{"EnterInsertsCompletion", {kEnter}, true, {kCompletionInsert}},
        KeyRow{"DownMovesCompletion", {kDown}, true, {kCompletionMove}},
        KeyRow{"UpMovesCompletion", {kUp}, true, {kCompletionMove}},
        KeyRow{"UpWithoutCompletionPasses", {kUp}, false, {kPass}},
        KeyRow{"ShiftEnterParagraph", {kEnter, true}, false, {kParagraphPair}},
        KeyRow{"CtrlTabNext", {kTab, false, true}, false, {kNextTab}},
        KeyRow{
            "CtrlShiftTabPrevious", {kTab, true, true}, false, {kPreviousTab}},
        KeyRow{
            "Ctrl1Heading", {kDigit1, false, true}, false, {kHeadingPair, 1}},
        KeyRow{
            "Ctrl6Heading", {kDigit6, false, true}, false, {kHeadingPair, 6}},
        KeyRow{"PlainDigitPasses", {kDigit2}, false, {kPass}},
        KeyRow{"CtrlVPastes", {kV, false, true}, false, {kPastePlainText}},
        KeyRow{"CtrlEnterBr", {kEnter, false, true}, false, {kLineBreakTag}},
        KeyRow{
            "CtrlShiftEnterBr", {kEnter, true, true}, false, {kLineBreakTag}},
        KeyRow{
            "CtrlSpaceNbsp", {kSpace, false, true}, false, {kNonBreakingSpace}},
        KeyRow{"CtrlBBold", {kB, false, true}, false, {kBoldButton}},
        KeyRow{"EnterIndents", {kEnter}, false, {kIndentedLineBreak}},
        KeyRow{"Tab", {kTab}, false, {kTabbedSelection}},
        KeyRow{"ShiftTab", {kTab, true}, false, {kTabbedSelection}},
        KeyRow{"PlainVPasses", {kV}, false, {kPass}},
        KeyRow{"OtherPasses", {kOther, false, true}, false, {kPass}}),
    [](const auto& info) { return std::string(info.param.rule); });

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
