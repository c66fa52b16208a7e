#include "editor/php_block_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillory {
namespace {

void PrintTo(const PhpBlock& block, std::ostream* out) {
  *out << "{" << block.open << ", " << block.close << "}";
}

// Edits are the colouring pass's random comparison, with an index kept
// along; an edit that cannot belong to the indexed text starts it over.
TEST(PhpBlockIndexTest, ChangeThatDoesNotFitRebuilds) {
  PhpBlockIndex index("<?a?>");
  const std::string other = "xx <?b";
  WholeText source(other);
  index.Update(source, 40, 2, 1);
  EXPECT_EQ(index.text_length(), 6);
  EXPECT_EQ(index.BlocksOverlapping({1, 6}), (std::vector<PhpBlock>{{4, 6}}));
}

}  // namespace
}  // namespace quillory
