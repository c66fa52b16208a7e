#pragma once

#include <QString>

#include <string_view>

namespace quillory {

// Document bytes as a person reads them: UTF-8 when they are valid UTF-8,
// otherwise Windows-1252. Only for showing; the bytes stay as they are.
QString DecodeForDisplay(std::string_view bytes);

}  // namespace quillory
