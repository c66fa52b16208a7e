#include "editor/ui/editor.h"

#include <algorithm>

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>

#include "base/text_encoding.h"
#include "base/ui/display_text.h"
#include "editor/editing_guards.h"
#include "editor/snapshot_history.h"
#include "editor/ui/editor_accessible.h"
#include "editor/ui/editor_context_menu.h"
#include "editor/ui/editor_keymap.h"
#include "editor/ui/editor_view.h"
#include "editor/ui/unheld_text_host.h"

namespace quillory {
namespace {

// NOTE: Qt delivers Scintilla's insert and delete notifications through a
// path that counts characters from the start of the text on every edit, so
// each keystroke would cost time in proportion to the caret's position.
// Only the "before" notifications are requested: they carry what the
// program needs and take the cheap path.
constexpr int kModificationMask = QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                  QsciScintillaBase::SC_MOD_BEFOREDELETE;

// Room left after the text for what the user types. Filled exactly, the
// control's buffer would be copied whole into a larger one on the first
// key, a pause of tens of milliseconds on a large file. A megabyte is a
// lot of typing; once it is used up the control grows by a sixth at a
// time, so the room need not grow with the text, whose every byte it
// would add a style byte to.
size_t TypingRoom(size_t text_size) {
  return std::min<size_t>(text_size / 8, 1 << 20) + 4096;
}

// Whether the control would type the key's text and it holds characters
// outside ASCII, where Windows-1252 and Latin-1 part.
bool TypesBeyondAscii(const QKeyEvent& event) {
  const QString text = event.text();
  return !text.isEmpty() && text.front().isPrint() &&
         std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.unicode() > 0x7F; });
}

}  // namespace

Editor::Editor(QWidget* parent) : ByteControl(parent) {
  setObjectName("Rich");
  InstallEditorAccessibility();
  connect(this,
          qOverload<int, int, const char*, int, int, int, int, int, int, int>(
              &QsciScintillaBase::SCN_MODIFIED),
          this,
          [this](int position, int type, const char*, int length, int, int, int,
                 int, int, int) { OnModification(type, position, length); });
  ConfigureView();
  ConfigureDocument(true);
}

Editor::~Editor() = default;

void Editor::ConfigureView() {
  Send(SCI_SETMODEVENTMASK, kModificationMask);
  Send(SCI_SETCOMMANDEVENTS, 0);
  ConfigureEditorView(*this);
}

// Code page, line-end mode and undo are kept per document, so every new or
// reloaded document is set up again.
void Editor::ConfigureDocument(bool utf8) {
  Send(SCI_SETCODEPAGE, utf8 ? SC_CP_UTF8 : 0);
  Send(SCI_SETEOLMODE, SC_EOL_CRLF);
  Send(SCI_SETUNDOCOLLECTION, 0);
  Send(SCI_EMPTYUNDOBUFFER);
}

void Editor::SetBytes(std::string_view bytes) {
  StartBytes(bytes.size(), IsValidUtf8(bytes));
  AppendBytes(bytes);
  EndBytes();
}

void Editor::StartBytes(size_t size, bool utf8) {
  Send(SCI_CLEARALL);
  ConfigureDocument(utf8);
  Send(SCI_ALLOCATE, size + TypingRoom(size));
}

void Editor::AppendBytes(std::string_view bytes) {
  SendText(SCI_APPENDTEXT, bytes.size(), bytes.data());
}

void Editor::EndBytes() {
  Send(SCI_GOTOPOS, 0);
  FlushEdit();
}

void Editor::ReplaceSelection(std::string_view bytes) {
  Send(SCI_TARGETFROMSELECTION);
  SendText(SCI_REPLACETARGET, bytes.size(), bytes.data());
  const long end = Send(SCI_GETTARGETEND);
  Send(SCI_SETEMPTYSELECTION, end);
  // The view may have been scrolled away from the caret, or what went in
  // may run below the view.
  Send(SCI_SCROLLCARET);
  FlushEdit();
}

void Editor::ReplaceRange(int start, int end, std::string_view bytes) {
  Send(SCI_SETTARGETRANGE, start, end);
  SendText(SCI_REPLACETARGET, bytes.size(), bytes.data());
  Send(SCI_SETEMPTYSELECTION, Send(SCI_GETTARGETEND));
  FlushEdit();
}

void Editor::ReleaseDocument(DocumentHandle document) {
  emit DocumentReleased(document);
  Send(SCI_RELEASEDOCUMENT, 0, reinterpret_cast<intptr_t>(document));
}

