#include "editor/ui/editor_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace quillory {
namespace {

QString LoadFamily() {
  QString family = "DejaVu Sans Mono";
  for (const char* file :
       {":/fonts/QuilloryMono.ttf", ":/fonts/QuilloryMono-Bold.ttf"}) {
    const QStringList loaded = QFontDatabase::applicationFontFamilies(
        QFontDatabase::addApplicationFont(file));
    if (!loaded.isEmpty()) family = loaded.front();
  }
  return family;
}

}  // namespace

// NOTE: QScintilla draws an 8-bit document's bytes as the Latin-1 code
// points of the same value, so the font decides what 0x80 to 0x9F look like.
QString EditorFontFamily() {
  static const QString family = LoadFamily();
  return family;
}

}  // namespace quillory
