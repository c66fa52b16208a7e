#include "app/ui/change_handler.h"

#include "app/ui/document_tabs.h"
#include "app/ui/modified_marker.h"
#include "editor/ui/editor.h"
#include "editor/ui/highlighter.h"

namespace quillory {

ChangeHandler::ChangeHandler(Editor* rich, HtmlParse& highlighter,
                             DocumentTabs& tabs, const EditingGuards& guards,
                             QObject* parent)
    : QObject(parent),
      rich_(rich),
      highlighter_(highlighter),
      tabs_(tabs),
      guards_(guards) {
  connect(rich_, &Editor::TextEdited, this, &ChangeHandler::OnChange);
}

// NOTE: the snapshot is taken after the colouring, so a level holds the
// colours the user saw. The colouring needs no redraw switch: the editor
// repaints only once control returns to the event loop.
void ChangeHandler::OnChange() {
  const int slot = tabs_.ActiveSlot();
  if (guards_.Quiet() || slot < 0) return;
  highlighter_.ParseCodeFromRich(*rich_);
  MarkUnsaved(slot);
  tabs_.History(slot).Record();
}

void ChangeHandler::MarkUnsaved(int slot) {
  Document& document = tabs_.At(slot);
  if (!document.saved) return;
  document.saved = false;
  tabs_.SetIcon(slot, WithModifiedMarker(tabs_.Icon(slot)));
}

}  // namespace quillory
