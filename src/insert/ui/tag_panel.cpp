#include "insert/ui/tag_panel.h"

#include <QAction>

#include "editor/ui/editor.h"
#include "editor/ui/editor_commands.h"
#include "insert/font_wrap.h"
#include "insert/panel_snippets.h"
#include "insert/ui/coloured_insert.h"
#include "insert/ui/new_tag.h"
#include "insert/ui/panel_pages.h"
#include "insert/ui/panel_tool_button.h"
#include "insert/ui/tree_viewer.h"

namespace quillory {
namespace {

ElementDialogHost ElementHostOf(const TagPanelContext& context) {
  return {context.rich, context.highlighter, context.dialogs, context.captions};
}

}  // namespace

TagPanel::TagPanel(TagPanelContext context, QTabWidget& ttab, QWidget& toolbar,
                   QObject* parent)
    : QObject(parent), context_(std::move(context)) {
  buttons_ = BuildPanelPages(ttab, toolbar);
  for (PanelToolButton* button : buttons_) {
    const PanelButton& entry = button->Entry();
    connect(button, &PanelToolButton::clicked, this,
            [this, &entry] { Dispatch(entry.family, entry.index); });
  }
}

void TagPanel::BindCommand(PanelAction action, QAction* command) {
  commands_[action] = command;
  for (PanelToolButton* button : buttons_) {
    if (button->Entry().action != action) continue;
    button->setEnabled(command->isEnabled());
    connect(command, &QAction::changed, button,
            [button, command] { button->setEnabled(command->isEnabled()); });
  }
}

void TagPanel::TImg_Click(int index) { Dispatch(ButtonFamily::kTImg, index); }
void TagPanel::LImg_Click(int index) { Dispatch(ButtonFamily::kLImg, index); }
void TagPanel::Label2_Click(int index) {
  Dispatch(ButtonFamily::kLabel2, index);
}

// An index the family lacks does nothing.
void TagPanel::Dispatch(ButtonFamily family, int index) {
  if (const PanelButton* button = FindPanelButton(family, index))
    Press(*button);
}

void TagPanel::Press(const PanelButton& button) {
  Editor& rich = context_.rich;
  switch (button.action) {
    case PanelAction::kInsert:
    case PanelAction::kWrap:
      InsertColoured(rich, context_.highlighter,
                     *SnippetFor(button, rich.SelectedBytes()));
      break;
    case PanelAction::kPair:
    case PanelAction::kBold:
      InsertPair(button);
      break;
    case PanelAction::kElementDialog:
      OpenElementDialog(button.group, button.num);
      break;
    case PanelAction::kSelectList:
      if (OpenElementDialog(button.group, button.num))
        InsertColoured(rich, context_.highlighter, kSelectListEnd);
      break;
    case PanelAction::kFieldset:
      InsertFieldset();
      break;
    case PanelAction::kReferenceTree:
      OpenReferenceTree(button.text);
      break;
    case PanelAction::kFont:
      InsertFontWrap();
      break;
    case PanelAction::kNew:
    case PanelAction::kOpen:
    case PanelAction::kSave:
    case PanelAction::kPrint:
      if (QAction* command = commands_[button.action]) command->trigger();
      break;
  }
}

// The bold button is the very command the editor's Ctrl+B runs.
void TagPanel::InsertPair(const PanelButton& button) {
  Editor& rich = context_.rich;
  const int start = rich.SelectionStart();
  if (button.action == PanelAction::kBold) {
    BoldButton(rich);
  } else {
    Insert2Tag(rich, button.text);
  }
  ColourUpToCaret(rich, context_.highlighter, start);
}

bool TagPanel::OpenElementDialog(ElementGroup group, int num) {
  NewTag dialog(ElementHostOf(context_), context_.owner);
  dialog.StartForm(group, num);
  return dialog.exec() == QDialog::Accepted;
}

// A cancelled prompt, or a legend the document cannot hold, gives nothing.
void TagPanel::InsertFieldset() {
  const std::optional<std::string> typed =
      context_.dialogs.AskText("Fieldset", "Label", "");
  if (!typed) return;
  const std::optional<std::string> label =
      context_.rich.BytesToInsert(QString::fromStdString(*typed));
  if (!label) return;
  InsertColoured(context_.rich, context_.highlighter, FieldsetText(*label));
}

void TagPanel::OpenReferenceTree(std::string_view relative_path) {
  auto* viewer = new TreeViewer(ElementHostOf(context_), context_.owner);
  viewer->Load(context_.program_folder + std::string(relative_path));
  viewer->show();
}

// A cancelled chooser inserts nothing; its last confirmed font stays for
// the next use.
void TagPanel::InsertFontWrap() {
  if (!ShowFontDialog(FontChooserExtras::kColourAndEffects)) return;
  const FontWrap wrap = FontWrapFor(font_choice_);
  Editor& rich = context_.rich;
  InsertColoured(rich, context_.highlighter,
                 wrap.opening + rich.SelectedBytes() + wrap.closing);
}

// NOTE: the chooser's remembered values and `FontChoice` change together,
// only on confirm, so one record serves as both.
bool TagPanel::ShowFontDialog(FontChooserExtras flags) {
  const std::optional<FontChoice> chosen =
      context_.dialogs.ChooseFont(ChooserStart(font_choice_), flags);
  if (!chosen) return false;
  font_choice_ = *chosen;
  return true;
}

}  // namespace quillory
