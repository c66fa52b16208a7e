#pragma once

#include <QList>
#include <QPoint>

class QAction;
class QsciScintillaBase;

namespace quillory {

// The editor's right-click menu: the program's own `leading` commands (its
// Undo and Redo, since the control keeps no history of its own), then the
// clipboard entries in the toolkit's translated wording. Returns once the
// menu has closed and its entry has run.
void ShowEditorContextMenu(QsciScintillaBase& editor,
                           const QList<QAction*>& leading, QPoint at);

}  // namespace quillory
