#pragma once

class QKeyEvent;
class QsciScintillaBase;

namespace quillory {

// The keys the editor control acts on by itself: characters, Enter, Tab,
// Backspace and Delete, moving and selecting with the arrows, Home, End and
// the page keys (with Shift and Ctrl), word deletion, select all and the
// clipboard. Scintilla's other bindings (line cut, transposition, zoom,
// case changes, rectangular selection...) are taken away.
void InstallEditorKeymap(QsciScintillaBase& control);

// False for a key held with Ctrl, Alt or Meta that the keymap does not
// bind: the control would otherwise type its character.
bool ReachesControl(const QKeyEvent& event);

}  // namespace quillory
