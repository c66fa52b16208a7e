#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillory {

// The leading number of a text: leading blanks skipped, an optional sign,
// digits with at most one "."; parsing stops at the first other character
// and a text without digits gives 0. The result is rounded to the nearest
// integer, halves to even. Empty when the number does not fit 32 bits.
std::optional<int32_t> ParseLeadingInteger(std::string_view text);
// The same leading number, not rounded; a text without digits gives 0.
double ParseLeadingNumber(std::string_view text);

// "true" or "false" in any letter case, or a number (0 is false, any other
// value true), blanks around allowed. Empty for anything else.
std::optional<bool> ParseBoolean(std::string_view text);

}  // namespace quillory
