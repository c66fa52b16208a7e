#include "insert/dialog_rows.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(DialogRowsTest, ListSelectsTheEntryEqualToTheValueWithItsOwnChoices) {
  DialogRows rows;
  rows.SetChoices({"GET", "POST"});
  rows.AddPropertyRow("Method", "POST", 0, ValueCell::kList);
  rows.AddPropertyRow("Method", "", 1, ValueCell::kList);
  rows.SetChoices({"c"});
  rows.AddPropertyRow("", "c", 2, ValueCell::kList);
  EXPECT_EQ(rows.rows()[0].selected, 1);
  EXPECT_EQ(rows.Value(0), "POST");
  EXPECT_EQ(rows.rows()[1].selected, -1);
  EXPECT_EQ(rows.Value(1), "");
  EXPECT_EQ(rows.rows()[1].choices, (std::vector<std::string>{"GET", "POST"}));
  EXPECT_EQ(rows.Value(2), "c");
  rows.Select(0, 5);  // outside the entries
  EXPECT_EQ(rows.Value(0), "");
}

TEST(DialogRowsTest, AddingAnExistingRowReplacesIt) {
  DialogRows rows;
  rows.AddPropertyRow("Old", "1", 0, ValueCell::kTextBox);
  rows.AddPropertyRow("New", "2", 0, ValueCell::kTextBox);
  ASSERT_EQ(rows.rows().size(), 1u);
  EXPECT_EQ(rows.rows()[0].name, "New");
  EXPECT_EQ(rows.Value(0), "2");
}

TEST(DialogRowsTest, LockedTextBoxIgnoresTyping) {
  DialogRows rows;
  rows.AddPropertyRow("Type", "file", 0, ValueCell::kLockedTextBox);
  rows.SetText(0, "text");
  EXPECT_EQ(rows.Value(0), "file");
}

TEST(DialogRowsTest, MissingRowsReadEmptyAndIgnoreChanges) {
  DialogRows rows;
  rows.SetText(3, "x");
  rows.Select(3, 0);
  EXPECT_EQ(rows.Value(3), "");
  EXPECT_TRUE(rows.rows().empty());
}

}  // namespace
}  // namespace quillory
