#include "app/ui/menu_actions.h"

#include <array>

#include "app/ui/aid_windows.h"
#include "app/ui/command_host.h"
#include "app/ui/document_files.h"
#include "app/ui/settings_window.h"
#include "app/ui/snapshot_commands.h"
#include "base/settings.h"
#include "editor/find_session.h"
#include "editor/snapshot_history.h"
#include "tools/ui/tool_commands.h"

namespace quillory {
namespace {

using A = Availability;
using M = MenuId;
using H = CommandHost;

// Commands of the file menu act on the window's document files.
template <void (DocumentFiles::*kCommand)()>
void OnFiles(const H& host) {
  (host.files.*kCommand)();
}

template <TidyCommand kCommand>
void OnTidy(const H& host) {
  host.tools.RunTidy(kCommand);
}

template <PhpCommand kCommand>
void OnPhp(const H& host) {
  host.tools.RunPhp(kCommand);
}

constexpr std::array kMenus = {
    MenuSpec{M::kFile, "Menu1", 0, "File", M::kFile},
    MenuSpec{M::kEdit, "Edit", 38, "Edit", M::kEdit},
    MenuSpec{M::kTools, "Tools", 1, "Tools", M::kTools},
    MenuSpec{M::kHtmlTidy, "htmlTidy", -1, "HTML Tidy", M::kTools},
    MenuSpec{M::kPhp, "PHP", -1, "PHP", M::kTools},
    MenuSpec{M::kBrowsers, "Browsers", -1, "External browsers", M::kTools},
    MenuSpec{M::kSettings, "SettingsMnu", 2, "Settings", M::kSettings},
    MenuSpec{M::kPlugIns, "PlugIns", 92, "Plug-ins", M::kPlugIns},
    MenuSpec{M::kHelp, "HelpMnu", 3, "Help", M::kHelp},
};

// clang-format off
const std::array kActions = {
  ActionSpec{"OpnNew", M::kFile, 4, "New", "Ctrl+N", [](const H& h) { h.aids.ShowTemplates(); }, A::kAlways},
  ActionSpec{"OpenOld", M::kFile, 5, "Open...", "Ctrl+O", &OnFiles<&DocumentFiles::Open>, A::kAlways},
  ActionSpec{"SaveHtml", M::kFile, 6, "Save", "Ctrl+S", &OnFiles<&DocumentFiles::Save>, A::kWithDocument},
  ActionSpec{"SaveHtmlAs", M::kFile, 53, "Save As...", "Ctrl+Shift+S", &OnFiles<&DocumentFiles::SaveAs>, A::kWithDocument},
  ActionSpec{"Save_All", M::kFile, 120, "Save All", "", &OnFiles<&DocumentFiles::SaveAll>, A::kWithDocument},
  ActionSpec{"ClsW", M::kFile, 71, "Close", "Ctrl+W", &OnFiles<&DocumentFiles::Close>, A::kWithDocument},
  ActionSpec{"CloseAllWnd", M::kFile, 121, "Close All", "", &OnFiles<&DocumentFiles::CloseAll>, A::kWithDocument},
  ActionSpec{"save_session", M::kFile, 134, "Save session", "", &OnFiles<&DocumentFiles::SaveSessionAs>, A::kAlways, false, true},
  ActionSpec{"Save_projas", M::kFile, 119, "Save project as...", "", [](const H& h) { h.aids.ShowProjects(); }, A::kAlways},
  ActionSpec{"Add2Proj", M::kFile, 130, "Add to project", "", &OnFiles<&DocumentFiles::AddToProject>, A::kWithDocument},
  ActionSpec{"Add_Template", M::kFile, 115, "Add to templates", "", [](const H& h) { h.aids.AddToTemplates(); }, A::kWithDocument},
  ActionSpec{"Prnt", M::kFile, 114, "Print", "", [](const H& h) { h.aids.Print(); }, A::kWithDocument, false, true},
  ActionSpec{"Quit", M::kFile, 7, "Quit", "Ctrl+Q", [](const H& h) { h.quit(); }, A::kAlways, false, true},

  ActionSpec{"Undo", M::kEdit, 52, "Undo", "Ctrl+Z", [](const H& h) { UndoActive(h.snapshots); }, A::kWithUndo},
  ActionSpec{"Redo", M::kEdit, 118, "Redo", "Ctrl+Y", [](const H& h) { RedoActive(h.snapshots); }, A::kWithRedo},
  ActionSpec{"Fnd", M::kEdit, 39, "Find", "Ctrl+F", [](const H& h) { h.aids.ShowFind(FindPanel::kFind); }, A::kWithDocument, false, true},
  ActionSpec{"repl", M::kEdit, 40, "Replace", "Ctrl+H", [](const H& h) { h.aids.ShowFind(FindPanel::kReplace); }, A::kWithDocument},
  ActionSpec{"FindAgain", M::kEdit, 42, "Find next", "F3", [](const H& h) { h.aids.FindAgain(SearchDirection::kForward); }, A::kWithDocument},
  ActionSpec{"FindBack", M::kEdit, -1, "Find previous", "Shift+F3", [](const H& h) { h.aids.FindAgain(SearchDirection::kBackward); }, A::kWithDocument},
  ActionSpec{"GoToLine", M::kEdit, -1, "Go to line...", "Ctrl+G", [](const H& h) { h.aids.GoToLine(); }, A::kWithDocument},
  ActionSpec{"Wrap", M::kEdit, 101, "Word wrap", "", [](const H& h) { h.wrap(); }, A::kWithDocument, true, true},
  ActionSpec{"setNum", M::kEdit, -1, "Line numbers", "", [](const H& h) { h.set_num(); }, A::kWithDocument},
  ActionSpec{"Insert_Tag", M::kEdit, 10, "Insert tag", "", [](const H& h) { h.aids.InsertTag(); }, A::kWithDocument, false, true},
  ActionSpec{"TagPanel", M::kEdit, 99, "Tag panel", "", [](const H& h) { h.aids.ShowTagPanel(h.tag_panel); }, A::kWithDocument, true},
  ActionSpec{"REDIT", M::kEdit, 100, "Rich-text editor", "", [](const H& h) { h.aids.ShowRichEditor(); }, A::kWithDocument},

  ActionSpec{"VisEd", M::kTools, 8, "Visual form designer", "", [](const H& h) { h.aids.ShowDesigner(); }, A::kWithDocument},
  ActionSpec{"LivePreview", M::kTools, -1, "Live preview", "F12", [](const H& h) { h.live_preview(); }, A::kAlways, true},
  ActionSpec{"view_browse", M::kTools, 14, "Preview", "", [](const H& h) { h.view_browse(); }, A::kWithDocument},
  ActionSpec{"Chk", M::kTools, 9, "Check", "", &OnTidy<TidyCommand::kCheck>, A::kWithTidy, false, true},
  ActionSpec{"repByTidy", M::kHtmlTidy, 93, "Repair", "", &OnTidy<TidyCommand::kClean>, A::kWithTidy},
  ActionSpec{"ChkByTidy", M::kHtmlTidy, 94, "Check", "", &OnTidy<TidyCommand::kCheck>, A::kWithTidy},
  ActionSpec{"ConvToXML", M::kHtmlTidy, 95, "Convert to XML", "", &OnTidy<TidyCommand::kToXml>, A::kWithTidy},
  ActionSpec{"ConvToHTML", M::kHtmlTidy, 96, "Convert to HTML", "", &OnTidy<TidyCommand::kToHtml>, A::kWithTidy},
  ActionSpec{"ConvToXHTML", M::kHtmlTidy, 97, "Convert to XHTML", "", &OnTidy<TidyCommand::kToXhtml>, A::kWithTidy},
  ActionSpec{"TagsToUpperCase", M::kHtmlTidy, 98, "Tags to upper case", "", &OnTidy<TidyCommand::kUpperCase>, A::kWithTidy},
  ActionSpec{"phpCheck", M::kPhp, -1, "Check syntax", "", &OnPhp<PhpCommand::kCheck>, A::kWithPhp},
  ActionSpec{"phpEXE", M::kPhp, -1, "Run", "", &OnPhp<PhpCommand::kRun>, A::kWithPhp},
  ActionSpec{"phpHighlight", M::kPhp, -1, "Highlight", "", &OnPhp<PhpCommand::kHighlight>, A::kWithPhp},
  ActionSpec{"phpCompact", M::kPhp, -1, "Compact", "", &OnPhp<PhpCommand::kCompact>, A::kWithPhp},

  ActionSpec{"ChangeLanguage", M::kSettings, 11, "Change language", "", [](const H& h) { h.aids.ShowSettings(SettingsPage::kLanguage); }, A::kAlways},
  ActionSpec{"extensions", M::kSettings, 102, "File types", "", [](const H& h) { h.aids.ShowSettings(SettingsPage::kFileTypes); }, A::kAlways},
  ActionSpec{"ColourScripts", M::kSettings, -1, "Colour CSS and JavaScript", "", [](const H& h) { h.colour_scripts(); }, A::kAlways, true, true},

  ActionSpec{"HELP", M::kHelp, 103, "Help", "F1", [](const H& h) { h.show_help(); }, A::kAlways},
  ActionSpec{"About", M::kHelp, 12, "About", "", [](const H& h) { h.aids.ShowAbout(); }, A::kAlways},
};
// clang-format on

}  // namespace

bool IsAvailable(Availability availability, const CommandState& state) {
  const SnapshotHistory* history = state.history;
  switch (availability) {
    case Availability::kAlways:
      return true;
    case Availability::kWithDocument:
      return history != nullptr;
    case Availability::kWithTidy:
      return history != nullptr && state.settings.tidy;
    case Availability::kWithPhp:
      return history != nullptr && !state.settings.php.empty();
    case Availability::kWithUndo:
      return history != nullptr && history->CanUndo();
    case Availability::kWithRedo:
      return history != nullptr && history->CanRedo();
    case Availability::kNotBuilt:
      break;
  }
  return false;
}

std::span<const MenuSpec> MainMenus() { return kMenus; }
std::span<const ActionSpec> MainActions() { return kActions; }

}  // namespace quillory
