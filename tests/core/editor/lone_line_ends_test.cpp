#include "editor/lone_line_ends.h"

#include <gtest/gtest.h>

#include "editor/status_line.h"

namespace quillory {
namespace {

struct Row {
  const char* rule;
  std::string_view bytes;
  Extent extent;
  bool lone;
};

const Row kRows[] = {
    {"empty", "", Extent::kWhole, false},
    {"pairs only", "a\r\nb\r\n", Extent::kWhole, false},
    {"lone LF", "a\r\nb\nc", Extent::kWhole, true},
    {"lone CR", "a\rb\r\n", Extent::kWhole, true},
    {"CR CR LF", "a\r\r\n", Extent::kWhole, true},
    {"LF first in a text", "\nab", Extent::kWhole, true},
    {"CR last in a text", "ab\r", Extent::kWhole, true},
    {"LF first in a slice", "\nab\r\n", Extent::kSlice, false},
    {"CR last in a slice", "a\r\nb\r", Extent::kSlice, false},
    {"LF second in a slice", "a\nb", Extent::kSlice, true},
};

TEST(LoneLineEndsTest, Rows) {
  for (const Row& row : kRows) {
    EXPECT_EQ(HasLoneLineEnd(row.bytes, row.extent), row.lone) << row.rule;
  }
}

// Lines count the CR LF pairs before the caret; lone line ends do not.
// The captions are the key handler's widget test.
TEST(StatusLineTest, PlaceOfCaret) {
  EXPECT_EQ(PlaceOfCaret("", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef", 3), (CaretPlace{1, 3}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 5), (CaretPlace{2, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 12), (CaretPlace{3, 2}));
  EXPECT_EQ(PlaceOfCaret("ab\r\ncd", 3), (CaretPlace{1, 3}));  // CR|LF
  EXPECT_EQ(PlaceOfCaret("ab\ncd", 4), (CaretPlace{1, 4}));
}

}  // namespace
}  // namespace quillory
