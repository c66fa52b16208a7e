#pragma once

#include <QList>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text_encoding.h"
#include "editor/styled_change.h"
#include "editor/ui/byte_control.h"

class QAction;

namespace quillory {

class SnapshotHistory;
class UnheldTextHost;

// The one editing control (`Rich`). It holds a document's bytes exactly:
// text goes in and out only through byte-level messages with explicit
// lengths, never through QString, so NUL bytes and invalid UTF-8 survive.
// Positions are 0-based byte offsets.
//
// Scintilla's own undo and lexing are off: colouring and undo belong to the
// program. Every change of the text, by the user or through this class, is
// announced once by TextEdited() after it is complete, and told to the
// shown document's undo history with the bytes and styles it replaced.
//
// Text a person enters (typed, composed, pasted, dropped) goes in as the
// bytes of the document's encoding, never as a "?" for a character that
// encoding lacks: the host decides about such text.
class Editor : public ByteControl {
  Q_OBJECT

 public:
  explicit Editor(QWidget* parent = nullptr);
  ~Editor() override;

  // Replaces the whole text, shown as UTF-8 when the bytes are valid UTF-8
  // and as 8-bit text otherwise; the bytes themselves are kept as given.
  void SetBytes(std::string_view bytes);
  // SetBytes for bytes that come a piece at a time, so they need not all be
  // in memory besides the editor's own copy: `size` is what they will add
  // up to and `utf8` whether they are valid UTF-8 together.
  void StartBytes(size_t size, bool utf8);
  void AppendBytes(std::string_view bytes);
  void EndBytes();
  // Inserts at the caret when nothing is selected; the caret ends after it,
  // in view.
  void ReplaceSelection(std::string_view bytes);
  // Replaces bytes `start` to `end`; the caret ends after the new ones.
  void ReplaceRange(int start, int end, std::string_view bytes);

  void ReleaseDocument(DocumentHandle document);
  // Shows `document` without copying it; the one shown before keeps its
  // text and styles in its own handle.
  void ShowDocument(DocumentHandle document);
  // Gives the bytes from `start` on the styles in `styles`, one per byte.
  void SetStyles(int start, std::string_view styles);

  // The history that hears of every change of the shown document; none
  // while no document is open. A history without a base or levels is not
  // told, as it keeps nothing of the document anyway.
  void SetHistory(SnapshotHistory* history);
  // Applies the changes an undo or redo orders, without telling the
  // history that ordered them.
  void ApplyQuietly(const std::vector<DocumentChange>& changes);

  // Wrapped lines end at the window's edge; unwrapped ones run on. The
  // lines in view change at the next paint, the others while the window
  // is idle.
  void SetWrapped(bool wrapped);

  // Asked when text would go in that the document cannot hold; without a
  // host such text is refused.
  void SetUnheldTextHost(UnheldTextHost* host);
  // `text` as the bytes that put it into the shown document. When the
  // document's encoding lacks one of its characters, the host may convert
  // the document to UTF-8 first; nothing when it did not, and then nothing
  // may go in.
  std::optional<std::string> BytesToInsert(const QString& text) const;
  // Re-encodes an 8-bit document as UTF-8 in one change that its history
  // hears of, and shows it as UTF-8; the selection and the first visible
  // line stay on the same characters.
  void ConvertToUtf8();
  // Shown first in the right-click menu.
  void SetContextActions(QList<QAction*> actions);

 signals:
  void TextEdited();
  // Before the document's handle is given back and may be reused.
  void DocumentReleased(void* document);
  // After another document, or the same one anew, is put on show: places
  // held in the one shown before mean nothing in it.
  void DocumentShown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  QByteArray fromMimeData(const QMimeData* source,
                          bool& rectangular) const override;
  QMimeData* toMimeData(const QByteArray& text,
                        bool rectangular) const override;

 private:
  void ConfigureView();
  void ConfigureDocument(bool utf8);
  void OnModification(int modification_type, int position, int length);
  bool HistoryListens() const;
  void TellHistory(int modification_type, int position, int length);
  void TellPendingInsertion();
  void FlushEdit();
  void TypeText(const QString& text);
  bool AcceptsDrop(const QDropEvent& event);

  UnheldTextHost* unheld_host_ = nullptr;
  QList<QAction*> context_actions_;
  bool dragging_ = false;
  bool edit_pending_ = false;
  bool flush_queued_ = false;
  SnapshotHistory* history_ = nullptr;
  bool applying_quietly_ = false;
  // Position and length of an insertion not yet told to the history.
  std::optional<std::pair<int, int>> pending_insertion_;
};

}  // namespace quillory
