#pragma once

#include <cstdint>
#include <string_view>

namespace quillory {

enum class CompareMode : uint8_t { kBinary, kIgnoreCase };

// Passed as `end`: up to the text's length.
inline constexpr int64_t kToTextEnd = -1;

// The number of occurrences of `find` in `text` that start at 1-based
// positions start..end; after each one the count goes on one character
// further, so occurrences may overlap. An empty `find` occurs at every
// position of the range.
int64_t CountSubstr(std::string_view text, std::string_view find, int64_t start,
                    int64_t end, CompareMode mode);

}  // namespace quillory
