#include "editor/ui/editor_accessible.h"

#include <QAccessibleWidget>

#include "base/ui/display_text.h"
#include "editor/ui/editor.h"

namespace quillory {
namespace {

// Offsets are characters for assistive tools and bytes for Scintilla; the
// conversion walks the text, which is acceptable only because it happens on
// request, never on the editing path.
class EditorAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface {
 public:
  explicit EditorAccessible(Editor* editor)
      : QAccessibleWidget(editor, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Decode(0, editor()->Length());
    return QAccessibleWidget::text(t);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || editor()->SelectionStart() == editor()->SelectionEnd()) {
      return;
    }
    *start = ToOffset(editor()->SelectionStart());
    *end = ToOffset(editor()->SelectionEnd());
  }
  int selectionCount() const override {
    return editor()->SelectionStart() == editor()->SelectionEnd() ? 0 : 1;
  }
  void addSelection(int start, int end) override {
    setSelection(0, start, end);
  }
  void removeSelection(int) override {
    editor()->Select(editor()->Caret(), editor()->Caret());
  }
  void setSelection(int, int start, int end) override {
    editor()->Select(ToPosition(start), ToPosition(end));
  }
  int cursorPosition() const override { return ToOffset(editor()->Caret()); }
  void setCursorPosition(int offset) override {
    const int position = ToPosition(offset);
    editor()->Select(position, position);
  }
  QString text(int start, int end) const override {
    return Decode(ToPosition(start), ToPosition(end));
  }
  int characterCount() const override { return ToOffset(editor()->Length()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  Editor* editor() const { return static_cast<Editor*>(widget()); }

  int ToOffset(int position) const {
    return static_cast<int>(editor()->SendScintilla(
        QsciScintillaBase::SCI_COUNTCHARACTERS, 0UL, long{position}));
  }
  int ToPosition(int offset) const {
    return static_cast<int>(editor()->SendScintilla(
        QsciScintillaBase::SCI_POSITIONRELATIVE, 0UL, long{offset}));
  }
  QString Decode(int start, int end) const {
    return DecodeFromDocument(editor()->BytesInRange(start, end),
                              editor()->Encoding());
  }
};

QAccessibleInterface* EditorFactory(const QString& class_name,
                                    QObject* object) {
  if (class_name != QLatin1String(Editor::staticMetaObject.className())) {
    return nullptr;
  }
  auto* editor = qobject_cast<Editor*>(object);
  return editor ? new EditorAccessible(editor) : nullptr;
}

}  // namespace

void InstallEditorAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(EditorFactory);
}

}  // namespace quillory
