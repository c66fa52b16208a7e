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

// One element per kind of row; what each element's rows are is the table
// itself, and the builders' markup shows their defaults.
TEST(ElementFormsTest, RowsOfEachKind) {
  using enum ElementGroup;
  const std::tuple<ElementGroup, int, Lines> rows[] = {
      // A list with its value chosen.
      {kForm,
       1,
       {"Element=Input", "Name=", "Type=Submit[list Submit| Reset| Button|]",
        "Value=", "Style=", "Width=", "Height="}},
      // The hidden type is an editable text box.
      {kForm, 4, {"Element=Input", "Name=", "Value=", "Type=hidden"}},
      // A locked type and a nameless list.
      {kForm,
       7,
       {"Element=Input", "Name=", "Type=radio[locked]",
        "Value=", "=[list | selected|]", "Style="}},
  };
  for (const auto& [group, num, lines] : rows) {
    EXPECT_EQ(Rows(group, num), lines) << static_cast<int>(group) << " " << num;
  }
}

TEST(ElementFormsTest, NumbersWithoutAnElement) {
  EXPECT_FALSE(FindElementSpec(ElementGroup::kForm, 2));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kForm, 10));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kImage, 1));
  EXPECT_FALSE(FindElementSpec(ElementGroup::kTemplate, 0));
}

}  // namespace
}  // namespace quillory
