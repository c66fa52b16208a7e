#include "editor/ui/caret_place_finder.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/ui/editor.h"

namespace quillory {
namespace {

CaretPlace Counted(Editor& rich, int caret) {
  return PlaceOfCaret(rich.Bytes().substr(0, caret), caret);
}

TEST(CaretPlaceFinderTest, PairsOnlyAnswerFromTheLineIndex) {
  Editor rich;
  CaretPlaceFinder finder(&rich);
  rich.SetBytes("ab\r\ncdef\r\ng");
  EXPECT_EQ(finder.PlaceOf(7), (CaretPlace{2, 3}));
  EXPECT_EQ(finder.PlaceOf(3), (CaretPlace{1, 3}));  // between CR and LF
  EXPECT_EQ(finder.PlaceOf(10), (CaretPlace{3, 0}));
}

TEST(CaretPlaceFinderTest, LoneLineEndsAreNotCountedAsLines) {
  Editor rich;
  CaretPlaceFinder finder(&rich);
  rich.SetBytes("a\nb\r\nc");
  EXPECT_EQ(finder.PlaceOf(6), (CaretPlace{2, 1}));
}

TEST(CaretPlaceFinderTest, AnEditThatSplitsAPairIsNoticed) {
  Editor rich;
  CaretPlaceFinder finder(&rich);
  rich.SetBytes("a\r\nb\r\nc");
  ASSERT_EQ(finder.PlaceOf(7), (CaretPlace{3, 1}));
  rich.Select(2, 2);
  rich.ReplaceSelection("x");  // "a\rx\nb\r\nc"
  EXPECT_EQ(finder.PlaceOf(8), (CaretPlace{2, 1}));
}

// Edits that make and mend lone line ends, checked against counting.
TEST(CaretPlaceFinderTest, RandomEditsMatchCountingPairs) {
  Editor rich;
  CaretPlaceFinder finder(&rich);
  rich.SetBytes("<p>\r\nx\r\n");
  std::mt19937 random(7);
  const char* pieces[] = {"\r", "\n", "\r\n", "ab", ""};
  for (int step = 0; step < 500; ++step) {
    const int length = rich.Length();
    const int from = static_cast<int>(random() % (length + 1));
    const int to = std::min(length, from + static_cast<int>(random() % 3));
    rich.Select(from, to);
    rich.ReplaceSelection(pieces[random() % 5]);
    const int caret = static_cast<int>(random() % (rich.Length() + 1));
    ASSERT_EQ(finder.PlaceOf(caret), Counted(rich, caret)) << "step " << step;
  }
}

}  // namespace
}  // namespace quillory
