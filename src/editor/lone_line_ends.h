#pragma once

#include <string_view>

namespace quillory {

// Whether the bytes are a whole text or a slice of one, which may be cut
// between the CR and the LF of a pair.
enum class Extent { kWhole, kSlice };

// Whether `bytes` hold a CR not followed by LF or an LF not preceded by CR.
// In a slice, a CR at the very end and an LF at the very start are taken
// to belong to pairs outside it.
bool HasLoneLineEnd(std::string_view bytes, Extent extent);

}  // namespace quillory
