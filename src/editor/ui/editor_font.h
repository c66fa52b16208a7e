#pragma once

#include <QString>

namespace quillory {

// The family the editor draws text in: DejaVu Sans Mono under a name of its
// own, whose U+0080 to U+009F show the Windows-1252 characters that an
// 8-bit document's bytes 0x80 to 0x9F stand for. Loaded on first use;
// plain DejaVu Sans Mono when it cannot be.
QString EditorFontFamily();

}  // namespace quillory
