#include "app/ui/recovery_keeper.h"

#include <utility>

#include "app/ui/document_tabs.h"
#include "base/document_line_ends.h"
#include "base/named_captions.h"
#include "editor/ui/editor.h"
#include "platform/dialogs.h"

namespace quillory {

RecoveryKeeper::RecoveryKeeper(RecoveryKeeperHost host, std::string root,
                               RecoveryTimes times, QObject* parent)
    : QObject(parent),
      host_(std::move(host)),
      writer_(std::move(root), [this](int slot, const WriteResult& result) {
        QMetaObject::invokeMethod(
            this, [this, slot, result] { OnWritten(slot, result); },
            Qt::QueuedConnection);
      }) {
  for (QTimer* timer : {&pause_, &deadline_}) {
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
  }
  pause_.setInterval(times.pause);
  deadline_.setInterval(times.deadline);
  // Typing must stay cheap: a keystroke only restarts a timer.
  connect(host_.editor, &Editor::TextEdited, this, &RecoveryKeeper::OnEdited);
  connect(&host_.tabs, &DocumentTabs::Leaving, this, &RecoveryKeeper::WriteNow);
}

void RecoveryKeeper::OnEdited() {
  if (!deadline_.isActive()) deadline_.start();
  changed_ = true;
  pause_.start();
}

// NOTE: only the copy of the bytes is made here; the conversion and the
// flushed write to disk take several times as long and go to the writer.
void RecoveryKeeper::WriteNow() {
  pause_.stop();
  deadline_.stop();
  const int slot = host_.tabs.ActiveSlot();
  if (!changed_ || slot < 0) return;
  changed_ = false;
  const Document& document = host_.tabs.At(slot);
  if (document.saved) {
    Forget(slot);
    return;
  }
  writer_.Write(
      slot,
      {host_.tabs.Caption(slot), document.file_path, host_.editor->Bytes()},
      document.line_ends);
}

void RecoveryKeeper::KeepActive() {
  changed_ = true;
  WriteNow();
}

void RecoveryKeeper::KeepBeforeRisk() {
  WriteNow();
  writer_.Wait();
}

void RecoveryKeeper::Finish() {
  WriteNow();
  writer_.MarkClosed();
}

void RecoveryKeeper::Forget(int slot) {
  writer_.Remove(slot);
  if (slot == host_.tabs.ActiveSlot()) changed_ = false;
}

// A failed write leaves the older entry in place; the document's text is
// tried again at its next change, or now if it is still the one shown and
// nothing newer was handed over.
void RecoveryKeeper::OnWritten(int slot, const WriteResult& result) {
  if (result.Succeeded()) return;
  const std::string text =
      host_.captions.FindOr("Recovery.Failed",
                            "Unsaved text cannot be kept for recovery:") +
      " " + result.error;
  host_.set_status(text);
  if (slot == host_.tabs.ActiveSlot() && !host_.tabs.At(slot).saved) {
    changed_ = true;
  }
  if (failure_told_) return;
  failure_told_ = true;
  host_.dialogs.ShowMessage(text, MessageIcon::kWarning);
}

}  // namespace quillory
