#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillory {

// The 1-based line that go to line goes to for what the user typed: a
// whole number of 1 or more, blanks around it allowed; a number past the
// last of `line_count` lines is the last line. Nothing for anything else
// (letters, a sign, 0, an empty text).
std::optional<int64_t> LineToGoTo(std::string_view typed, int64_t line_count);

}  // namespace quillory
