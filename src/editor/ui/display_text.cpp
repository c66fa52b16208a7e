#include "editor/ui/display_text.h"

#include <algorithm>

#include "editor/text_encoding.h"

namespace quillory {

QString DecodeForDisplay(std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    return QString::fromUtf8(bytes.data(),
                             static_cast<qsizetype>(bytes.size()));
  }
  const std::string utf8 = Windows1252ToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string EncodeForDocument(const QString& text, bool utf8) {
  return (utf8 ? text.toUtf8() : text.toLatin1()).toStdString();
}

std::optional<std::string> EncodeExactlyForDocument(const QString& text,
                                                    bool utf8) {
  const bool held = utf8 || std::all_of(text.begin(), text.end(), [](QChar c) {
                      return c.unicode() <= 0xFF;
                    });
  if (!held) return std::nullopt;
  return EncodeForDocument(text, utf8);
}

}  // namespace quillory
