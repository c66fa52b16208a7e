#include "editor/ui/completion_popup.h"

#include <QKeyEvent>
#include <QScreen>

#include <utility>

#include "editor/completion_list.h"
#include "editor/completion_placement.h"
#include "editor/ui/editor.h"
#include "editor/ui/line_gutter.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

constexpr QSize kListSize(160, 180);

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
bool IsUpDown(int key) { return key == Qt::Key_Up || key == Qt::Key_Down; }

}  // namespace

CompletionPopup::CompletionPopup(Editor* rich, const EditingGuards& guards,
                                 std::function<bool()> offered)
    : QListWidget(rich->parentWidget()),
      rich_(rich),
      guards_(guards),
      offered_(std::move(offered)) {
  setObjectName("SyntaxHTML");
  setFocusPolicy(Qt::NoFocus);
  resize(kListSize);
  hide();
  rich->installEventFilter(this);
  // The character, not the physical key: "<" sits on different keys in
  // different layouts.
  connect(rich, &Sci::SCN_CHARADDED, this,
          [this](int character) { less_than_typed_ = character == '<'; });
  connect(rich, &Sci::SCN_UPDATEUI, this, [this](int updated) {
    if (updated & Sci::SC_UPDATE_SELECTION) CloseIfBroken();
  });
  // The start belongs to the document the list was opened in, and the checks
  // that would close it are silenced while documents are swapped or loaded.
  connect(rich, &Editor::DocumentShown, this, &CompletionPopup::Hide);
  connect(this, &QListWidget::itemDoubleClicked, this, [this] {
    if (shown_) Choose();
  });
}

void CompletionPopup::Load(const std::string& path) {
  clear();
  entries_ = LoadCompletionList(path);
  for (const std::string& entry : entries_) {
    addItem(QString::fromLatin1(entry.data(), entry.size()));
  }
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == rich_ && event->type() == QEvent::KeyPress) {
    return OnKeyPress(static_cast<QKeyEvent*>(event)->key());
  }
  if (watched == rich_ && event->type() == QEvent::KeyRelease) {
    return OnKeyRelease(static_cast<QKeyEvent*>(event)->key());
  }
  return QListWidget::eventFilter(watched, event);
}

bool CompletionPopup::OnKeyPress(int key) {
  if (!shown_) return false;
  if (IsEnter(key)) {
    Choose();
    return true;
  }
  if (IsUpDown(key)) {
    Step(key);
    return true;
  }
  if (key == Qt::Key_Escape) {
    Hide();
    return true;
  }
  return false;
}

bool CompletionPopup::OnKeyRelease(int key) {
  if (shown_ && IsUpDown(key)) return true;
  CloseIfBroken();
  if (less_than_typed_) {
    less_than_typed_ = false;
    if (offered_()) Open();
  }
  if (shown_) Follow();
  return false;
}

void CompletionPopup::Open() {
  const long caret = rich_->Caret();
  setCurrentRow(-1);
  clearSelection();
  setGeometry(PlaceAt(caret));
  show();
  raise();
  start_ = caret;
  shown_ = true;
}

// Under the caret by the gutter's text size, as far as the text area right
// of the margins and the screen leave room; above the caret's line where
// they do not.
QRect CompletionPopup::PlaceAt(long caret) const {
  const long margin = rich_->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL);
  const QPoint at(
      rich_->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, caret) - margin,
      rich_->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, caret));
  const QSize gutter_text = LineGutter::TextSize(rich_);
  const QPoint wanted = rich_->geometry().topLeft() + at +
                        QPoint(gutter_text.width(), gutter_text.height());
  const QWidget* text_area = rich_->viewport();
  const QRect screen = text_area->screen()->availableGeometry();
  // The viewport holds the margins too; the list covers none of them.
  long text_left = rich_->SendScintilla(Sci::SCI_GETMARGINLEFT);
  const long margins = rich_->SendScintilla(Sci::SCI_GETMARGINS);
  for (unsigned long m = 0; m < static_cast<unsigned long>(margins); ++m) {
    text_left += rich_->SendScintilla(Sci::SCI_GETMARGINWIDTHN, m);
  }
  const QRect bounds =
      QRect(text_area->mapTo(parentWidget(), QPoint()), text_area->size())
          .adjusted(static_cast<int>(text_left), 0, 0, 0)
          .intersected(QRect(parentWidget()->mapFromGlobal(screen.topLeft()),
                             screen.size()));
  const PixelRect placed = PlaceCompletionList(
      {wanted.x(), wanted.y(), kListSize.width(), kListSize.height()},
      text_area->mapTo(parentWidget(), QPoint(0, at.y())).y(),
      {bounds.x(), bounds.y(), bounds.width(), bounds.height()});
  return {placed.left, placed.top, placed.width, placed.height};
}

void CompletionPopup::Follow() {
  const std::string prefix =
      rich_->BytesInRange(static_cast<int>(start_), rich_->Caret());
  if (const auto found = FindCompletionByPrefix(entries_, prefix)) {
    setCurrentRow(static_cast<int>(*found));
  }
}

void CompletionPopup::CloseIfBroken() {
  if (!shown_ || guards_.parsing_now) return;
  const int caret = rich_->SelectionStart();
  const int from = std::max(0, static_cast<int>(start_) - 1);
  const int to = std::max(caret, static_cast<int>(start_));
  // Only the bytes from the "<" to the caret decide; the text is read as if
  // it began at the "<".
  const std::string near = rich_->BytesInRange(from, to);
  const int64_t start_in_near = start_ - from;
  const bool start_in_text = start_ <= rich_->Length() && start_ >= 1;
  if (!start_in_text || CompletionBroken(near, start_in_near, caret - from)) {
    Hide();
  }
}

void CompletionPopup::Choose() {
  rich_->Select(static_cast<int>(start_), rich_->Caret());
  QListWidgetItem* entry = currentRow() >= 0 ? currentItem() : nullptr;
  const QByteArray text = entry ? entry->text().toLatin1() : QByteArray();
  Hide();
  rich_->ReplaceSelection(std::string_view(text.data(), text.size()));
}

void CompletionPopup::Hide() {
  hide();
  shown_ = false;
}

void CompletionPopup::Step(int key) {
  std::optional<size_t> selected;
  if (currentRow() >= 0) selected = static_cast<size_t>(currentRow());
  const std::optional<size_t> next =
      StepCompletion(selected, entries_.size(),
                     key == Qt::Key_Down ? ListStep::kDown : ListStep::kUp);
  if (next) setCurrentRow(static_cast<int>(*next));
}

}  // namespace quillory
