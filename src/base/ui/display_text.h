#pragma once

#include <QString>

#include <string_view>

#include "base/text_encoding.h"

namespace quillory {

// Document bytes as a person reads them: UTF-8 when they are valid UTF-8,
// otherwise Windows-1252. Only for showing; the bytes stay as they are.
QString DecodeForDisplay(std::string_view bytes);

// Bytes of a document read in its `encoding`, which a part of it may not
// reveal: an 8-bit document's "Ã©" is valid UTF-8 on its own.
QString DecodeFromDocument(std::string_view bytes, TextEncoding encoding);

// Text a person typed or pasted, as bytes of a document in `encoding`, or
// the first character that encoding lacks; never a "?" in its place.
EncodedText EncodeForDocument(const QString& text, TextEncoding encoding);

}  // namespace quillory
