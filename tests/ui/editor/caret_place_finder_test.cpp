#include "editor/ui/caret_place_finder.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/ui/editor.h"

namespace quillory {
namespace {

// Edits that make and mend lone line ends, such as one splitting a CR LF
// pair, checked against counting the pairs before the caret.
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
    ASSERT_EQ(finder.PlaceOf(caret),
              PlaceOfCaret(rich.Bytes().substr(0, caret), caret))
        << "step " << step;
  }
}

}  // namespace
}  // namespace quillory
