#include "app/ui/snapshot_commands.h"

#include <optional>
#include <vector>

#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "app/ui/pending_events.h"
#include "editor/snapshot_history.h"
#include "editor/ui/editor.h"

namespace quillory {
namespace {

using Step = std::optional<std::vector<DocumentChange>> (SnapshotHistory::*)();

void PutLevelBack(MainWindow& window, Step step) {
  DocumentTabs& tabs = window.Tabs();
  const int slot = tabs.ActiveSlot();
  if (slot < 0) return;
  Editor& rich = *window.ActiveEditor();
  const ScopedFlag restoring(window.Guards().restoring_snapshot);
  const int caret = rich.Caret();
  Document& document = tabs.At(slot);
  document.first_visible_line = rich.FirstVisibleLine();
  if (const auto changes = (tabs.History(slot).*step)()) {
    rich.ApplyQuietly(*changes);
  }
  LetPendingEventsRun();
  LetPendingEventsRun();
  rich.Select(caret, caret);
  rich.ScrollLines(document.first_visible_line - rich.FirstVisibleLine());
}

}  // namespace

void UndoActive(MainWindow& window) {
  PutLevelBack(window, &SnapshotHistory::Undo);
}

void RedoActive(MainWindow& window) {
  PutLevelBack(window, &SnapshotHistory::Redo);
}

}  // namespace quillory
