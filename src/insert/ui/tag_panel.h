#pragma once

#include <QObject>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "insert/font_choice.h"
#include "insert/panel_buttons.h"
#include "platform/dialogs.h"

class QAction;
class QTabWidget;
class QWidget;

namespace quillory {

class Editor;
class HtmlParse;
class NamedCaptions;
class PanelToolButton;

// What the tag panel works on: the active editor and its highlighter, the
// window that owns its dialogs, the program folder of the reference files
// and the captions its windows read when they open.
struct TagPanelContext {
  QWidget* owner;
  Editor& rich;
  HtmlParse& highlighter;
  Dialogs& dialogs;
  std::string program_folder;
  const NamedCaptions& captions;
};

// The tag panel (`TTab`) and its toolbar row (`Panel`): fills both with the
// buttons of the three families and runs what a click asks for. Changes
// the active document only by replacing its selection.
class TagPanel : public QObject {
  Q_OBJECT

 public:
  TagPanel(TagPanelContext context, QTabWidget& ttab, QWidget& toolbar,
           QObject* parent = nullptr);

  // The toolbar icon of `action` runs `command` and is enabled with it.
  void BindCommand(PanelAction action, QAction* command);

  void TImg_Click(int index);
  void LImg_Click(int index);
  void Label2_Click(int index);

  const FontChoice& CurrentFontChoice() const { return font_choice_; }

 private:
  void AddButtons(QTabWidget& ttab, QWidget& toolbar);
  void Dispatch(ButtonFamily family, int index);
  void Press(const PanelButton& button);
  void InsertPair(const PanelButton& button);
  // True when the user confirmed the dialog.
  bool OpenElementDialog(ElementGroup group, int num);
  void InsertFieldset();
  void OpenReferenceTree(std::string_view relative_path);
  void InsertFontWrap();
  bool ShowFontDialog(FontChooserExtras flags);

  TagPanelContext context_;
  FontChoice font_choice_;
  std::vector<PanelToolButton*> buttons_;
  std::map<PanelAction, QAction*> commands_;
};

}  // namespace quillory
