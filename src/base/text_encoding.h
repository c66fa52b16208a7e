#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// How a document's bytes are read: as UTF-8, or as 8-bit Windows-1252 text.
enum class TextEncoding { kUtf8, kWindows1252 };

// Whether the bytes are well-formed UTF-8 (no overlongs, no surrogates,
// nothing past U+10FFFF). Decides how a document is shown, never what it is.
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8, for showing 8-bit text; the five bytes the
// code page leaves undefined map to the C1 controls of the same value.
std::string Windows1252ToUtf8(std::string_view bytes);

// Appends the UTF-8 bytes of the code point `code`.
void AppendUtf8(char32_t code, std::string& out);

// Text as the bytes of a document, or the first character its encoding has
// no bytes for; `bytes` is empty then.
struct EncodedText {
  std::string bytes;
  std::optional<char32_t> unheld;
};

// UTF-8 text as Windows-1252 bytes, the inverse of Windows1252ToUtf8. A
// malformed sequence counts as U+FFFD, which the code page lacks.
EncodedText Utf8ToWindows1252(std::string_view utf8);

}  // namespace quillory
