#pragma once

class QsciScintillaBase;

namespace quillory {

// The editor control's look: font, margins, scrolling and wrapping. Only
// view settings; the text, its styles and its documents are not touched.
void ConfigureEditorView(QsciScintillaBase& control);

// Selections in the palette's own colours; again after the palette changes.
void UseDesktopSelectionColours(QsciScintillaBase& control);

// Wrapped lines end at the window's edge; unwrapped ones run on. The lines
// in view change at the next paint, the others while the window is idle.
void SetEditorWrapped(QsciScintillaBase& control, bool wrapped);

}  // namespace quillory
