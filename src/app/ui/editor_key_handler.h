#pragma once

#include <QObject>

#include "editor/editor_keys.h"
#include "editor/ui/caret_place_finder.h"

class QKeyEvent;

namespace quillory {

class ChangeHandler;
class MainWindow;

// The editor's keys before the control sees them: the key table's
// shortcuts, which are consumed, and the status line, which follows the
// caret on every key and click. The completion list's own keys are left to
// it. Shortcuts of the table are claimed before menus or the toolkit can
// take them.
class EditorKeyHandler : public QObject {
  Q_OBJECT

 public:
  EditorKeyHandler(MainWindow& window, ChangeHandler& change);

  // The caret's line and column, and the selection's length.
  void UpdateStatus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyDecision Decide(const QKeyEvent& event) const;
  // True when the key was consumed.
  bool Run(KeyDecision decision);
  void SwitchTab(KeyAction direction);
  void PastePlainText();

  MainWindow& window_;
  ChangeHandler& change_;
  CaretPlaceFinder places_;
};

}  // namespace quillory
