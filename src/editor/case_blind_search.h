#pragma once

#include <cstdint>
#include <string_view>

namespace quillory {

// Searches that ignore the case of ASCII letters. Positions are 1-based and
// 0 means not found. An empty `find` is found at the position the search
// starts from, as long as that lies within 1..length + 1.

// The first occurrence of `find` that starts at `start` or later.
int64_t FindForward(std::string_view text, std::string_view find,
                    int64_t start);

// The last occurrence of `find` lying wholly within 1..limit; a limit past
// the text means the whole text.
int64_t FindBackward(std::string_view text, std::string_view find,
                     int64_t limit);

}  // namespace quillory
