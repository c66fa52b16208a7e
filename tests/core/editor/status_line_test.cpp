#include "editor/status_line.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

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
