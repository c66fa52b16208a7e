#include "insert/panel_buttons.h"

#include <array>

namespace quillory {
namespace {

using enum ButtonFamily;
using enum PanelPage;
using enum PanelAction;

constexpr std::string_view kFlash =
    "<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
    "codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/"
    "swflash.cab#version=6,0,0,0\" width=\"200\" height=\"200\">\r\n"
    "<param name=\"src\" value=\"\">\r\n"
    "<embed src=\"\" pluginspage=\"http://www.macromedia.com/shockwave/"
    "download/\" type=\"application/x-director\" width=\"200\" "
    "height=\"200\">\r\n"
    "</embed>\r\n"
    "</object>";

constexpr std::string_view kShockwave =
    "<object classid=\"clsid:166b1bca-3f9c-11cf-8075-444553540000\" "
    "codebase=\"http://download.macromedia.com/pub/shockwave/cabs/director/"
    "sw.cab#version=8,5,0,0\" width=\"200\" height=\"200\">\r\n"
    "<param name=\"src\" value=\"\">\r\n"
    "<embed src=\"\" pluginspage=\"http://www.macromedia.com/shockwave/"
    "download/\" type=\"application/x-director\" width=\"200\" "
    "height=\"200\">\r\n"
    "</embed>\r\n"
    "</object>";

constexpr ElementGroup kFormGroup = ElementGroup::kForm;

constexpr std::array<PanelButton, 66> kButtons = {{
    {kTImg, 0, kForms, "", "Form element", kElementDialog, "", "", kFormGroup,
     0},
    {kTImg, 1, kForms, "", "Button element(submit,reset,button)",
     kElementDialog, "", "", kFormGroup, 1},
    {kTImg, 2, kForms, "", "Button element", kPair, "button"},
    {kTImg, 3, kForms, "", "Text element(text,password)", kElementDialog, "",
     "", kFormGroup, 3},
    {kTImg, 4, kForms, "", "Hidden element", kElementDialog, "", "", kFormGroup,
     4},
    {kTImg, 5, kForms, "", "Textarea element", kElementDialog, "", "",
     kFormGroup, 5},
    {kTImg, 6, kForms, "", "File element", kElementDialog, "", "", kFormGroup,
     6},
    {kTImg, 7, kForms, "", "Radio element", kElementDialog, "", "", kFormGroup,
     7},
    {kTImg, 8, kForms, "", "Checkbox element", kElementDialog, "", "",
     kFormGroup, 8},
    {kTImg, 9, kForms, "", "Select element", kSelectList, "", "", kFormGroup,
     9},
    {kTImg, 10, kForms, "", "Fieldset", kFieldset},
    {kTImg, 11, kForms, "", "Label", kPair, "label"},
    {kTImg, 12, kToolbar, "", "", kElementDialog, "", "", ElementGroup::kImage,
     0},
    {kTImg, 13, kToolbar, "", "", kElementDialog, "", "",
     ElementGroup::kTableOrLink, 1},
    {kTImg, 14, kToolbar, "", "", kNew},
    {kTImg, 15, kToolbar, "", "", kOpen},
    {kTImg, 16, kToolbar, "", "", kSave},
    {kTImg, 17, kToolbar, "", "", kPrint},
    {kTImg, 18, kPhp, "", "Insert PHP command", kReferenceTree,
     "languages/php.HET"},
    {kLImg, 0, kLists, "", "Definition", kPair, "dd"},
    {kLImg, 1, kLists, "", "Definition Term", kPair, "dt"},
    {kLImg, 2, kLists, "", "List Item", kPair, "li"},
    {kLImg, 3, kLists, "", "Menu", kPair, "menu"},
    {kLImg, 4, kLists, "", "Ordered List", kPair, "ol"},
    {kLImg, 5, kLists, "", "Unordered List", kPair, "ul"},
    {kLImg, 6, kLists, "", "List", kInsert, "<ol>\r\n\t<li>\r\n</ol>"},
    {kLImg, 7, kLists, "", "Definition List", kInsert,
     "<dl>\r\n\t<dt><dd>\r\n</dl>"},
    {kLImg, 8, kTables, "", "Build Table", kElementDialog, "", "",
     ElementGroup::kTableOrLink, 0},
    {kLImg, 9, kTables, "", "Table Caption", kPair, "caption"},
    {kLImg, 10, kTables, "", "Table", kPair, "table"},
    {kLImg, 11, kTables, "", "Table Data", kPair, "td"},
    {kLImg, 12, kTables, "", "Table Header", kPair, "th"},
    {kLImg, 13, kTables, "", "Table Row", kPair, "tr"},
    {kLImg, 14, kScript, "", "Applet", kInsert, "<applet code=\"\">"},
    {kLImg, 15, kScript, "", "Document.write", kInsert, "document.write(\"\")"},
    {kLImg, 16, kScript, "", "Script", kPair, "script"},
    {kLImg, 17, kScript, "", "Noscript", kPair, "noscript"},
    {kLImg, 18, kCommon, "", "Break", kInsert, "<br>"},
    {kLImg, 19, kCommon, "", "Horizonal Line", kInsert, "<hr>"},
    {kLImg, 20, kCommon, "", "Include", kInsert, "<!--#Include File=\"\"-->"},
    {kLImg, 21, kCommon, "", "Non-breaking Space", kInsert, "&nbsp;"},
    {kLImg, 22, kCommon, "", "Paragraph", kPair, "p"},
    {kLImg, 23, kAdvanced, "", "ActiveX Control", kWrap,
     "<object id=\"\" classid=\"\" width=\"\" height=\"\" data=\"\">",
     "</object>"},
    {kLImg, 24, kAdvanced, "", "Java Applet", kWrap,
     "<applet code=\"\" codebase = \"\" width=\"\" height=\"\">", "</applet>"},
    {kLImg, 25, kAdvanced, "", "DHTML Layer", kWrap,
     "<div id=\"dhtml_layer\" style=\"position:absolute; left: 1px; top:1px; "
     "width: 100px; height: 100px; z-index:1\">",
     "</div>"},
    {kLImg, 26, kAdvanced, "", "Embed Object", kWrap, "<embed src=\"\">",
     "</embed>"},
    {kLImg, 27, kAdvanced, "", "Sound File", kInsert,
     "<embed src=\"\" autostart=\"false\" hidden=\"false\" loop=\"0\">"},
    {kLImg, 28, kAdvanced, "", "Video file", kInsert,
     "<embed src=\"\" autostart=\"false\" width=\"200\" height=\"200\">"},
    {kLImg, 29, kAdvanced, "", "", kInsert, kFlash},
    {kLImg, 30, kAdvanced, "", "", kInsert, kShockwave},
    {kLImg, 31, kScript, "", "", kReferenceTree, "languages/JS.HET"},
    {kLImg, 32, kCommon, "", "", kWrap, "<div style=\"text-align: center\">",
     "</div>"},
    {kLImg, 33, kCommon, "", "", kWrap, "<div style=\"text-align: left\">",
     "</div>"},
    {kLImg, 34, kCommon, "", "", kWrap, "<div style=\"text-align: right\">",
     "</div>"},
    {kLImg, 35, kCommon, "", "", kWrap, "<div style=\"text-align: justify\">",
     "</div>"},
    {kLImg, 36, kCommon, "", "", kFont},
    {kLabel2, 0, kFrames, "Bt", "Base target", kInsert, "<base href=\"\">"},
    {kLabel2, 1, kFrames, "fra", "Frame", kInsert, "<frame>"},
    {kLabel2, 2, kFrames, "no", "NoFrames", kPair, "noframes"},
    {kLabel2, 3, kFrames, "if", "Inline Frame", kPair, "iframe"},
    {kLabel2, 4, kFrames, "set", "Frameset", kPair, "frameset"},
    {kLabel2, 5, kPhp, "?", "PHP tag", kWrap, "<?php", "?>"},
    {kLabel2, 6, kPhp, "?=", "PHP Output", kWrap, "<?=", "?>"},
    {kLabel2, 7, kCommon, "B", "", kBold, "B"},
    {kLabel2, 8, kCommon, "I", "", kPair, "I"},
    {kLabel2, 9, kCommon, "U", "", kPair, "U"},
}};

// The spoken names of the buttons that have no tooltip.
struct ButtonNameRow {
  ButtonFamily family;
  int index;
  std::string_view name;
};

constexpr std::array<ButtonNameRow, 17> kUntippedNames = {{
    {kTImg, 12, "Image"},
    {kTImg, 13, "Link"},
    {kTImg, 14, "New"},
    {kTImg, 15, "Open"},
    {kTImg, 16, "Save"},
    {kTImg, 17, "Print"},
    {kLImg, 29, "Flash"},
    {kLImg, 30, "Shockwave"},
    {kLImg, 31, "JavaScript reference"},
    {kLImg, 32, "Align centre"},
    {kLImg, 33, "Align left"},
    {kLImg, 34, "Align right"},
    {kLImg, 35, "Justify"},
    {kLImg, 36, "Font"},
    {kLabel2, 7, "Bold"},
    {kLabel2, 8, "Italic"},
    {kLabel2, 9, "Underline"},
}};

constexpr std::array<PanelPageTitle, 8> kPages = {{
    {kForms, "Forms"},
    {kLists, "Lists"},
    {kTables, "Tables"},
    {kFrames, "Frames"},
    {kScript, "Script"},
    {kCommon, "Common"},
    {kPhp, "PHP"},
    {kAdvanced, "Advanced"},
}};

}  // namespace

std::span<const PanelButton> PanelButtons() { return kButtons; }

std::string_view ButtonName(const PanelButton& button) {
  if (!button.tooltip.empty()) return button.tooltip;
  for (const ButtonNameRow& row : kUntippedNames) {
    if (row.family == button.family && row.index == button.index) {
      return row.name;
    }
  }
  return button.caption;
}

std::span<const PanelPageTitle> PanelPageTitles() { return kPages; }

const PanelButton* FindPanelButton(ButtonFamily family, int index) {
  for (const PanelButton& button : kButtons) {
    if (button.family == family && button.index == index) return &button;
  }
  return nullptr;
}

}  // namespace quillory
