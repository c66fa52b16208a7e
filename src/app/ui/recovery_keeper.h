#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "app/recovery_writer.h"
#include "app/sliced_copy.h"

namespace quillory {

class Dialogs;
class DocumentTabs;
class Editor;
class NamedCaptions;

// What the keeper needs of the main window; all of it outlives the keeper.
struct RecoveryKeeperHost {
  DocumentTabs& tabs;
  Editor* editor;  // shows the active document
  Dialogs& dialogs;
  const NamedCaptions& captions;
  std::function<void(std::string_view)> set_status;
};

struct RecoveryTimes {
  // After the last keystroke.
  std::chrono::milliseconds pause{2000};
  // After the first change since the last write, however long typing goes
  // on.
  std::chrono::milliseconds deadline{5000};
};

// Keeps the text of the documents with unsaved changes in the recovery
// store: once typing pauses or the first change since the last write is
// old enough, before another tab is shown, before a plug-in or a tool
// changes it and whenever the program ends in a way it sees. Only the
// active document can change, so it alone is written, and only when it
// changed since its last write. The text is copied here, in slices between
// the keystrokes when a timer asks for it; the writing is done away from
// the user-interface thread.
class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  RecoveryKeeper(RecoveryKeeperHost host, std::string root,
                 RecoveryTimes times = {}, QObject* parent = nullptr);

  // Hands the active document to the writer now if it changed since its
  // last write, or finishes the copy under way.
  void WriteNow();
  // Hands the active document to the writer now whether or not it changed.
  void KeepActive();
  // WriteNow, and returns once the text is on disk: before what could end
  // the program.
  void KeepBeforeRisk();
  // WriteNow, waits for the writes and marks them as left at a quit.
  void Finish();
  // The document in `slot` was saved or closed: its entry goes.
  void Forget(int slot);
  // See RecoveryStore.
  StaleTexts ClaimStale() { return writer_.ClaimStale(); }
  void DiscardClaimed() { writer_.DiscardClaimed(); }
  void DiscardClaimedText(size_t index) { writer_.DiscardClaimedText(index); }

 private:
  void OnEdited();
  void OnWritten(int slot, const WriteResult& result);
  // Starts copying the active document if it changed since its last write.
  void StartCopy();
  // Copies at most `most` more bytes; hands the copy over once it is whole.
  void CopySlice(size_t most);
  void Abandon();

  RecoveryKeeperHost host_;
  QTimer pause_;
  QTimer deadline_;
  QTimer slicer_;
  SlicedCopy copy_;
  int copy_slot_ = -1;  // none while no copy is under way
  bool changed_ = false;
  bool failure_told_ = false;
  // Last, so its thread ends before the rest goes.
  RecoveryWriter writer_;
};

}  // namespace quillory
