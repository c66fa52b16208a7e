#include "app/sliced_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillory {
namespace {

// An edit made after the copy's first `after_steps` steps of `slice`
// bytes; `told` says whether the copy hears of it.
struct Edit {
  size_t position;
  size_t removed;
  std::string inserted;
  bool told = true;
};

struct Row {
  const char* rule;
  std::string text;
  size_t slice;
  int after_steps;
  Edit edit;
};

// The holder keeps the text in two blocks split at its last edit, as the
// editor's gap buffer does, and hands out a block's part at a time.
TEST(SlicedCopyTest, EndsEqualToTheTextAsItIsThen) {
  const std::vector<Row> rows = {
      {"an edit behind the copied part is copied again",
       "abcdefghij",
       3,
       2,
       {1, 2, "XYZ"}},
      {"an edit ahead of the copied part is taken as it comes",
       "abcdefghij",
       3,
       1,
       {7, 3, ""}},
      {"an edit where the copy stands goes on from there",
       "abcdefghij",
       4,
       1,
       {4, 0, "--"}},
      {"a text cut below the copy unannounced is copied afresh",
       "abcdefghij",
       4,
       2,
       {1, 9, "", false}},
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    size_t split = text.size() / 2;
    const SlicedCopy::Peek peek = [&](size_t start) {
      const size_t end = start < split ? split : text.size();
      return std::string_view(text).substr(start, end - start);
    };
    SlicedCopy copy;
    copy.Restart();
    int steps = 0;
    while (!copy.Step(text.size(), peek, row.slice)) {
      if (++steps != row.after_steps) continue;
      text.replace(row.edit.position, row.edit.removed, row.edit.inserted);
      split = row.edit.position;
      if (row.edit.told) copy.Changed(row.edit.position);
    }
    EXPECT_EQ(copy.Take(), text) << row.rule;
  }
}

}  // namespace
}  // namespace quillory
