#pragma once

#include <span>
#include <string_view>

#include "insert/element_forms.h"

namespace quillory {

// The three numbered button families of the tag panel and its toolbar row.
enum class ButtonFamily { kTImg, kLImg, kLabel2 };

// Where a button sits: the eight panel pages in their order, then the
// toolbar row.
enum class PanelPage {
  kForms,
  kLists,
  kTables,
  kFrames,
  kScript,
  kCommon,
  kPhp,
  kAdvanced,
  kToolbar,
};

enum class PanelAction {
  kInsert,         // replaces the selection with `text`
  kWrap,           // `text`, the selection, `closing`
  kPair,           // an element pair of tag `text` around the selection
  kBold,           // a pair of `text` too; the editor's bold shortcut shares it
  kElementDialog,  // the element dialog of `group` and `num`
  kSelectList,     // the select dialog, then the option line and end tag
  kFieldset,       // asks for a label, then inserts a fieldset
  kReferenceTree,  // the reference tree of the program-folder file `text`
  kFont,           // the font chooser, then a font wrapper
  kNew,
  kOpen,
  kSave,
  kPrint,
};

struct PanelButton {
  ButtonFamily family;
  int index;
  PanelPage page;
  std::string_view caption;  // the face of a text button; icons have none
  std::string_view tooltip;  // empty: no tooltip
  PanelAction action;
  std::string_view text = {};
  std::string_view closing = {};
  ElementGroup group = ElementGroup::kForm;
  int num = 0;
};

// Every button, family by family in index order.
std::span<const PanelButton> PanelButtons();

// What the button is called where a name is needed, in English: its
// tooltip, or for a button without one a short name of what it does.
std::string_view ButtonName(const PanelButton& button);

struct PanelPageTitle {
  PanelPage page;
  std::string_view title;  // English
};

// The eight pages of the panel in their order.
std::span<const PanelPageTitle> PanelPageTitles();

// Null for an index the family does not have.
const PanelButton* FindPanelButton(ButtonFamily family, int index);

}  // namespace quillory
