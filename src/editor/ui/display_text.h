#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// Document bytes as a person reads them: UTF-8 when they are valid UTF-8,
// otherwise Windows-1252. Only for showing; the bytes stay as they are.
QString DecodeForDisplay(std::string_view bytes);

// Text a person typed or pasted, as bytes of a document shown as UTF-8
// (`utf8`) or as 8-bit text, where characters outside Latin-1 become "?".
std::string EncodeForDocument(const QString& text, bool utf8);

// The same, or nothing when the document cannot hold every character: a
// search for the "?" in their place would find what was never typed.
std::optional<std::string> EncodeExactlyForDocument(const QString& text,
                                                    bool utf8);

}  // namespace quillory
