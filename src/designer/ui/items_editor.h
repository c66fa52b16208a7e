#pragma once

#include <QPlainTextEdit>

#include <string>

namespace quillory {

// The list entries editor `Itms`: Shift+Enter starts a new line, Enter
// alone commits the text with its lines joined by CR LF.
class ItemsEditor : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ItemsEditor(QWidget* parent);

  // The lines of `text` (CR LF separated) shown one per line.
  void SetText(const std::string& text);

 signals:
  void Committed(const std::string& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillory
