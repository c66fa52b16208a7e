#include "editor/sliced_colouring.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/editor/held_styles.h"
#include "editor/php_block_index.h"

namespace quillory {
namespace {

// Texts made of the marks every pass reacts to, cut into slices of a few
// bytes, so that tags, strings, blocks and keywords cross slice ends.
TEST(SlicedColouringTest, WritesTheStylesOfTheWholeRequest) {
  std::mt19937 engine(5);
  const auto between = [&](int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(engine);
  };
  const std::string pieces[] = {"<",  ">",  "\r\n", "\r\n", "'",    "\"", "\\",
                                "<?", "?>", "echo", " ",    "x if", "\n"};
  HtmlColourer colourer(PhpKeywords({"echo", "if", "o\r\ni"}));
  std::vector<uint8_t> scratch;
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    for (int64_t n = between(0, 80); n > 0; --n) {
      text += pieces[between(0, std::size(pieces) - 1)];
    }
    std::string before(text.size(), '\0');
    for (char& style : before) style = static_cast<char>(between(0, 7));
    const auto length = static_cast<int64_t>(text.size());
    const int64_t sel_start = between(0, length);
    const int64_t first = round % 3 == 0 ? 1 : between(kFromCaret, length);
    const int64_t last = round % 3 == 0 ? length : between(kFromCaret, length);

    HeldStyles whole(before);
    WriteRuns(ParseHTML(text, sel_start, first, last, colourer.keywords()),
              whole, scratch);
    HeldStyles sliced(before);
    WholeText source(text);
    ColourInSlices(colourer, source, PhpBlockIndex(text), sel_start, first,
                   last, sliced, scratch, between(1, 16));
    ASSERT_EQ(sliced.styles(), whole.styles())
        << ::testing::PrintToString(text) << " " << first << ".." << last;
  }
}

}  // namespace
}  // namespace quillory
