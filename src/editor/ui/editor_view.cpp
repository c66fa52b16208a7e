#include "editor/ui/editor_view.h"

#include <Qsci/qsciscintillabase.h>

#include <QPalette>

#include "editor/ui/editor_font.h"
#include "editor/ui/editor_keymap.h"

namespace quillory {
namespace {

using Base = QsciScintillaBase;

constexpr int kFontSize = 10;

long Send(QsciScintillaBase& control, unsigned int message, unsigned long w = 0,
          long l = 0) {
  return control.SendScintilla(message, w, l);
}

long Bgr(const QColor& colour) {
  return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

// Qt already paints into a buffer of its own, so Scintilla's buffer for a
// line would only copy every line once more; and keeping the layout of the
// lines in view spares measuring their glyphs again when the caret's line
// is all a keystroke repaints.
void DrawForSpeed(QsciScintillaBase& control) {
  Send(control, Base::SCI_SETBUFFEREDDRAW, 0);
  Send(control, Base::SCI_SETLAYOUTCACHE, Base::SC_CACHE_PAGE);
}

}  // namespace

// A bare Scintilla control draws every selection in a fixed pale grey, which
// a user reads as a selection in a window without focus; a match found from
// the find window must look selected in the desktop's own colours.
void UseDesktopSelectionColours(QsciScintillaBase& control) {
  const QPalette colours = control.palette();
  Send(control, Base::SCI_SETSELFORE, 1,
       Bgr(colours.color(QPalette::Active, QPalette::HighlightedText)));
  Send(control, Base::SCI_SETSELBACK, 1,
       Bgr(colours.color(QPalette::Active, QPalette::Highlight)));
}

void ConfigureEditorView(QsciScintillaBase& control) {
  control.SendScintilla(Base::SCI_STYLESETFONT, Base::STYLE_DEFAULT,
                        EditorFontFamily().toUtf8().constData());
  Send(control, Base::SCI_STYLESETSIZE, Base::STYLE_DEFAULT, kFontSize);
  Send(control, Base::SCI_STYLECLEARALL);
  Send(control, Base::SCI_SETMARGINWIDTHN, 1, 0);
  Send(control, Base::SCI_SETMARGINWIDTHN, 0, 0);
  Send(control, Base::SCI_SETSCROLLWIDTHTRACKING, 1);
  Send(control, Base::SCI_SETSCROLLWIDTH, 1);
  UseDesktopSelectionColours(control);
  InstallEditorKeymap(control);
  DrawForSpeed(control);
}

// NOTE: Scintilla wraps the lines in view as it paints them and the others
// a few at a time while the window is idle, so no change of mode or width
// holds up the window however long the text. Nothing here may ask for a
// line below the wrapped part to be shown (SCI_ENSUREVISIBLE and the like):
// that wraps every line before it at once.
void SetEditorWrapped(QsciScintillaBase& control, bool wrapped) {
  Send(control, Base::SCI_SETWRAPMODE,
       wrapped ? Base::SC_WRAP_WORD : Base::SC_WRAP_NONE);
}

}  // namespace quillory
