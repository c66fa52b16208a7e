#pragma once

class QsciScintillaBase;

namespace quillory {

// The editor control's look: font, margins, scrolling and wrapping. Only
// view settings; the text, its styles and its documents are not touched.
void ConfigureEditorView(QsciScintillaBase& control);

// Wrapped lines end at the window's edge; unwrapped ones run on. Every line
// is wrapped before this returns.
void SetEditorWrapped(QsciScintillaBase& control, bool wrapped);

// Shows the visible lines wrapped anew at once, then wraps all the others
// behind a wait cursor. Costs nothing while lines run on.
void WrapEditorText(QsciScintillaBase& control);

}  // namespace quillory
