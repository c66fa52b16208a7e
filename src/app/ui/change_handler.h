#pragma once

#include <QObject>

#include "editor/editing_guards.h"

namespace quillory {

class DocumentTabs;
class Editor;
class HtmlParse;

// The editor's Change handling: after every change the user or a command
// makes to the active document, its caret line is coloured again, the
// document is marked unsaved (the tab's picture gets the marker on the
// first change only) and an undo snapshot is taken. Silent while the
// guards are set; never changes the text.
class ChangeHandler : public QObject {
  Q_OBJECT

 public:
  ChangeHandler(Editor* rich, HtmlParse& highlighter, DocumentTabs& tabs,
                const EditingGuards& guards, QObject* parent = nullptr);

  // `CallRichChange`: runs as if the user had typed; other windows call it
  // after they changed the editor's text.
  void OnChange();
  // The document in `slot` has changes its file does not hold; the tab's
  // picture gets the marker once.
  void MarkUnsaved(int slot);

 private:
  Editor* rich_;
  HtmlParse& highlighter_;
  DocumentTabs& tabs_;
  const EditingGuards& guards_;
};

}  // namespace quillory
