#include "editor/editor_keys.h"

#include <gtest/gtest.h>

#include "editor/editing_text.h"

namespace quillory {
namespace {

struct KeyRow {
  const char* rule;
  KeyPress press;
  bool completion_shown;
  KeyDecision expected;
};

using enum EditorKey;
using enum KeyAction;

TEST(KeyTableTest, DecidesAsTheTableSays) {
  const KeyRow rows[] = {
      {"EnterInsertsCompletion", {kEnter}, true, {kCompletionInsert}},
      {"DownMovesCompletion", {kDown}, true, {kCompletionMove}},
      {"UpMovesCompletion", {kUp}, true, {kCompletionMove}},
      {"UpWithoutCompletionPasses", {kUp}, false, {kPass}},
      {"ShiftEnterParagraph", {kEnter, true}, false, {kParagraphPair}},
      {"CtrlTabNext", {kTab, false, true}, false, {kNextTab}},
      {"CtrlShiftTabPrevious", {kTab, true, true}, false, {kPreviousTab}},
      {"Ctrl1Heading", {kDigit1, false, true}, false, {kHeadingPair, 1}},
      {"Ctrl6Heading", {kDigit6, false, true}, false, {kHeadingPair, 6}},
      {"PlainDigitPasses", {kDigit2}, false, {kPass}},
      {"CtrlVPastes", {kV, false, true}, false, {kPastePlainText}},
      {"CtrlEnterBr", {kEnter, false, true}, false, {kLineBreakTag}},
      {"CtrlShiftEnterBr", {kEnter, true, true}, false, {kLineBreakTag}},
      {"CtrlSpaceNbsp", {kSpace, false, true}, false, {kNonBreakingSpace}},
      {"CtrlBBold", {kB, false, true}, false, {kBoldButton}},
      {"EnterIndents", {kEnter}, false, {kIndentedLineBreak}},
      {"Tab", {kTab}, false, {kTabbedSelection}},
      {"ShiftTab", {kTab, true}, false, {kTabbedSelection}},
      {"PlainVPasses", {kV}, false, {kPass}},
      {"OtherPasses", {kOther, false, true}, false, {kPass}},
  };
  for (const KeyRow& row : rows) {
    EXPECT_EQ(DecideKey(row.press, row.completion_shown), row.expected)
        << row.rule;
  }
}

PresentTabs Present(std::initializer_list<int> tabs) {
  PresentTabs present{};
  for (int tab : tabs) present[tab] = true;
  return present;
}

TEST(TabSwitchTest, NextAndPreviousPresentTabsWrapAround) {
  EXPECT_EQ(NextPresentTab(Present({1, 4, 7}), 1), 4);
  EXPECT_EQ(NextPresentTab(Present({1, 4, 7}), 7), 1);
  EXPECT_EQ(PreviousPresentTab(Present({1, 4, 7}), 1), 7);
  EXPECT_EQ(PreviousPresentTab(Present({1, 4, 7}), 7), 4);
  EXPECT_EQ(NextPresentTab(Present({3}), 3), std::nullopt);
  EXPECT_EQ(PreviousPresentTab(Present({3}), 3), std::nullopt);
}

TEST(EditingTextTest, TagPairWrapsTheSelection) {
  EXPECT_EQ(TagPairText("P", ""), "<P></P>");
  EXPECT_EQ(TagPairText("H2", "Title"), "<H2>Title</H2>");
}

TEST(EditingTextTest, LineBreakCopiesTheLeadingRunSpacesBeforeTabs) {
  const std::pair<const char*, const char*> rows[] = {
      {"text", "\r\n"},     {"  text", "\r\n  "}, {"\t \ttext", "\r\n \t\t"},
      {" \t ", "\r\n  \t"}, {"", "\r\n"},         {" x\t", "\r\n "},
  };
  for (const auto& [line, expected] : rows) {
    EXPECT_EQ(IndentedLineBreak(line), expected) << line;
  }
}

TEST(EditingTextTest, TabFollowsTheSelection) {
  EXPECT_EQ(TabbedSelection(""), "\t");
  EXPECT_EQ(TabbedSelection("a\r\nb"), "a\r\nb\t");
}

}  // namespace
}  // namespace quillory
