#include "editor/style_stretches.h"

#include <gtest/gtest.h>

#include <string>

namespace quillory {
namespace {

// Stretches are compared a word at a time; a difference anywhere in a word,
// or in the short tail, must still end the stretch at its own byte.
TEST(StretchEndTest, EndsAtTheFirstDifferentByte) {
  struct Row {
    std::string bytes;
    size_t from, end;
  };
  const Row rows[] = {
      {"a", 0, 1},
      {"ab", 0, 1},
      {"aaaa", 1, 4},
      {std::string(19, 'x') + "y", 0, 19},       // tail after whole words
      {std::string(11, 'x') + "yxxxxx", 2, 11},  // inside a word
      {std::string(9, 'x') + "y", 0, 9},         // at a word start
      {"\xff\xff\xfe\xff", 0, 2},                // high bytes as bytes
      {std::string(10, '\0') + "\x01", 3, 10},
      {std::string(1000, '\x06'), 500, 1000},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(StretchEnd(row.bytes, row.from), row.end)
        << ::testing::PrintToString(row.bytes);
  }
}

}  // namespace
}  // namespace quillory
