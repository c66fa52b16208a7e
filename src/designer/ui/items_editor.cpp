#include "designer/ui/items_editor.h"

#include <QKeyEvent>

namespace quillory {

ItemsEditor::ItemsEditor(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("Itms");
  setToolTip("To add new line press Shift + Enter");
}

void ItemsEditor::SetText(const std::string& text) {
  setPlainText(QString::fromStdString(text).replace("\r\n", "\n"));
}

// NOTE: Shift+Enter goes in as a plain line feed, not the editor's own
// soft line break, so every line the user starts is an entry.
void ItemsEditor::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  if (event->modifiers() & Qt::ShiftModifier) {
    insertPlainText("\n");
    return;
  }
  emit Committed(toPlainText().replace("\n", "\r\n").toStdString());
}

}  // namespace quillory
