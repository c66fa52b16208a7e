#include "insert/panel_buttons.h"

#include <gtest/gtest.h>

#include <set>

namespace quillory {
namespace {

using enum ButtonFamily;

TEST(PanelButtonsTest, EveryIndexOfEveryFamilyExistsOnce) {
  const std::vector<std::pair<ButtonFamily, int>> families = {
      {kTImg, 19}, {kLImg, 37}, {kLabel2, 10}};
  size_t total = 0;
  for (auto [family, count] : families) {
    std::set<int> seen;
    for (const PanelButton& button : PanelButtons())
      if (button.family == family)
        EXPECT_TRUE(seen.insert(button.index).second);
    EXPECT_EQ(seen.size(), static_cast<size_t>(count));
    EXPECT_EQ(*seen.rbegin(), count - 1);
    total += seen.size();
  }
  EXPECT_EQ(PanelButtons().size(), total);
}

TEST(PanelButtonsTest, UnknownIndexes) {
  EXPECT_EQ(FindPanelButton(kTImg, 19), nullptr);
  EXPECT_EQ(FindPanelButton(kLImg, -1), nullptr);
  EXPECT_EQ(FindPanelButton(kLabel2, 10), nullptr);
}

TEST(PanelButtonsTest, FormButtonsOpenTheirElementDialog) {
  for (int index : {0, 1, 3, 4, 5, 6, 7, 8, 9}) {
    const PanelButton& button = *FindPanelButton(kTImg, index);
    EXPECT_EQ(button.group, ElementGroup::kForm);
    EXPECT_EQ(button.num, index);
    EXPECT_EQ(button.page, PanelPage::kForms);
  }
  EXPECT_EQ(FindPanelButton(kTImg, 9)->action, PanelAction::kSelectList);
  EXPECT_EQ(FindPanelButton(kTImg, 10)->action, PanelAction::kFieldset);
}

TEST(PanelButtonsTest, ToolbarRow) {
  const std::vector<PanelAction> actions = {
      PanelAction::kElementDialog, PanelAction::kElementDialog,
      PanelAction::kNew,           PanelAction::kOpen,
      PanelAction::kSave,          PanelAction::kPrint};
  for (int index = 12; index <= 17; ++index) {
    const PanelButton& button = *FindPanelButton(kTImg, index);
    EXPECT_EQ(button.page, PanelPage::kToolbar);
    EXPECT_EQ(button.action, actions[index - 12]);
    EXPECT_EQ(button.tooltip, "");
  }
  EXPECT_EQ(FindPanelButton(kTImg, 12)->group, ElementGroup::kImage);
  EXPECT_EQ(FindPanelButton(kTImg, 13)->group, ElementGroup::kTableOrLink);
  EXPECT_EQ(FindPanelButton(kTImg, 13)->num, 1);
  EXPECT_EQ(FindPanelButton(kLImg, 8)->group, ElementGroup::kTableOrLink);
  EXPECT_EQ(FindPanelButton(kLImg, 8)->num, 0);
}

TEST(PanelButtonsTest, ReferenceTreesAndFont) {
  EXPECT_EQ(FindPanelButton(kTImg, 18)->text, "languages/php.HET");
  EXPECT_EQ(FindPanelButton(kTImg, 18)->page, PanelPage::kPhp);
  EXPECT_EQ(FindPanelButton(kLImg, 31)->text, "languages/JS.HET");
  EXPECT_EQ(FindPanelButton(kLImg, 31)->page, PanelPage::kScript);
  EXPECT_EQ(FindPanelButton(kLImg, 36)->action, PanelAction::kFont);
  EXPECT_EQ(FindPanelButton(kLabel2, 7)->action, PanelAction::kBold);
}

TEST(PanelButtonsTest, TextButtonCaptionsAndTooltips) {
  const std::vector<std::pair<std::string_view, std::string_view>> faces = {
      {"Bt", "Base target"},
      {"fra", "Frame"},
      {"no", "NoFrames"},
      {"if", "Inline Frame"},
      {"set", "Frameset"},
      {"?", "PHP tag"},
      {"?=", "PHP Output"},
      {"B", ""},
      {"I", ""},
      {"U", ""}};
  for (int index = 0; index < 10; ++index) {
    const PanelButton& button = *FindPanelButton(kLabel2, index);
    EXPECT_EQ(button.caption, faces[index].first);
    EXPECT_EQ(button.tooltip, faces[index].second);
  }
}

TEST(PanelButtonsTest, IconTooltips) {
  EXPECT_EQ(FindPanelButton(kTImg, 1)->tooltip,
            "Button element(submit,reset,button)");
  EXPECT_EQ(FindPanelButton(kLImg, 19)->tooltip, "Horizonal Line");
  EXPECT_EQ(FindPanelButton(kLImg, 28)->tooltip, "Video file");
  for (int index = 29; index <= 36; ++index)
    EXPECT_EQ(FindPanelButton(kLImg, index)->tooltip, "") << index;
}

TEST(PanelButtonsTest, PagesOfTheIconButtons) {
  const std::vector<std::pair<int, PanelPage>> firsts = {
      {0, PanelPage::kLists},     {8, PanelPage::kTables},
      {14, PanelPage::kScript},   {18, PanelPage::kCommon},
      {23, PanelPage::kAdvanced}, {31, PanelPage::kScript},
      {32, PanelPage::kCommon}};
  for (size_t at = 0; at < firsts.size(); ++at) {
    const int end = at + 1 < firsts.size() ? firsts[at + 1].first : 37;
    for (int index = firsts[at].first; index < end; ++index)
      EXPECT_EQ(FindPanelButton(kLImg, index)->page, firsts[at].second)
          << index;
  }
}

}  // namespace
}  // namespace quillory
