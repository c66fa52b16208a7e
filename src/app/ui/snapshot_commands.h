#pragma once

namespace quillory {

class DocumentTabs;
class Editor;
struct EditingGuards;

// What putting an undo level back needs of the main window.
struct SnapshotHost {
  DocumentTabs& tabs;  // the active slot's document and history
  Editor& rich;        // shows the active document
  EditingGuards& guards;
};

// The Undo and Redo commands: the active document becomes the level below
// or above the history's position, with the caret and the scroll position
// kept. The change handling stays silent while a level is put back.
void UndoActive(const SnapshotHost& host);
void RedoActive(const SnapshotHost& host);

}  // namespace quillory
