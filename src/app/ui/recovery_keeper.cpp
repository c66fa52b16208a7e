#include "app/ui/recovery_keeper.h"

#include <limits>
#include <utility>

#include "app/ui/document_tabs.h"
#include "base/document_line_ends.h"
#include "base/named_captions.h"
#include "editor/ui/editor.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

// A keystroke waits for one slice at most: well under a millisecond even
// where each fresh page costs a fault.
constexpr size_t kSliceBytes = size_t{256} << 10;

}  // namespace

RecoveryKeeper::RecoveryKeeper(RecoveryKeeperHost host, std::string root,
                               RecoveryTimes times, QObject* parent)
    : QObject(parent),
      host_(std::move(host)),
      writer_(std::move(root), [this](int slot, const WriteResult& result) {
        QMetaObject::invokeMethod(
            this, [this, slot, result] { OnWritten(slot, result); },
            Qt::QueuedConnection);
      }) {
  for (QTimer* timer : {&pause_, &deadline_}) timer->setSingleShot(true);
  connect(&pause_, &QTimer::timeout, this, &RecoveryKeeper::StartCopy);
  // Edits behind a copy under way send it back; typing that keeps doing so
  // until the deadline gets the copy finished at once, so what a kill loses
  // stays bounded.
  connect(&deadline_, &QTimer::timeout, this, [this] {
    if (copy_slot_ < 0) return StartCopy();
    CopySlice(std::numeric_limits<size_t>::max());
  });
  pause_.setInterval(times.pause);
  deadline_.setInterval(times.deadline);
  connect(&slicer_, &QTimer::timeout, this, [this] { CopySlice(kSliceBytes); });
  // Typing must stay cheap: a keystroke only restarts a timer and tells a
  // copy under way where the text changed.
  connect(host_.editor, &Editor::TextEdited, this, &RecoveryKeeper::OnEdited);
  connect(host_.editor,
          qOverload<int, int, const char*, int, int, int, int, int, int, int>(
              &QsciScintillaBase::SCN_MODIFIED),
          this,
          [this](int position, int type, const char*, int, int, int, int, int,
                 int, int) {
            if (type & (QsciScintillaBase::SC_MOD_BEFOREINSERT |
                        QsciScintillaBase::SC_MOD_BEFOREDELETE)) {
              copy_.Changed(static_cast<size_t>(position));
            }
          });
  connect(host_.editor, &Editor::DocumentShown, this, &RecoveryKeeper::Abandon);
  connect(&host_.tabs, &DocumentTabs::Leaving, this, &RecoveryKeeper::WriteNow);
}

void RecoveryKeeper::OnEdited() {
  if (!deadline_.isActive()) deadline_.start();
  changed_ = true;
  pause_.start();
}

void RecoveryKeeper::WriteNow() {
  StartCopy();
  if (copy_slot_ >= 0) CopySlice(std::numeric_limits<size_t>::max());
}

void RecoveryKeeper::StartCopy() {
  pause_.stop();
  deadline_.stop();
  const int slot = host_.tabs.ActiveSlot();
  if (copy_slot_ >= 0 || !changed_ || slot < 0) return;
  if (host_.tabs.At(slot).saved) {
    Forget(slot);
    return;
  }
  copy_.Restart(writer_.TakeSpare());
  copy_slot_ = slot;
  slicer_.start(0);
}

// NOTE: only the copy of the bytes is made here; the conversion and the
// flushed write to disk take several times as long and go to the writer.
// The finished copy holds every change made so far, so none is left to
// write.
void RecoveryKeeper::CopySlice(size_t most) {
  const Editor& editor = *host_.editor;
  const auto peek = [&editor](size_t start) {
    return editor.PeekFrom(static_cast<int>(start));
  };
  if (!copy_.Step(static_cast<size_t>(editor.Length()), peek, most)) return;
  const int slot = std::exchange(copy_slot_, -1);
  slicer_.stop();
  pause_.stop();
  deadline_.stop();
  changed_ = false;
  const Document& document = host_.tabs.At(slot);
  writer_.Write(slot,
                {host_.tabs.Caption(slot), document.file_path, copy_.Take()},
                document.line_ends);
}

// Another document is on show, or the copied one is saved or closed.
void RecoveryKeeper::Abandon() {
  slicer_.stop();
  copy_slot_ = -1;
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
  if (slot == copy_slot_) Abandon();
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
