#include "editor/colouring_range.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/guarded_text_source.h"

namespace quillory {

void PrintTo(const TextRange& range, std::ostream* out) {
  *out << range.first << ".." << range.last;
}

namespace {

// The rules themselves are checked through the colouring pass, against a
// literal reading of them, in html_parse_random_test; these cases are about
// how little of a long text is read.

// Lines far longer than the first piece read around the caret.
TEST(ColouringRangeTest, PiecesGrowUntilTheLineBreaksAreFound) {
  const std::string text = "a\r\n" + std::string(5000, 'x') + "\r\n" +
                           std::string(3000, 'y') + "\r\nb";
  GuardedTextSource source(text, '\n');
  EXPECT_EQ(ResolveColouringRange(source, 2500, -1, -1), (TextRange{2, 5004}));
  EXPECT_EQ(ResolveColouringRange(source, 5006, -1, -1),
            (TextRange{5004, 8006}));
}

TEST(ColouringRangeTest, CaretLineOfLongTextIsFoundNearTheCaret) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "<p>line</p>\r\n";
  GuardedTextSource source(text, 'x');
  EXPECT_EQ(ResolveColouringRange(source, 70005, -1, -1),
            (TextRange{70004, 70017}));
  EXPECT_LE(source.bytes_read(), 1025);
}

TEST(ColouringRangeTest, GivenRangeIsClampedWithoutReading) {
  GuardedTextSource source("abc", 'x');
  EXPECT_EQ(ResolveColouringRange(source, 0, -3, 9), (TextRange{1, 3}));
  EXPECT_EQ(source.bytes_read(), 0);
}

}  // namespace
}  // namespace quillory
