#include "app/ui/document_tabs.h"

#include <QSignalBlocker>

#include "app/ui/slot_tab_bar.h"
#include "base/document_kind.h"
#include "base/ui/kind_icons.h"

namespace quillory {

DocumentTabs::DocumentTabs(SlotTabBar* bar, Editor* editor,
                           EditingGuards& guards, QObject* parent)
    : QObject(parent), bar_(bar), editor_(editor), guards_(guards) {
  for (auto& handle : handles_) handle = editor_->CreateDocument();
  connect(bar_, &QTabBar::currentChanged, this,
          &DocumentTabs::OnCurrentChanged);
}

DocumentTabs::~DocumentTabs() {
  for (auto handle : handles_) editor_->ReleaseDocument(handle);
}

int DocumentTabs::NewTab(const std::string& caption) {
  const std::optional<int> slot = free_.Take();
  if (!slot) return -1;
  bar_->setTabVisible(*slot, true);
  SetCaption(*slot, caption);
  // Setting the index a hidden tab already holds raises no change signal.
  if (bar_->currentIndex() == *slot) {
    OnCurrentChanged(*slot);
  } else {
    bar_->setCurrentIndex(*slot);
  }
  return *slot;
}

void DocumentTabs::FreeSlot(int slot) {
  if (!InUse(slot)) return;
  const bool saved = documents_[slot].saved;
  documents_[slot] = Document();
  documents_[slot].saved = saved;
  histories_.Free(slot);
  {
    ScopedFlag quiet(guards_.parsing_now);
    editor_->ReleaseDocument(handles_[slot]);
    handles_[slot] = editor_->CreateDocument();
    if (slot == active_) editor_->ShowDocument(handles_[slot]);
  }
  bar_->setTabVisible(slot, false);  // the bar activates a visible neighbour
  free_.Release(slot);
  if (free_.Slots().size() == kSlotCount) {
    active_ = -1;
    editor_->SetHistory(nullptr);
    emit AllFreed();
  }
}

bool DocumentTabs::InUse(int slot) const {
  return slot >= 0 && slot < kSlotCount && !free_.Contains(slot);
}

PresentTabs DocumentTabs::Present() const {
  PresentTabs present{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    present[slot] = bar_->isTabVisible(slot);
  }
  return present;
}

QIcon DocumentTabs::Icon(int slot) const { return bar_->tabIcon(slot); }

std::string DocumentTabs::Caption(int slot) const {
  return bar_->tabText(slot).toStdString();
}

void DocumentTabs::SetCaption(int slot, const std::string& caption) {
  bar_->setTabText(slot, QString::fromStdString(caption));
  bar_->setTabIcon(slot, IconForKind(KindOfCaption(caption)));
  bar_->setTabToolTip(slot, QString::fromStdString(caption));
  emit CaptionChanged(slot);
}

void DocumentTabs::SetIcon(int slot, const QIcon& icon) {
  bar_->setTabIcon(slot, icon);
}

void DocumentTabs::Activate(int slot) {
  if (InUse(slot)) bar_->setCurrentIndex(slot);
}

void DocumentTabs::OnCurrentChanged(int slot) {
  if (!InUse(slot)) {
    StepOverHidden(slot);
    return;
  }
  if (InUse(active_) && active_ != slot) emit Leaving(active_);
  {
    ScopedFlag quiet(guards_.parsing_now);
    if (InUse(active_) && active_ != slot) SaveView(active_);
    active_ = slot;
    LoadView(slot);
  }
  emit Switched(slot);
}

// NOTE: the bar's wheel and arrow keys step onto hidden tabs as well. Left
// there, the bar would mark no tab, and closing the active one would move
// it nowhere and so show no other document. It goes on in the same
// direction to a tab in use, or back to the active one.
void DocumentTabs::StepOverHidden(int slot) {
  if (!InUse(active_)) return;
  const int step = slot > active_ ? 1 : -1;
  for (int next = slot + step; next >= 0 && next < kSlotCount; next += step) {
    if (InUse(next)) {
      bar_->setCurrentIndex(next);
      return;
    }
  }
  const QSignalBlocker unchanged(bar_);
  bar_->setCurrentIndex(active_);
}

void DocumentTabs::SaveView(int slot) {
  Document& document = documents_[slot];
  document.first_visible_line = editor_->FirstVisibleLine();
  document.sel_start = editor_->SelectionStart();
  document.sel_end = editor_->SelectionEnd();
}

void DocumentTabs::LoadView(int slot) {
  const Document& document = documents_[slot];
  editor_->ShowDocument(handles_[slot]);
  editor_->SetHistory(&histories_.Of(slot));
  editor_->Select(document.sel_start, document.sel_end);
  editor_->ScrollLines(document.first_visible_line -
                       editor_->FirstVisibleLine());
}

}  // namespace quillory
