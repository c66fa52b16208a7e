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

struct Edit {
  int64_t offset, removed;
  std::string inserted;
};

// Each row's edits, applied like an editor does and told to the index,
// must leave an index that answers like a scan of the edited text.
TEST(PhpBlockIndexTest, IndexFollowsEditsThatMakeAndBreakMarks) {
  const std::pair<std::string, std::vector<Edit>> rows[] = {
      {"a<?php b ?> <? c <?d?>?> <?e", {}},
      {"ab ?> cd", {{1, 0, "<"}, {2, 0, "?"}}},  // typing an opener
      {"<?a?>", {{1, 0, "x"}}},                  // between the mark bytes
      {"<x?a?x>", {{1, 1, ""}, {4, 1, ""}}},     // deletions join marks
      {"<?a?> text <?b?> more <?c?>",
       {{3, 12, "?><?"}, {19, 0, " <?d"}, {0, 0, "<?z?>"}, {26, 2, ""}}},
  };
  for (const auto& [start, edits] : rows) {
    SCOPED_TRACE(start);
    std::string text = start;
    PhpBlockIndex index(text);
    for (const Edit& edit : edits) {
      const int64_t offset =
          edit.offset >= 0 ? edit.offset : text.size() + 1 + edit.offset;
      text.replace(offset, edit.removed, edit.inserted);
      WholeText source(text);
      index.Update(source, offset, edit.removed, edit.inserted.size());
    }
    ExpectSameAsScan(index, text);
  }
  EXPECT_EQ(PhpBlockIndex().text_length(), 0);
}

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
