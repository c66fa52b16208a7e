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

TEST(ElementFormsTest, Form) {
  EXPECT_EQ(
      Rows(ElementGroup::kForm, 0),
      (Lines{"Element=Form", "Name=", "Method=[list GET| POST|]", "Action=",
             "Enctype=[list | multipart/form-data| "
             "application/x-www-form-urlencoded|]",
             "Target=[list | _top| _parent| _self| _blank|]"}));
}

TEST(ElementFormsTest, PushButton) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 1),
            (Lines{"Element=Input",
                   "Name=", "Type=Submit[list Submit| Reset| Button|]",
                   "Value=", "Style=", "Width=", "Height="}));
}

TEST(ElementFormsTest, TextLine) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 3),
            (Lines{"Element=Input", "Name=", "Type=text[list text| password|]",
                   "Value=", "Style=", "Size="}));
}

TEST(ElementFormsTest, HiddenTypeIsEditable) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 4),
            (Lines{"Element=Input", "Name=", "Value=", "Type=hidden"}));
}

TEST(ElementFormsTest, Textarea) {
  EXPECT_EQ(
      Rows(ElementGroup::kForm, 5),
      (Lines{"Element=Textarea", "Name=", "Cols=10", "Rows=10", "Style="}));
}

TEST(ElementFormsTest, File) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 6),
            (Lines{"Element=Input", "Name=", "Type=file[locked]", "Size=10",
                   "Style="}));
}

TEST(ElementFormsTest, RadioHasANamelessList) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 7),
            (Lines{"Element=Input", "Name=", "Type=radio[locked]",
                   "Value=", "=[list | selected|]", "Style="}));
}

TEST(ElementFormsTest, CheckBox) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 8),
            (Lines{"Element=Input", "Name=", "Type=checkbox[locked]",
                   "Value=", "=[list | checked|]", "Style="}));
}

TEST(ElementFormsTest, Select) {
  EXPECT_EQ(Rows(ElementGroup::kForm, 9),
            (Lines{"Element=Select", "Name=", "Size=", "Style="}));
}

TEST(ElementFormsTest, Image) {
  EXPECT_EQ(Rows(ElementGroup::kImage, 0),
            (Lines{"Element=Img", "Src=", "Alt=", "Width=", "Height=",
                   "Align=[list | left| right| top| bottom| middle|]",
                   "Border=", "HSpace=", "VSpace=", "Style="}));
}

TEST(ElementFormsTest, Table) {
  EXPECT_EQ(
      Rows(ElementGroup::kTableOrLink, 0),
      (Lines{"Element=Table", "Rows=", "Columns=", "Width=", "Height=",
             "Alignment=[list | left| center| right|]", "Border=", "Style="}));
}

TEST(ElementFormsTest, Link) {
  EXPECT_EQ(Rows(ElementGroup::kTableOrLink, 1),
            (Lines{"Element=Link", "Link=", "Text=", "Name=", "Title=",
                   "Target=[list | _blank| _top| _self| _parent|]", "Style="}));
}

TEST(ElementFormsTest, ContainersAreFormAndTextareaOnly) {
  for (int num = 0; num <= 9; ++num) {
    const auto spec = FindElementSpec(ElementGroup::kForm, num);
    if (!spec) continue;
    EXPECT_EQ(spec->container == Container::kYes, num == 0 || num == 5) << num;
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
