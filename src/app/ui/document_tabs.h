#pragma once

#include <QIcon>
#include <QObject>

#include <array>
#include <string>

#include "app/document_slots.h"
#include "app/ui/slot_histories.h"
#include "editor/editing_guards.h"
#include "editor/editor_keys.h"
#include "editor/ui/editor.h"

namespace quillory {

class SlotTabBar;

// The ten document slots behind the tab strip. Each slot owns an editor
// document, so a tab switch swaps documents in the one editor without
// copying text or colours; caret, selection and scroll are kept in the
// slot's Document, and each slot has its undo history. Knows nothing of
// files or menus.
class DocumentTabs : public QObject {
  Q_OBJECT

 public:
  DocumentTabs(SlotTabBar* bar, Editor* editor, EditingGuards& guards,
               QObject* parent = nullptr);
  ~DocumentTabs() override;

  // Takes the oldest free slot, shows its tab with `caption` and the icon of
  // the caption's kind and makes it active. -1, changing nothing, when all
  // ten are in use.
  int NewTab(const std::string& caption);
  // Empties the slot, clears its history and hides its tab; its number goes
  // to the back of the free list. `Saved` keeps its value.
  void FreeSlot(int slot);

  int ActiveSlot() const { return active_; }
  bool InUse(int slot) const;
  Document& At(int slot) { return documents_.at(slot); }
  const Document& At(int slot) const { return documents_.at(slot); }
  SnapshotHistory& History(int slot) { return histories_.Of(slot); }
  // Tabs 0 to 9 that show.
  PresentTabs Present() const;
  std::string Caption(int slot) const;
  QIcon Icon(int slot) const;
  // Also gives the tab the picture of the caption's kind.
  void SetCaption(int slot, const std::string& caption);
  void SetIcon(int slot, const QIcon& icon);
  // Shows the slot's document; nothing for a slot not in use.
  void Activate(int slot);
  const FreeTabs& Free() const { return free_; }

 signals:
  // After the editor shows slot `slot`.
  void Switched(int slot);
  // After the last slot in use was freed.
  void AllFreed();
  void CaptionChanged(int slot);
  // Before the editor stops showing slot `slot` for another one.
  void Leaving(int slot);

 private:
  void OnCurrentChanged(int slot);
  void StepOverHidden(int slot);
  void SaveView(int slot);
  void LoadView(int slot);

  SlotTabBar* bar_;
  Editor* editor_;
  EditingGuards& guards_;
  std::array<Document, kSlotCount> documents_;
  std::array<Editor::DocumentHandle, kSlotCount> handles_{};
  SlotHistories histories_;
  FreeTabs free_;
  int active_ = -1;
};

}  // namespace quillory
