#pragma once

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/command_host.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/settings.h"
#include "editor/editing_guards.h"
#include "platform/app_environment.h"
#include "platform/dialogs.h"

class QAction;
class QLabel;
class QTabWidget;
class QToolButton;

namespace quillory {

namespace testing {
class WindowTest;
}  // namespace testing

class AidWindows;
class ChangeHandler;
class DiskWatch;
class DocumentFiles;
class CompletionPopup;
class EditorKeyHandler;
class DocumentTabs;
class RecoveryKeeper;
class Editor;
class HtmlParse;
class ScriptColouringSwitch;
class LaunchFiles;
class MainMenuBar;
class PluginMenu;
class SlotTabBar;
class ToolCommands;
class ToolkitTranslations;
class ViewSwitch;

// The program's one main window: menus, the documents' tabs, the editor and
// the status strip. It wires commands to the parts that do the work and
// keeps the window's look in step with the open documents.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(const AppEnvironment& environment, DesktopServices services,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The last start-up step, once the window shows (so it paints while a
  // plug-in registers): loads the plug-ins, then opens what the command
  // line names, from its arguments without the program name, or else the
  // last session.
  void Init(const std::vector<std::string>& arguments);
  // Opens the files a later launch handed over (none: only comes forward)
  // and brings the window to the front; before `Init`, they wait for it.
  void OpenHandedFiles(const std::vector<std::string>& files);

  int NewTab(const std::string& caption);
  void ShowPathCaption(int slot);
  // Loads the interface texts of the language the settings name and
  // captions the window with them.
  void SetLanguage();
  void SetStatus(std::string_view text);
  void RebuildRecentMenu();
  void Relayout();
  // Colours the whole text of the active document after it was loaded.
  void ColourWholeText();

  // Runs the change handling as if the user had typed; for windows that
  // changed the editor's text.
  void CallRichChange();

  // What the menu's commands reach; the window tests drive it likewise.
  const CommandHost& Commands() const { return *commands_; }
  // Writes what the open documents hold where the next start finds it,
  // for a session that ends without closing the window.
  void KeepUnsavedText();

 signals:
  // The window is closing: later launches must not hand files to it.
  void Closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Window tests read and change the settings and texts the window holds.
  friend class testing::WindowTest;

  QAction* Action(const char* object_name) const;
  void BuildWidgets();
  void BuildMenus();
  void BuildEditorAids();
  void BuildEditingEvents();
  void BuildTagPanel();
  void BuildDocumentFiles();
  void BuildDiskWatch();
  void BuildToolCommands();
  void BuildAidWindows();
  void BuildCommandHost();
  void BuildLaunchFiles();
  void BuildLivePreview();
  void SetLivePreview();
  void HoldDocuments(bool held);
  void StartUp();
  void BuildViewSwitch();
  void BuildKeyboardPaths();
  void OnSwitched(int slot);
  void OnAllFreed();
  void ShowDocumentViews(bool shown);
  // After every command and every edit.
  void UpdateCommandStates();
  void UpdateTitle();
  void Quit();
  void ShowHelp();
  void SetNum();
  void Wrap();
  void ColourScripts();

  // For the parts that report on the status line.
  const std::function<void(std::string_view)> set_status_ =
      [this](std::string_view text) { SetStatus(text); };
  AppEnvironment environment_;
  DesktopServices services_;
  Settings settings_;
  LangTable lang_;
  NamedCaptions captions_;
  ToolkitTranslations* translations_ = nullptr;
  EditingGuards guards_;

  QWidget* area_ = nullptr;
  QWidget* panel_ = nullptr;
  QTabWidget* side_panel_ = nullptr;
  SlotTabBar* tab_bar_ = nullptr;
  Editor* rich_ = nullptr;
  QToolButton* close_button_ = nullptr;
  QToolButton* live_button_ = nullptr;
  ViewSwitch* views_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* opened_path_ = nullptr;
  DocumentTabs* tabs_ = nullptr;
  DiskWatch* disk_ = nullptr;
  std::unique_ptr<DocumentFiles> files_;
  RecoveryKeeper* recovery_ = nullptr;
  std::unique_ptr<AidWindows> aids_;
  HtmlParse* highlighter_ = nullptr;
  std::unique_ptr<ScriptColouringSwitch> script_colouring_;
  CompletionPopup* completion_ = nullptr;
  ChangeHandler* change_ = nullptr;
  EditorKeyHandler* keys_ = nullptr;
  ToolCommands* tools_ = nullptr;
  bool line_numbers_toggle_ = false;
  LaunchFiles* launch_ = nullptr;

  std::unique_ptr<CommandHost> commands_;
  std::unique_ptr<MainMenuBar> menu_bar_;
  std::unique_ptr<PluginMenu> plugins_;
};

}  // namespace quillory
