#include "editor/ui/caret_place_finder.h"

#include <algorithm>

#include "editor/lone_line_ends.h"
#include "editor/ui/editor.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

// More edits than this between two announcements rescan the whole text.
constexpr size_t kEditsChecked = 2;

}  // namespace

CaretPlaceFinder::CaretPlaceFinder(Editor* rich) : rich_(rich) {
  connect(rich,
          qOverload<int, int, const char*, int, int, int, int, int, int, int>(
              &Sci::SCN_MODIFIED),
          this,
          [this](int position, int type, const char*, int length, int, int, int,
                 int, int, int) { OnModified(position, type, length); });
  connect(rich, &Editor::TextEdited, this, &CaretPlaceFinder::Settle);
  connect(rich, &Editor::DocumentReleased, this,
          [this](void* document) { lone_ends_.erase(document); });
}

CaretPlace CaretPlaceFinder::PlaceOf(int caret) {
  Settle();
  void* document = rich_->CurrentDocument();
  if (!lone_ends_.contains(document)) lone_ends_[document] = ScanWhole();
  if (lone_ends_[document]) {
    return PlaceOfCaret(rich_->PeekRange(0, caret), caret);
  }
  const long line = rich_->SendScintilla(Sci::SCI_LINEFROMPOSITION, caret);
  return {line + 1,
          caret - rich_->SendScintilla(Sci::SCI_POSITIONFROMLINE, line)};
}

void CaretPlaceFinder::OnModified(int position, int type, int length) {
  if (pending_.size() > kEditsChecked) return;
  void* document = rich_->CurrentDocument();
  if (type & Sci::SC_MOD_BEFOREINSERT) {
    pending_.push_back({document, position, length});
  }
  if (type & Sci::SC_MOD_BEFOREDELETE) {
    pending_.push_back({document, position, 0});
  }
}

// Two edits at most are checked where they happened; an edit can make a
// line end lone only at its own bytes or the ones on either side.
void CaretPlaceFinder::Settle() {
  if (pending_.empty()) return;
  void* document = rich_->CurrentDocument();
  const bool local =
      pending_.size() <= kEditsChecked &&
      std::all_of(pending_.begin(), pending_.end(),
                  [document](const Edit& e) { return e.document == document; });
  auto known = lone_ends_.find(document);
  if (!local || known == lone_ends_.end()) {
    lone_ends_[document] = ScanWhole();
  } else if (!known->second) {
    known->second =
        std::any_of(pending_.begin(), pending_.end(),
                    [this](const Edit& e) { return LoneEndNear(e); });
  }
  pending_.clear();
}

bool CaretPlaceFinder::LoneEndNear(const Edit& edit) const {
  const int length = rich_->Length();
  const int from = std::max(0, edit.position - 2);
  const int to = std::min(length, edit.position + edit.inserted + 2);
  const std::string_view near = rich_->PeekRange(from, to);
  if (near.empty()) return false;
  return HasLoneLineEnd(near, Extent::kSlice) ||
         (from == 0 && near.front() == '\n') ||
         (to == length && near.back() == '\r');
}

bool CaretPlaceFinder::ScanWhole() const {
  return HasLoneLineEnd(rich_->PeekRange(0, rich_->Length()), Extent::kWhole);
}

}  // namespace quillory
