#pragma once

#include <cstddef>
#include <string_view>

namespace quillory {

// How far the byte at `from` repeats: the first index after `from` whose
// byte differs from it, or the size. `from` lies inside `bytes`.
size_t StretchEnd(std::string_view bytes, size_t from);

}  // namespace quillory
