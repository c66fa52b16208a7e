#include "editor/ui/editor_context_menu.h"

#include <Qsci/qsciscintillabase.h>

#include <QCoreApplication>
#include <QMenu>

namespace quillory {
namespace {

// The toolkit's own text controls use these words, so its translations
// already hold them in every interface language it ships.
constexpr char kTranslationContext[] = "QWidgetTextControl";

void AddEntry(QMenu& menu, QsciScintillaBase& editor, const char* caption,
              unsigned int message, bool enabled) {
  QAction* action =
      menu.addAction(QCoreApplication::translate(kTranslationContext, caption),
                     [&editor, message] { editor.SendScintilla(message); });
  action->setEnabled(enabled);
}

}  // namespace

void ShowEditorContextMenu(QsciScintillaBase& editor,
                           const QList<QAction*>& leading, QPoint at) {
  const bool writable =
      editor.SendScintilla(QsciScintillaBase::SCI_GETREADONLY) == 0;
  const bool selected =
      editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEMPTY) == 0;
  QMenu menu(&editor);
  menu.addActions(leading);
  if (!leading.isEmpty()) menu.addSeparator();
  AddEntry(menu, editor, "Cu&t", QsciScintillaBase::SCI_CUT,
           selected && writable);
  AddEntry(menu, editor, "&Copy", QsciScintillaBase::SCI_COPY, selected);
  AddEntry(menu, editor, "&Paste", QsciScintillaBase::SCI_PASTE,
           writable && editor.SendScintilla(QsciScintillaBase::SCI_CANPASTE));
  AddEntry(menu, editor, "Delete", QsciScintillaBase::SCI_CLEAR,
           selected && writable);
  menu.addSeparator();
  AddEntry(menu, editor, "Select All", QsciScintillaBase::SCI_SELECTALL,
           editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH) > 0);
  menu.exec(at);
}

}  // namespace quillory