void Editor::ShowDocument(DocumentHandle document) {
  Send(SCI_SETDOCPOINTER, 0, reinterpret_cast<intptr_t>(document));
  // A document created here starts in UTF-8 with LF line ends; one shown
  // before keeps what it was given.
  Send(SCI_SETEOLMODE, SC_EOL_CRLF);
  Send(SCI_SETUNDOCOLLECTION, 0);
  // The scroll width belongs to the view, not the document: it starts
  // afresh, so a long line of another document leaves no scroll bar here.
  Send(SCI_SETSCROLLWIDTH, 1);
  emit DocumentShown();
}

void Editor::SetStyles(int start, std::string_view styles) {
  if (styles.empty()) return;
  TellPendingInsertion();
  const int end = start + static_cast<int>(styles.size());
  if (HistoryListens()) {
    history_->Notify({ChangeKind::kStyles,
                      start,
                      {{}, StylesInRange(start, end)},
                      {{}, std::string(styles)}});
  }
  SendStyles(start, styles);
}

// NOTE: a change of the whole text is how a document changes its encoding
// (ConvertToUtf8), so after one the bytes are shown as loading shows them.
void Editor::ApplyQuietly(const std::vector<DocumentChange>& changes) {
  TellPendingInsertion();
  applying_quietly_ = true;
  bool whole_text = false;
  for (const DocumentChange& change : changes) {
    const auto at = static_cast<uintptr_t>(change.position);
    if (change.kind == ChangeKind::kText) {
      whole_text |=
          at == 0 && change.before.text.size() == static_cast<size_t>(Length());
      Send(SCI_SETTARGETRANGE, at, at + change.before.text.size());
      SendText(SCI_REPLACETARGET, change.after.text.size(),
               change.after.text.data());
    }
    SetStyles(static_cast<int>(at), change.after.styles);
  }
  applying_quietly_ = false;
  if (whole_text) {
    Send(SCI_SETCODEPAGE, IsValidUtf8(PeekRange(0, Length())) ? SC_CP_UTF8 : 0);
  }
  FlushEdit();
}

void Editor::SetWrapped(bool wrapped) { SetEditorWrapped(*this, wrapped); }

void Editor::SetUnheldTextHost(UnheldTextHost* host) { unheld_host_ = host; }

std::optional<std::string> Editor::BytesToInsert(const QString& text) const {
  EncodedText encoded = EncodeForDocument(text, Encoding());
  if (encoded.unheld && unheld_host_ &&
      unheld_host_->ConvertToHold(*encoded.unheld)) {
    encoded = EncodeForDocument(text, Encoding());
  }
  if (encoded.unheld) return std::nullopt;
  return std::move(encoded.bytes);
}

void Editor::ConvertToUtf8() {
  if (Encoding() == TextEncoding::kUtf8) return;
  const std::string bytes = Bytes();
  const auto moved = [&bytes](long position) {
    const std::string_view before(bytes.data(), static_cast<size_t>(position));
    return static_cast<int>(Windows1252ToUtf8(before).size());
  };
  const int anchor = moved(Send(SCI_GETANCHOR));
  const int caret = moved(Send(SCI_GETCURRENTPOS));
  const int first_line = FirstVisibleLine();
  ReplaceRange(0, Length(), Windows1252ToUtf8(bytes));
  Send(SCI_SETCODEPAGE, SC_CP_UTF8);
  Select(anchor, caret);
  Send(SCI_SETFIRSTVISIBLELINE, first_line);
}

void Editor::SetHistory(SnapshotHistory* history) {
  TellPendingInsertion();
  history_ = history;
}

bool Editor::HistoryListens() const {
  return !applying_quietly_ && history_ && history_->Listening();
}

// NOTE: Scintilla announces an insertion before its bytes are in place and
// without them, so the insertion is told once it is complete: before the
// next change and before the edit is announced.
void Editor::TellHistory(int modification_type, int position, int length) {
  TellPendingInsertion();
  if (modification_type & SC_MOD_BEFOREINSERT) {
    pending_insertion_ = {position, length};
  }
  if (modification_type & SC_MOD_BEFOREDELETE) {
    const int end = position + length;
    history_->Notify(
        {ChangeKind::kText,
         position,
         {BytesInRange(position, end), StylesInRange(position, end)},
         {}});
  }
}

// Inserted bytes start in style 0, as Scintilla gives them.
void Editor::TellPendingInsertion() {
  if (!pending_insertion_) return;
  const auto [position, length] = *pending_insertion_;
  pending_insertion_.reset();
  if (!HistoryListens()) return;
  history_->Notify({ChangeKind::kText,
                    position,
                    {},
                    {BytesInRange(position, position + length),
                     std::string(static_cast<size_t>(length), '\0')}});
}

