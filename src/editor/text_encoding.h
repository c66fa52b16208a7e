#pragma once

#include <string>
#include <string_view>

namespace quillory {

// Whether the bytes are well-formed UTF-8 (no overlongs, no surrogates,
// nothing past U+10FFFF). Decides how a document is shown, never what it is.
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8, for showing 8-bit text; the five bytes the
// code page leaves undefined map to the C1 controls of the same value.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace quillory
