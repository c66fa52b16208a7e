#include "editor/ui/editor_keymap.h"

#include <Qsci/qsciscintillabase.h>

#include <QKeyEvent>

#include <array>
#include <optional>

namespace quillory {
namespace {

using S = QsciScintillaBase;

struct Binding {
  int key;        // SCK_* or an upper-case letter
  int modifiers;  // SCMOD_*
  int message;
};

constexpr int kShift = S::SCMOD_SHIFT;
constexpr int kCtrl = S::SCMOD_CTRL;

constexpr std::array kBindings = {
    Binding{S::SCK_DOWN, 0, S::SCI_LINEDOWN},
    Binding{S::SCK_DOWN, kShift, S::SCI_LINEDOWNEXTEND},
    Binding{S::SCK_DOWN, kCtrl, S::SCI_LINESCROLLDOWN},
    Binding{S::SCK_UP, 0, S::SCI_LINEUP},
    Binding{S::SCK_UP, kShift, S::SCI_LINEUPEXTEND},
    Binding{S::SCK_UP, kCtrl, S::SCI_LINESCROLLUP},
    Binding{S::SCK_LEFT, 0, S::SCI_CHARLEFT},
    Binding{S::SCK_LEFT, kShift, S::SCI_CHARLEFTEXTEND},
    Binding{S::SCK_LEFT, kCtrl, S::SCI_WORDLEFT},
    Binding{S::SCK_LEFT, kCtrl | kShift, S::SCI_WORDLEFTEXTEND},
    Binding{S::SCK_RIGHT, 0, S::SCI_CHARRIGHT},
    Binding{S::SCK_RIGHT, kShift, S::SCI_CHARRIGHTEXTEND},
    Binding{S::SCK_RIGHT, kCtrl, S::SCI_WORDRIGHT},
    Binding{S::SCK_RIGHT, kCtrl | kShift, S::SCI_WORDRIGHTEXTEND},
    Binding{S::SCK_HOME, 0, S::SCI_VCHOME},
    Binding{S::SCK_HOME, kShift, S::SCI_VCHOMEEXTEND},
    Binding{S::SCK_HOME, kCtrl, S::SCI_DOCUMENTSTART},
    Binding{S::SCK_HOME, kCtrl | kShift, S::SCI_DOCUMENTSTARTEXTEND},
    Binding{S::SCK_END, 0, S::SCI_LINEEND},
    Binding{S::SCK_END, kShift, S::SCI_LINEENDEXTEND},
    Binding{S::SCK_END, kCtrl, S::SCI_DOCUMENTEND},
    Binding{S::SCK_END, kCtrl | kShift, S::SCI_DOCUMENTENDEXTEND},
    Binding{S::SCK_PRIOR, 0, S::SCI_PAGEUP},
    Binding{S::SCK_PRIOR, kShift, S::SCI_PAGEUPEXTEND},
    Binding{S::SCK_NEXT, 0, S::SCI_PAGEDOWN},
    Binding{S::SCK_NEXT, kShift, S::SCI_PAGEDOWNEXTEND},
    Binding{S::SCK_DELETE, 0, S::SCI_CLEAR},
    Binding{S::SCK_DELETE, kCtrl, S::SCI_DELWORDRIGHT},
    Binding{S::SCK_DELETE, kShift, S::SCI_CUT},
    Binding{S::SCK_INSERT, kShift, S::SCI_PASTE},
    Binding{S::SCK_INSERT, kCtrl, S::SCI_COPY},
    Binding{S::SCK_BACK, 0, S::SCI_DELETEBACK},
    Binding{S::SCK_BACK, kShift, S::SCI_DELETEBACK},
    Binding{S::SCK_BACK, kCtrl, S::SCI_DELWORDLEFT},
    Binding{S::SCK_ESCAPE, 0, S::SCI_CANCEL},
    Binding{S::SCK_RETURN, 0, S::SCI_NEWLINE},
    Binding{S::SCK_TAB, 0, S::SCI_TAB},
    Binding{S::SCK_TAB, kShift, S::SCI_BACKTAB},
    Binding{'A', kCtrl, S::SCI_SELECTALL},
    Binding{'C', kCtrl, S::SCI_COPY},
    Binding{'X', kCtrl, S::SCI_CUT},
    Binding{'V', kCtrl, S::SCI_PASTE},
};

std::optional<int> ScintillaKey(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Down:
      return S::SCK_DOWN;
    case Qt::Key_Up:
      return S::SCK_UP;
    case Qt::Key_Left:
      return S::SCK_LEFT;
    case Qt::Key_Right:
      return S::SCK_RIGHT;
    case Qt::Key_Home:
      return S::SCK_HOME;
    case Qt::Key_End:
      return S::SCK_END;
    case Qt::Key_PageUp:
      return S::SCK_PRIOR;
    case Qt::Key_PageDown:
      return S::SCK_NEXT;
    case Qt::Key_Delete:
      return S::SCK_DELETE;
    case Qt::Key_Insert:
      return S::SCK_INSERT;
    case Qt::Key_Backspace:
      return S::SCK_BACK;
    default:
      break;
  }
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key;
  return std::nullopt;
}

int ScintillaModifiers(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) bits |= S::SCMOD_SHIFT;
  if (modifiers.testFlag(Qt::ControlModifier)) bits |= S::SCMOD_CTRL;
  if (modifiers.testFlag(Qt::AltModifier)) bits |= S::SCMOD_ALT;
  if (modifiers.testFlag(Qt::MetaModifier)) bits |= S::SCMOD_META;
  return bits;
}

}  // namespace

void InstallEditorKeymap(QsciScintillaBase& control) {
  control.SendScintilla(S::SCI_CLEARALLCMDKEYS);
  for (const Binding& binding : kBindings) {
    control.SendScintilla(
        S::SCI_ASSIGNCMDKEY,
        static_cast<unsigned long>(binding.key + (binding.modifiers << 16)),
        static_cast<long>(binding.message));
  }
}

bool ReachesControl(const QKeyEvent& event) {
  constexpr Qt::KeyboardModifiers kCommandModifiers =
      Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (!(event.modifiers() & kCommandModifiers)) return true;
  const std::optional<int> key = ScintillaKey(event.key());
  if (!key) return false;
  const int modifiers = ScintillaModifiers(event.modifiers());
  for (const Binding& binding : kBindings) {
    if (binding.key == *key && binding.modifiers == modifiers) return true;
  }
  return false;
}

}  // namespace quillory
