#pragma once

namespace quillory {

class MainWindow;

// The Undo and Redo commands: the active document becomes the level below
// or above the history's position, with the caret and the scroll position
// kept. The change handling stays silent while a level is put back.
void UndoActive(MainWindow& window);
void RedoActive(MainWindow& window);

}  // namespace quillory
