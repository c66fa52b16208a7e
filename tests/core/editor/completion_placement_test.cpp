#include "editor/completion_placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

namespace quillory {

void PrintTo(const PixelRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.width << " x " << r.height
       << "}";
}

namespace {

// Bounds 0..400 x 0..300; the list is 160 x 180 and wanted under a line
// that starts 16 pixels above it.
TEST(CompletionPlacementTest, TheListStaysInsideTheBounds) {
  const PixelRect bounds{0, 0, 400, 300};
  // The rule, where the list is wanted and where it goes.
  const std::tuple<const char*, int, int, PixelRect> cases[] = {
      {"fits under the line", 20, 40, {20, 40, 160, 180}},
      {"goes above when only that fits", 20, 250, {20, 54, 160, 180}},
      {"past the right edge moves left", 300, 40, {240, 40, 160, 180}},
      {"roomier above is shortened", 20, 170, {20, 0, 160, 154}},
      {"roomier below is shortened", 20, 150, {20, 150, 160, 150}},
  };
  for (const auto& [rule, left, top, placed] : cases) {
    EXPECT_EQ(PlaceCompletionList({left, top, 160, 180}, top - 16, bounds),
              placed)
        << rule;
  }
  EXPECT_EQ(PlaceCompletionList({50, 10, 160, 180}, 0, {0, 0, 100, 300}),
            (PixelRect{0, 10, 100, 180}))
      << "narrower bounds";
}

}  // namespace
}  // namespace quillory
