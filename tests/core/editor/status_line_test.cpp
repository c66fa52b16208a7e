#include "editor/status_line.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Lines count the CR LF pairs before the caret; lone line ends do not.
TEST(StatusLineTest, PlaceOfCaret) {
  EXPECT_EQ(PlaceOfCaret("", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef", 3), (CaretPlace{1, 3}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 5), (CaretPlace{2, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 12), (CaretPlace{3, 2}));
  EXPECT_EQ(PlaceOfCaret("ab\r\ncd", 3), (CaretPlace{1, 3}));  // CR|LF
  EXPECT_EQ(PlaceOfCaret("ab\ncd", 4), (CaretPlace{1, 4}));
}

TEST(StatusLineTest, CaptionWithAndWithoutSelection) {
  std::string lines;
  for (int i = 0; i < 62; ++i) lines += "-\r\n";
  LangTable table;
  table.LoadFromBytes(lines +
                      "Line: \r\nColumn: \r\nSelected: \r\n characters\r\n");
  EXPECT_EQ(StatusCaption(table, {3, 7}, 0), "Line: 3  Column: 7");
  EXPECT_EQ(StatusCaption(table, {1, 0}, 12),
            "Line: 1  Column: 0  Selected: 12 characters");
}

}  // namespace
}  // namespace quillory
