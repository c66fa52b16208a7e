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

// Replaces like an editor does and tells the index.
void Edit(std::string& text, PhpBlockIndex& index, int64_t offset,
          int64_t removed, std::string_view inserted) {
  text.replace(offset, removed, inserted);
  WholeText source(text);
  index.Update(source, offset, removed, inserted.size());
}

TEST(PhpBlockIndexTest, BuiltIndexAnswersLikeScan) {
  const std::string text = "a<?php b ?> <? c <?d?>?> <?e";
  ExpectSameAsScan(PhpBlockIndex(text), text);
}

TEST(PhpBlockIndexTest, EmptyIndexDescribesEmptyText) {
  EXPECT_EQ(PhpBlockIndex().text_length(), 0);
}

TEST(PhpBlockIndexTest, TypingAnOpenerByteByByte) {
  std::string text = "ab ?> cd";
  PhpBlockIndex index(text);
  Edit(text, index, 1, 0, "<");
  Edit(text, index, 2, 0, "?");
  EXPECT_EQ(text, "a<?b ?> cd");
  EXPECT_EQ(index.BlocksOverlapping({1, 10}), (Blocks{{2, 6}}));
  ExpectSameAsScan(index, text);
}

TEST(PhpBlockIndexTest, InsertionBetweenMarkBytesBreaksTheMark) {
  std::string text = "<?a?>";
  PhpBlockIndex index(text);
  Edit(text, index, 1, 0, "x");
  EXPECT_EQ(index.BlocksOverlapping({1, 6}), Blocks{});
  ExpectSameAsScan(index, text);
}

TEST(PhpBlockIndexTest, DeletionJoiningBytesMakesAMark) {
  std::string text = "<x?a?x>";
  PhpBlockIndex index(text);
  Edit(text, index, 1, 1, "");
  Edit(text, index, 4, 1, "");
  EXPECT_EQ(text, "<?a?>");
  EXPECT_EQ(index.BlocksOverlapping({1, 5}), (Blocks{{1, 4}}));
  ExpectSameAsScan(index, text);
}

TEST(PhpBlockIndexTest, ReplacementAcrossMarksAndFarEdits) {
  std::string text = "<?a?> text <?b?> more <?c?>";
  PhpBlockIndex index(text);
  Edit(text, index, 3, 12, "?><?");
  ExpectSameAsScan(index, text);
  Edit(text, index, text.size(), 0, " <?d");
  Edit(text, index, 0, 0, "<?z?>");
  Edit(text, index, text.size() - 2, 2, "");
  ExpectSameAsScan(index, text);
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
