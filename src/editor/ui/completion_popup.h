#pragma once

#include <QListWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/editing_guards.h"

namespace quillory {

class Editor;

// The tag completion list `SyntaxHTML`: pops up under the caret when "<"
// is typed, follows the letters typed after it and puts the chosen entry
// into the text; Esc closes it without choosing. It watches the editor's keys
// and selection itself; its entries never change after loading.
class CompletionPopup : public QListWidget {
  Q_OBJECT

 public:
  // A sibling of `rich`, hidden until a "<" is typed in a document where
  // `offered` says the list belongs.
  CompletionPopup(Editor* rich, const EditingGuards& guards,
                  std::function<bool()> offered);

  // Fills the list from the syntaxHTML.lng at `path`; a missing file leaves
  // it empty.
  void Load(const std::string& path);

  bool CompletionShown() const { return shown_; }
  int64_t CompletionStart() const { return start_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyPress(int key);
  bool OnKeyRelease(int key);
  void Open();
  QRect PlaceAt(long caret) const;
  void Follow();
  void CloseIfBroken();
  void Choose();
  void Hide();
  void Step(int key);

  Editor* rich_;
  const EditingGuards& guards_;
  std::function<bool()> offered_;
  std::vector<std::string> entries_;
  bool shown_ = false;
  bool less_than_typed_ = false;
  int64_t start_ = 0;
};

}  // namespace quillory
