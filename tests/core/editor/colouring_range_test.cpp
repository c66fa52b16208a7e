#include "editor/colouring_range.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/guarded_text_source.h"

namespace quillory {

void PrintTo(const TextRange& range, std::ostream* out) {
  *out << range.first << ".." << range.last;
}

namespace {

struct RangeCase {
  const char* rule;
  std::string text;
  int64_t sel_start, first, last;
  TextRange expected;
};

// a1 b2 \r3 \n4 c5 d6 \r7 \n8 e9 f10
const std::string kThreeLines = "ab\r\ncd\r\nef";

const RangeCase kCases[] = {
    {"CaretInFirstLineStartsAtOne", kThreeLines, 1, -1, -1, {1, 3}},
    {"CaretBelowTwoStartsAtOne", kThreeLines, 0, -1, -1, {1, 3}},
    {"NegativeCaretSearchesLineEndFromOne", kThreeLines, -1, -1, -1, {1, 3}},
    {"CaretAtLineStartTakesCrLfBefore", kThreeLines, 4, -1, -1, {3, 7}},
    {"CaretAtLineEndTakesCrAfter", kThreeLines, 6, -1, -1, {3, 7}},
    {"CrLfMustLieWhollyBeforeCaret", kThreeLines, 3, -1, -1, {1, 3}},
    {"LastLineEndsAtTextEnd", kThreeLines, 9, -1, -1, {7, 10}},
    {"CaretPastTextEnd", kThreeLines, 50, -1, -1, {7, 10}},
    {"LoneCrAndLfAreNoLineBreaks", "a\rb\nc", 3, -1, -1, {1, 5}},
    {"LfCrIsNoLineBreak", "a\n\rb\r\nc", 4, -1, -1, {1, 5}},
    {"GivenRangeIsKept", kThreeLines, 0, 2, 8, {2, 8}},
    {"GivenStartWithDerivedEnd", kThreeLines, 5, 2, -1, {2, 7}},
    {"DerivedStartWithGivenEnd", kThreeLines, 5, -1, 9, {3, 9}},
    {"GivenRangeIsClamped", kThreeLines, 0, -7, 40, {1, 10}},
    {"FirstPastLastIsEmpty", kThreeLines, 0, 6, 5, {6, 5}},
};

// Each row read whole and in pieces that stray guards would spoil.
TEST(ColouringRangeTest, ResolvesByTheRules) {
  for (const RangeCase& c : kCases) {
    SCOPED_TRACE(c.rule);
    EXPECT_EQ(ResolveColouringRange(c.text, c.sel_start, c.first, c.last),
              c.expected);
    for (char guard : kGuards) {
      GuardedTextSource source(c.text, guard);
      EXPECT_EQ(ResolveColouringRange(source, c.sel_start, c.first, c.last),
                c.expected)
          << "guard " << guard;
    }
  }
}

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

TEST(ColouringRangeTest, EmptyTextGivesEmptyRange) {
  EXPECT_TRUE(ResolveColouringRange("", 0, -1, -1).empty());
  EXPECT_TRUE(ResolveColouringRange("", 0, 1, 1).empty());
}

}  // namespace
}  // namespace quillory
