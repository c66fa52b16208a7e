#include "insert/element_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillory {
namespace {

// One row as "name=value", with "[list a|b]" or "[locked]" after it.
std::string Describe(const DialogRow& row) {
  std::string text = row.name + "=" + std::string(RowValue(row));
  if (row.cell == ValueCell::kLockedTextBox) text += "[locked]";
  if (row.cell != ValueCell::kList) return text;
  text += "[list";
  for (const std::string& choice : row.choices) text += " " + choice + "|";
  return text + "]";
}

std::vector<std::string> Rows(ElementGroup group, int num) {
  DialogRows rows;
  BuildElementRows(*FindElementSpec(group, num), rows);
  std::vector<std::string> described;
  for (const DialogRow& row : rows.rows()) described.push_back(Describe(row));
  return described;
}

using Lines = std::vector<std::string>;

TEST(ElementFormsTest, EveryElementsRows) {
  using enum ElementGroup;
  const std::tuple<ElementGroup, int, Lines> rows[] = {
      {kForm,
       0,
       {"Element=Form", "Name=", "Method=[list GET| POST|]", "Action=",
        "Enctype=[list | multipart/form-data| "
        "application/x-www-form-urlencoded|]",
        "Target=[list | _top| _parent| _self| _blank|]"}},
      {kForm,
       1,
       {"Element=Input", "Name=", "Type=Submit[list Submit| Reset| Button|]",
        "Value=", "Style=", "Width=", "Height="}},
      {kForm,
       3,
       {"Element=Input", "Name=", "Type=text[list text| password|]",
        "Value=", "Style=", "Size="}},
      // The hidden type is editable.
      {kForm, 4, {"Element=Input", "Name=", "Value=", "Type=hidden"}},
      {kForm, 5, {"Element=Textarea", "Name=", "Cols=10", "Rows=10", "Style="}},
      {kForm,
       6,
       {"Element=Input", "Name=", "Type=file[locked]", "Size=10", "Style="}},
      // Radio and check box have a nameless list.
      {kForm,
       7,
       {"Element=Input", "Name=", "Type=radio[locked]",
        "Value=", "=[list | selected|]", "Style="}},
      {kForm,
       8,
       {"Element=Input", "Name=", "Type=checkbox[locked]",
        "Value=", "=[list | checked|]", "Style="}},
      {kForm, 9, {"Element=Select", "Name=", "Size=", "Style="}},
      {kImage,
       0,
       {"Element=Img", "Src=", "Alt=", "Width=", "Height=",
        "Align=[list | left| right| top| bottom| middle|]",
        "Border=", "HSpace=", "VSpace=", "Style="}},
      {kTableOrLink,
       0,
       {"Element=Table", "Rows=", "Columns=", "Width=", "Height=",
        "Alignment=[list | left| center| right|]", "Border=", "Style="}},
      {kTableOrLink,
       1,
       {"Element=Link", "Link=", "Text=", "Name=", "Title=",
        "Target=[list | _blank| _top| _self| _parent|]", "Style="}},
  };
  for (const auto& [group, num, lines] : rows) {
    EXPECT_EQ(Rows(group, num), lines) << static_cast<int>(group) << " " << num;
  }
}

TEST(ElementFormsTest, ContainersAreFormAndTextareaOnly) {
  for (int num = 0; num <= 9; ++num) {
    const auto element = FindElementSpec(ElementGroup::kForm, num);
    if (!element) continue;
    EXPECT_EQ(element->container == Container::kYes, num == 0 || num == 5)
        << num;
  }
  EXPECT_EQ(FindElementSpec(ElementGroup::kImage, 0)->container,
            Container::kNo);
}

TEST(ElementFormsTest, NumbersWithoutAnElement) {
  EXPECT_FALSE(FindElementSpec(ElementGroup::kForm, 2));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kForm, 10));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kForm, -1));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kImage, 1));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kTableOrLink, 2));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kTemplate, 0));
}

}  // namespace
}  // namespace quillory
