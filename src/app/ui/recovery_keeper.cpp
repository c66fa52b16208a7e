#include "app/ui/recovery_keeper.h"

#include <utility>

#include "app/ui/document_tabs.h"
#include "base/document_line_ends.h"
#include "editor/ui/editor.h"

namespace quillory {

RecoveryKeeper::RecoveryKeeper(DocumentTabs& tabs, Editor* editor,
                               std::string root, QObject* parent)
    : QObject(parent), tabs_(tabs), editor_(editor), store_(std::move(root)) {
  pause_.setSingleShot(true);
  pause_.setInterval(kPauseMs);
  connect(&pause_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
  // Typing must stay cheap: a keystroke only restarts the timer.
  connect(editor_, &Editor::TextEdited, this, &RecoveryKeeper::OnEdited);
  connect(&tabs_, &DocumentTabs::Leaving, this, &RecoveryKeeper::WriteNow);
}

void RecoveryKeeper::OnEdited() {
  changed_ = true;
  pause_.start();
}

// A failed write (a full disk) leaves the older entry in place and the
// document marked as changed, so the next pause tries again.
void RecoveryKeeper::WriteNow() {
  pause_.stop();
  const int slot = tabs_.ActiveSlot();
  if (!changed_ || slot < 0) return;
  const Document& document = tabs_.At(slot);
  if (document.saved) {
    Forget(slot);
    return;
  }
  changed_ =
      !store_
           .Write(slot, {tabs_.Caption(slot), document.file_path,
                         BytesToStore(editor_->Bytes(), document.line_ends)})
           .Succeeded();
}

void RecoveryKeeper::KeepActive() {
  changed_ = true;
  WriteNow();
}

void RecoveryKeeper::Forget(int slot) {
  store_.Remove(slot);
  if (slot == tabs_.ActiveSlot()) changed_ = false;
}

}  // namespace quillory
