#pragma once

#include <cstddef>

namespace quillory {

// Whether every row of a table of commands sits at the index of its
// command, so that the table can be read by index.
template <typename Row, size_t kRows>
constexpr bool RowsInCommandOrder(const Row (&rows)[kRows]) {
  for (size_t i = 0; i < kRows; ++i) {
    if (static_cast<size_t>(rows[i].command) != i) return false;
  }
  return true;
}

}  // namespace quillory
