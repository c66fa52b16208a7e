#include "editor/php_block_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor/guarded_text_source.h"

namespace quillory {
namespace {

using Blocks = std::vector<PhpBlock>;

void PrintTo(const PhpBlock& block, std::ostream* out) {
  *out << "{" << block.open << ", " << block.close << "}";
}

// Every range of the text answers as a scan of the text would.
void ExpectSameAsScan(const PhpBlockIndex& index, std::string_view text) {
  const int64_t n = static_cast<int64_t>(text.size());
  ASSERT_EQ(index.text_length(), n);
  for (int64_t first = 1; first <= n; ++first) {
    for (int64_t last = first; last <= n; ++last) {
      ASSERT_EQ(index.BlocksOverlapping({first, last}),
                FindPhpBlocks(text, {first, last}))
          << "range " << first << ".." << last << " of " << text;
    }
  }
}

// Edits that make and break marks are the colouring pass's random edits,
// compared with a literal reading through an index kept along; these cases
// are about how the index reads and when it starts over.
TEST(PhpBlockIndexTest, UpdateReadsOnlyTheInsertedBytesAndTheirNeighbours) {
  std::string text = std::string(1000, 'x') + "<?a?>" + std::string(1000, 'y');
  PhpBlockIndex index(text);
  text.replace(1001, 2, "?b?");
  GuardedTextSource source(text, '?');
  index.Update(source, 1001, 2, 3);
  EXPECT_EQ(source.bytes_read(), 5);
  EXPECT_EQ(index.BlocksOverlapping({1, 2006}), (Blocks{{1001, 1005}}));
}

TEST(PhpBlockIndexTest, ChangeThatDoesNotFitRebuilds) {
  std::string text = "<?a?>";
  PhpBlockIndex index(text);
  const std::string other = "xx <?b";
  WholeText source(other);
  index.Update(source, 40, 2, 1);
  ExpectSameAsScan(index, other);
}

}  // namespace
}  // namespace quillory
