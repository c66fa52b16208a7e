#pragma once

#include <QObject>

#include <functional>
#include <string_view>

#include "editor/editor_keys.h"
#include "editor/ui/caret_place_finder.h"

class QKeyEvent;

namespace quillory {

class ChangeHandler;
class CompletionPopup;
class DocumentTabs;
class Editor;
class HtmlParse;
class LangTable;
struct EditingGuards;

// What the editor's keys need of the main window; all of it outlives the
// handler.
struct EditorKeysHost {
  Editor& rich;
  DocumentTabs& tabs;  // Ctrl+Tab goes to the next present tab
  HtmlParse& highlighter;
  const CompletionPopup& completion;  // its keys are left to it
  EditingGuards& guards;
  const LangTable& lang;
  std::function<void(std::string_view)> set_status;
};

// The editor's keys before the control sees them: the key table's
// shortcuts, which are consumed, and the status line, which follows the
// caret and the text after every key, click and change, whatever made it,
// and is empty with no document open. The completion list's own keys are left
// to it. Shortcuts of the table are claimed before menus or the toolkit can
// take them.
class EditorKeyHandler : public QObject {
  Q_OBJECT

 public:
  EditorKeyHandler(EditorKeysHost host, ChangeHandler& change, QObject* parent);

  // The caret's line and column, and the selection's length.
  void UpdateStatus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowEveryChange();
  KeyDecision Decide(const QKeyEvent& event) const;
  // True when the key was consumed.
  bool Run(KeyDecision decision);
  void SwitchTab(KeyAction direction);
  void PastePlainText();

  EditorKeysHost host_;
  ChangeHandler& change_;
  CaretPlaceFinder places_;
};

}  // namespace quillory
