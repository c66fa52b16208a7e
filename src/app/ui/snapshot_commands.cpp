#include "app/ui/snapshot_commands.h"

#include <optional>
#include <vector>

#include "app/ui/document_tabs.h"
#include "app/ui/pending_events.h"
#include "editor/editing_guards.h"
#include "editor/snapshot_history.h"
#include "editor/ui/editor.h"

namespace quillory {
namespace {

using Step = std::optional<std::vector<DocumentChange>> (SnapshotHistory::*)();

void PutLevelBack(const SnapshotHost& host, Step step) {
  DocumentTabs& tabs = host.tabs;
  const int slot = tabs.ActiveSlot();
  if (slot < 0) return;
  Editor& rich = host.rich;
  const ScopedFlag restoring(host.guards.restoring_snapshot);
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

void UndoActive(const SnapshotHost& host) {
  PutLevelBack(host, &SnapshotHistory::Undo);
}

void RedoActive(const SnapshotHost& host) {
  PutLevelBack(host, &SnapshotHistory::Redo);
}

}  // namespace quillory
