#include "base/ui/display_text.h"

#include <string>

namespace quillory {

QString DecodeForDisplay(std::string_view bytes) {
  return DecodeFromDocument(bytes, IsValidUtf8(bytes)
                                       ? TextEncoding::kUtf8
                                       : TextEncoding::kWindows1252);
}

QString DecodeFromDocument(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) {
    return QString::fromUtf8(bytes.data(),
                             static_cast<qsizetype>(bytes.size()));
  }
  const std::string utf8 = Windows1252ToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

EncodedText EncodeForDocument(const QString& text, TextEncoding encoding) {
  const std::string utf8 = text.toStdString();
  if (encoding == TextEncoding::kUtf8) return {utf8, std::nullopt};
  return Utf8ToWindows1252(utf8);
}

}  // namespace quillory
