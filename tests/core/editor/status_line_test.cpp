#include "editor/status_line.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

LangTable EnglishEntries() {
  std::string lines;
  for (int i = 0; i < 62; ++i) lines += "-\r\n";
  lines += "Line: \r\nColumn: \r\nSelected: \r\n characters\r\n";
  LangTable table;
  table.LoadFromBytes(lines);
  return table;
}

TEST(StatusLineTest, CaretAtZeroIsLineOneColumnZero) {
  EXPECT_EQ(PlaceOfCaret("", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc", 0), (CaretPlace{1, 0}));
}

TEST(StatusLineTest, ColumnOnTheFirstLineIsTheCaret) {
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef", 3), (CaretPlace{1, 3}));
}

TEST(StatusLineTest, LinesCountCrLfBeforeTheCaret) {
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 5), (CaretPlace{2, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 12), (CaretPlace{3, 2}));
}

TEST(StatusLineTest, CaretBetweenCrAndLfStaysOnTheLine) {
  EXPECT_EQ(PlaceOfCaret("ab\r\ncd", 3), (CaretPlace{1, 3}));
}

TEST(StatusLineTest, LoneLineFeedsDoNotEndLines) {
  EXPECT_EQ(PlaceOfCaret("ab\ncd", 4), (CaretPlace{1, 4}));
}

TEST(StatusLineTest, CaptionWithoutSelection) {
  EXPECT_EQ(StatusCaption(EnglishEntries(), {3, 7}, 0), "Line: 3  Column: 7");
}

TEST(StatusLineTest, CaptionWithSelection) {
  EXPECT_EQ(StatusCaption(EnglishEntries(), {1, 0}, 12),
            "Line: 1  Column: 0  Selected: 12 characters");
}

}  // namespace
}  // namespace quillory
