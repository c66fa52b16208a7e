#include "app/sliced_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

// The rule, `slice`, `after_steps` and the edit.
using Row = std::tuple<const char*, size_t, int, Edit>;

// The holder keeps the text in two blocks split at its last edit, as the
// editor's gap buffer does, and hands out a block's part at a time.
TEST(SlicedCopyTest, EndsEqualToTheTextAsItIsThen) {
  const std::vector<Row> rows = {
      {"an edit behind the copied part is copied again", 3, 2, {1, 2, "XYZ"}},
      {"an edit ahead of the copied part is taken as it comes", 3, 1, {7, 3}},
      {"an edit where the copy stands goes on from there", 4, 1, {4, 0, "--"}},
      {"an untold cut below the copy is copied anew", 4, 2, {1, 9, "", false}},
  };
  for (const auto& [rule, slice, after_steps, edit] : rows) {
    std::string text = "abcdefghij";
    size_t split = text.size() / 2;
    const SlicedCopy::Peek peek = [&](size_t start) {
      const size_t end = start < split ? split : text.size();
      return std::string_view(text).substr(start, end - start);
    };
    SlicedCopy copy;
    copy.Restart();
    int steps = 0;
    while (!copy.Step(text.size(), peek, slice)) {
      if (++steps != after_steps) continue;
      text.replace(edit.position, edit.removed, edit.inserted);
      split = edit.position;
      if (edit.told) copy.Changed(edit.position);
    }
    EXPECT_EQ(copy.Take(), text) << rule;
  }
}

}  // namespace
}  // namespace quillory
