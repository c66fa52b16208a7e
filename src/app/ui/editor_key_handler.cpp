#include "app/ui/editor_key_handler.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <utility>

#include "app/ui/change_handler.h"
#include "app/ui/document_tabs.h"
#include "base/lang_table.h"
#include "editor/editing_guards.h"
#include "editor/status_line.h"
#include "editor/ui/completion_popup.h"
#include "editor/ui/editor.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/highlighter.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

EditorKey KeyOf(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return EditorKey::kEnter;
    case Qt::Key_Up:
      return EditorKey::kUp;
    case Qt::Key_Down:
      return EditorKey::kDown;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return EditorKey::kTab;
    case Qt::Key_PageUp:
      return EditorKey::kPageUp;
    case Qt::Key_PageDown:
      return EditorKey::kPageDown;
    case Qt::Key_Space:
      return EditorKey::kSpace;
    case Qt::Key_V:
      return EditorKey::kV;
    case Qt::Key_B:
      return EditorKey::kB;
    default:
      break;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_6) {
    return static_cast<EditorKey>(static_cast<int>(EditorKey::kDigit1) +
                                  (key - Qt::Key_1));
  }
  return EditorKey::kOther;
}

bool LeftToCompletion(KeyAction action) {
  return action == KeyAction::kCompletionInsert ||
         action == KeyAction::kCompletionMove;
}

}  // namespace

EditorKeyHandler::EditorKeyHandler(EditorKeysHost host, ChangeHandler& change,
                                   QObject* parent)
    : QObject(parent),
      host_(std::move(host)),
      change_(change),
      places_(&host_.rich) {
  host_.rich.installEventFilter(this);
  host_.rich.viewport()->installEventFilter(this);
  FollowEveryChange();
}

// Find, the tools, the designer and the other windows move the caret or
// change the text without a key: the control tells of each such change
// once before it paints, and of an edit at once.
void EditorKeyHandler::FollowEveryChange() {
  connect(&host_.rich, &Sci::SCN_UPDATEUI, this, [this](int updated) {
    if (updated & (Sci::SC_UPDATE_CONTENT | Sci::SC_UPDATE_SELECTION)) {
      UpdateStatus();
    }
  });
  connect(&host_.rich, &Editor::TextEdited, this,
          &EditorKeyHandler::UpdateStatus);
  connect(&host_.tabs, &DocumentTabs::Switched, this,
          &EditorKeyHandler::UpdateStatus);
  connect(&host_.tabs, &DocumentTabs::AllFreed, this,
          [this] { host_.set_status(""); });
}

bool EditorKeyHandler::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      const KeyAction action = Decide(*static_cast<QKeyEvent*>(event)).action;
      if (action == KeyAction::kPass || LeftToCompletion(action)) break;
      event->accept();
      return true;
    }
    case QEvent::KeyPress:
      UpdateStatus();
      return Run(Decide(*static_cast<QKeyEvent*>(event)));
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
      UpdateStatus();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

KeyDecision EditorKeyHandler::Decide(const QKeyEvent& event) const {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const KeyPress press{
      KeyOf(event.key()),
      event.key() == Qt::Key_Backtab || modifiers.testFlag(Qt::ShiftModifier),
      modifiers.testFlag(Qt::ControlModifier)};
  return DecideKey(press, host_.completion.CompletionShown());
}

bool EditorKeyHandler::Run(KeyDecision decision) {
  Editor& rich = host_.rich;
  switch (decision.action) {
    case KeyAction::kPass:
    case KeyAction::kCompletionInsert:
    case KeyAction::kCompletionMove:
      return false;
    case KeyAction::kParagraphPair:
      Insert2Tag(rich, "P");
      break;
    case KeyAction::kNextTab:
    case KeyAction::kPreviousTab:
      SwitchTab(decision.action);
      break;
    case KeyAction::kHeadingPair:
      Insert2Tag(rich, "H" + std::to_string(decision.heading_level));
      break;
    case KeyAction::kPastePlainText:
      PastePlainText();
      break;
    case KeyAction::kLineBreakTag:
      rich.ReplaceSelection("<BR>");
      break;
    case KeyAction::kNonBreakingSpace:
      rich.ReplaceSelection("&nbsp;");
      break;
    case KeyAction::kBoldButton:
      BoldButton(rich);
      break;
    case KeyAction::kIndentedLineBreak:
      BreakLineIndented(rich);
      break;
    case KeyAction::kTabbedSelection:
      TabSelection(rich);
      break;
  }
  return true;
}

void EditorKeyHandler::SwitchTab(KeyAction direction) {
  DocumentTabs& tabs = host_.tabs;
  const PresentTabs present = tabs.Present();
  const int current = tabs.ActiveSlot();
  const std::optional<int> next = direction == KeyAction::kNextTab
                                      ? NextPresentTab(present, current)
                                      : PreviousPresentTab(present, current);
  if (next) tabs.Activate(*next);
}

// The clipboard's formatting never reaches the document: only its plain
// text goes in, coloured as a range, and the change handling runs once.
void EditorKeyHandler::PastePlainText() {
  Editor& rich = host_.rich;
  const std::optional<std::string> text =
      rich.BytesToInsert(QGuiApplication::clipboard()->text());
  if (!text) return;
  {
    const ScopedFlag parsing(host_.guards.parsing_now);
    const int caret = rich.SelectionStart();
    rich.ReplaceSelection("");
    rich.ReplaceSelection(*text);
    host_.highlighter.SetForParsing(rich, caret + 1,
                                    caret + static_cast<int64_t>(text->size()));
  }
  change_.OnChange();
}

// Silent while a document loads or is put back, which tell their own
// progress on the status line.
void EditorKeyHandler::UpdateStatus() {
  if (host_.guards.Quiet() || host_.tabs.ActiveSlot() < 0) return;
  const Editor& rich = host_.rich;
  const int caret = rich.SelectionStart();
  host_.set_status(StatusCaption(host_.lang, places_.PlaceOf(caret),
                                 rich.SelectionEnd() - rich.SelectionStart()));
}

}  // namespace quillory
