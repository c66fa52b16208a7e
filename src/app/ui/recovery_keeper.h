#pragma once

#include <QObject>
#include <QTimer>

#include <string>
#include <vector>

#include "app/recovery_store.h"

namespace quillory {

class DocumentTabs;
class Editor;

// Keeps the text of the documents with unsaved changes in the recovery
// store: once typing pauses, before another tab is shown and whenever the
// program ends in a way it sees. Only the active document can change, so
// it alone is written, and only when it changed since its last successful
// write.
class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPauseMs = 2000;

  RecoveryKeeper(DocumentTabs& tabs, Editor* editor, std::string root,
                 QObject* parent = nullptr);

  // Writes the active document now if it changed since its last write.
  void WriteNow();
  // Writes the active document now whether or not it changed.
  void KeepActive();
  // The document in `slot` was saved or closed: its entry goes.
  void Forget(int slot);
  // See RecoveryStore.
  std::vector<RecoveredText> ClaimStale() { return store_.ClaimStale(); }
  void DiscardClaimed() { store_.DiscardClaimed(); }

 private:
  void OnEdited();

  DocumentTabs& tabs_;
  Editor* editor_;
  RecoveryStore store_;
  QTimer pause_;
  bool changed_ = false;
};

}  // namespace quillory