void Editor::OnModification(int modification_type, int position, int length) {
  if ((modification_type & kModificationMask) == 0) return;
  if (HistoryListens()) TellHistory(modification_type, position, length);
  edit_pending_ = true;
  // Edits from paths without a hook below (a context-menu paste, say) are
  // still announced, once the event that made them is done.
  if (!flush_queued_) {
    flush_queued_ = true;
    QTimer::singleShot(0, this, [this] {
      flush_queued_ = false;
      FlushEdit();
    });
  }
}

void Editor::FlushEdit() {
  TellPendingInsertion();
  if (!edit_pending_) return;
  edit_pending_ = false;
  emit TextEdited();
}

void Editor::keyPressEvent(QKeyEvent* event) {
  if (!ReachesControl(*event)) {
    event->ignore();
    return;
  }
  if (Encoding() == TextEncoding::kWindows1252 && TypesBeyondAscii(*event)) {
    TypeText(event->text());
    event->accept();
  } else {
    QsciScintillaBase::keyPressEvent(event);
  }
  FlushEdit();
}

void Editor::inputMethodEvent(QInputMethodEvent* event) {
  if (Encoding() == TextEncoding::kWindows1252 &&
      !event->commitString().isEmpty()) {
    TypeText(event->commitString());
    event->accept();
  } else {
    QsciScintillaBase::inputMethodEvent(event);
  }
  FlushEdit();
}

// NOTE: QScintilla types into an 8-bit document through Latin-1, which has
// no "€" and makes it "?". The document's own bytes go in instead, as the
// Latin-1 code units of a composed text: the control's input-method path
// types them as keys are typed (over the selection, in overtype mode) and,
// unlike its key path, has no printable-character test that bytes 0x80 to
// 0x9F would fail.
void Editor::TypeText(const QString& text) {
  const std::optional<std::string> bytes = BytesToInsert(text);
  if (!bytes) return;
  QInputMethodEvent typed;
  typed.setCommitString(
      Encoding() == TextEncoding::kUtf8
          ? text
          : QString::fromLatin1(bytes->data(),
                                static_cast<qsizetype>(bytes->size())));
  QsciScintillaBase::inputMethodEvent(&typed);
}

void Editor::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void Editor::dragMoveEvent(QDragMoveEvent* event) {
  const ScopedFlag dragging(dragging_);
  QsciScintillaBase::dragMoveEvent(event);
}

void Editor::dropEvent(QDropEvent* event) {
  if (!AcceptsDrop(*event)) {
    event->ignore();
    return;
  }
  QsciScintillaBase::dropEvent(event);
  FlushEdit();
}

// Text the document cannot hold is asked about before it drops. Converting
// the document moves the bytes, so the drop place is then found anew.
bool Editor::AcceptsDrop(const QDropEvent& event) {
  const QMimeData* data = event.mimeData();
  if (data->hasUrls() || !data->hasText()) return true;
  const TextEncoding before = Encoding();
  if (!BytesToInsert(data->text())) return false;
  if (Encoding() != before) {
    QDragMoveEvent again(event.position().toPoint(), event.possibleActions(),
                         data, event.buttons(), event.modifiers());
    dragMoveEvent(&again);
  }
  return true;
}

void Editor::mouseReleaseEvent(QMouseEvent* event) {
  QsciScintillaBase::mouseReleaseEvent(event);
  FlushEdit();
}

void Editor::SetContextActions(QList<QAction*> actions) {
  context_actions_ = std::move(actions);
}

void Editor::contextMenuEvent(QContextMenuEvent* event) {
  ShowEditorContextMenu(*this, context_actions_, event->globalPos());
  FlushEdit();
}

// NOTE: Qt asks through a const method whether a paste may go in, yet the
// answer may convert the document first: the host does that through its
// own hold of the editor. While text is only dragged over, the drop asks.
bool Editor::canInsertFromMimeData(const QMimeData* source) const {
  if (!QsciScintillaBase::canInsertFromMimeData(source)) return false;
  return dragging_ || BytesToInsert(source->text()).has_value();
}

QByteArray Editor::fromMimeData(const QMimeData* source,
                                bool& rectangular) const {
  QByteArray bytes = QsciScintillaBase::fromMimeData(source, rectangular);
  if (Encoding() == TextEncoding::kUtf8) return bytes;
  return QByteArray::fromStdString(
      EncodeForDocument(source->text(), Encoding()).bytes);
}

QMimeData* Editor::toMimeData(const QByteArray& text, bool rectangular) const {
  QMimeData* mime = QsciScintillaBase::toMimeData(text, rectangular);
  mime->setText(DecodeFromDocument(
      std::string_view(text.constData(), static_cast<size_t>(text.size())),
      Encoding()));
  return mime;
}

}  // namespace quillory
