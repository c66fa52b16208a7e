#pragma once

#include <QDialog>

#include <string_view>
#include <utility>
#include <vector>

#include "insert/element_dialog.h"

class QGridLayout;
class QLineEdit;
class QWidget;

namespace quillory {

class Dialogs;
class Editor;
class HtmlParse;
class NamedCaptions;

// What the element dialog works on: the active editor and its highlighter,
// the dialogs that say why nothing went in, and the captions it reads.
struct ElementDialogHost {
  Editor& rich;
  HtmlParse& highlighter;
  Dialogs& dialogs;
  const NamedCaptions& captions;
};

// The element dialog (`NewTag`): renders the rows of an ElementDialog, keeps
// them in step with what the user types, and on "OK" inserts the markup at
// the editor's caret and has it coloured. Touches no other document state.
// It is titled after what it inserts and opens with the focus in its
// first field.
class NewTag : public QDialog {
  Q_OBJECT

 public:
  explicit NewTag(ElementDialogHost host, QWidget* parent = nullptr);

  void StartForm(ElementGroup group, int num);
  // Inserts at once, without the dialog being shown, a template that has no
  // marker or an unclosed first one; Hhm() then says so.
  void StartFromTree(std::string_view element, std::string_view text);
  bool Hhm() const { return model_.Hhm(); }

 private:
  // Wide enough that the window manager need not cut the title.
  void SetTitle(const QString& title);
  void ShowRows();
  QWidget* ValueCell(size_t row, const DialogRow& cell);
  void OnOk();
  bool TakeValues();
  void Insert(const std::string& output);

  ElementDialogHost host_;
  ElementDialog model_;
  QGridLayout* grid_ = nullptr;
  QWidget* ok_ = nullptr;
  QWidget* cancel_ = nullptr;
  // The boxes a person may type in, with their rows.
  std::vector<std::pair<size_t, QLineEdit*>> value_boxes_;
};

}  // namespace quillory
