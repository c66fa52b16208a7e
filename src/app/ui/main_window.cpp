#include "app/ui/main_window.h"

#include "app/ui/script_colouring_switch.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <utility>

#include "app/document_slots.h"
#include "app/live_preview_state.h"
#include "app/settings_file.h"
#include "app/ui/aid_windows.h"
#include "app/ui/change_handler.h"
#include "app/ui/command_host.h"
#include "app/ui/disk_watch.h"
#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "app/ui/editor_key_handler.h"
#include "app/ui/focus_cycle.h"
#include "app/ui/help_page_opener.h"
#include "app/ui/interface_language.h"
#include "app/ui/launch_files.h"
#include "app/ui/main_menu_bar.h"
#include "app/ui/path_label.h"
#include "app/ui/plugin_menu.h"
#include "app/ui/recovery_keeper.h"
#include "app/ui/script_colouring_switch.h"
#include "app/ui/slot_tab_bar.h"
#include "app/ui/toolkit_translations.h"
#include "app/ui/top_window_watcher.h"
#include "app/ui/utf8_conversion_offer.h"
#include "app/ui/view_switch.h"
#include "app/ui/window_parts.h"
#include "base/document_kind.h"
#include "base/ui/named_caption_text.h"
#include "editor/gutter_rules.h"
#include "editor/snapshot_history.h"
#include "editor/ui/completion_popup.h"
#include "editor/ui/editor.h"
#include "editor/ui/highlighter.h"
#include "editor/ui/line_gutter.h"
#include "insert/ui/tag_panel.h"
#include "projects/project_file.h"
#include "tools/ui/external_browser.h"
#include "tools/ui/page_view_loader.h"
#include "tools/ui/tool_commands.h"

namespace quillory {
namespace {

constexpr char kTitle[] = "Quillory";

}  // namespace

MainWindow::MainWindow(const AppEnvironment& environment,
                       DesktopServices services, QWidget* parent)
    : QMainWindow(parent), environment_(environment), services_(services) {
  setObjectName("Form1");
  translations_ = new ToolkitTranslations(this);
  setWindowTitle(kTitle);
  resize(1000, 700);
  BuildWidgets();
  BuildEditorAids();
  BuildMenus();
  BuildTagPanel();
  tabs_ = new DocumentTabs(tab_bar_, rich_, guards_, this);
  BuildViewSwitch();
  BuildKeyboardPaths();
  BuildEditingEvents();
  connect(tabs_, &DocumentTabs::Switched, this, &MainWindow::OnSwitched);
  connect(tabs_, &DocumentTabs::AllFreed, this, &MainWindow::OnAllFreed);
  // Switching documents keeps the chosen view.
  connect(tabs_, &DocumentTabs::Switched, views_, &ViewSwitch::Follow);
  connect(tabs_, &DocumentTabs::CaptionChanged, this, [this](int slot) {
    if (slot == tabs_->ActiveSlot()) OnSwitched(slot);
  });
  recovery_ = new RecoveryKeeper(
      {*tabs_, rich_, services_.dialogs, captions_, set_status_},
      environment_.state_folder + "recovery/", {}, this);
  BuildDocumentFiles();
  BuildToolCommands();
  BuildAidWindows();
  BuildCommandHost();
  Action("ColourScripts")->setChecked(script_colouring_->On());
  BuildLaunchFiles();
  BuildLivePreview();
  StartUp();
}

// The slots hold documents of the editor, so they go before the editor does.
MainWindow::~MainWindow() { delete tabs_; }

void MainWindow::BuildWidgets() {
  area_ = new QWidget(this);
  area_->installEventFilter(this);
  setCentralWidget(area_);

  panel_ = new QWidget(area_);
  panel_->setObjectName("Panel");
  side_panel_ = new QTabWidget(area_);
  side_panel_->setObjectName("TTab");
  side_panel_->setAccessibleName("Tag panel");
  tab_bar_ = new SlotTabBar(kSlotCount, area_);
  rich_ = new Editor(area_);

  close_button_ = MakeCloseButton(area_);
  connect(close_button_, &QToolButton::clicked, this,
          [this] { Action("ClsW")->trigger(); });

  live_button_ = new QToolButton(panel_);
  live_button_->setObjectName("LivePreviewButton");
  live_button_->setFocusPolicy(Qt::NoFocus);

  status_ = new QLabel(area_);
  status_->setObjectName("Status");
  opened_path_ = new QLabel(area_);
  opened_path_->setObjectName("OpenedPath");
}

// The highlighter, the completion list and the gutter, bound to the editor
// as start-up binds them.
void MainWindow::BuildEditorAids() {
  const std::string languages = environment_.program_folder + "languages/";
  highlighter_ = new HtmlParse(guards_, this);
  highlighter_->SethWnd(rich_);
  highlighter_->Initialize(languages + "php.lng");
  script_colouring_ =
      std::make_unique<ScriptColouringSwitch>(environment_.user_folder);
  highlighter_->SetScriptLanguage([this] {
    const int slot = tabs_ ? tabs_->ActiveSlot() : -1;
    return slot >= 0 && script_colouring_->On()
               ? ScriptLanguageOf(KindOfCaption(tabs_->Caption(slot)))
               : ScriptLanguage::kNone;
  });
  completion_ = new CompletionPopup(rich_, guards_, [this] {
    const int slot = tabs_->ActiveSlot();
    return slot >= 0 &&
           OffersTagCompletion(KindOfCaption(tabs_->Caption(slot)));
  });
  completion_->Load(languages + "syntaxHTML.lng");
  LineGutter::Switch(rich_, true, kDefaultNumDigits);
}

// NOTE: the key handler watches the editor after the completion list does,
// so it sees each key first and can leave the list's keys to it.
void MainWindow::BuildEditingEvents() {
  change_ = new ChangeHandler(rich_, *highlighter_, *tabs_, guards_, this);
  keys_ = new EditorKeyHandler({*rich_, *tabs_, *highlighter_, *completion_,
                                guards_, lang_, set_status_},
                               *change_, this);
  rich_->SetUnheldTextHost(new Utf8ConversionOffer(
      *rich_, *highlighter_, guards_, *change_, services_.dialogs, this));
  // After the change handler, so Undo sees the snapshot it took.
  connect(rich_, &Editor::TextEdited, this, &MainWindow::UpdateCommandStates);
}

// The toolbar icons run the menu's own commands, so both stay one command.
void MainWindow::BuildTagPanel() {
  auto* tag_panel =
      new TagPanel({this, *rich_, *highlighter_, services_.dialogs,
                    environment_.program_folder, captions_},
                   *side_panel_, *panel_, this);
  tag_panel->BindCommand(PanelAction::kNew, Action("OpnNew"));
  tag_panel->BindCommand(PanelAction::kOpen, Action("OpenOld"));
  tag_panel->BindCommand(PanelAction::kSave, Action("SaveHtml"));
  tag_panel->BindCommand(PanelAction::kPrint, Action("Prnt"));
}

// After the recovery keeper, which saving and closing a document tell to
// forget it.
void MainWindow::BuildDocumentFiles() {
  BuildDiskWatch();
  files_ = std::make_unique<DocumentFiles>(DocumentFilesHost{
      *tabs_, *rich_, *recovery_, guards_, services_.dialogs, settings_, lang_,
      captions_, environment_.user_folder,
      [this](const std::string& caption) { return NewTab(caption); },
      set_status_, [this](int slot) { ShowPathCaption(slot); },
      [this] { ColourWholeText(); }, [this] { RebuildRecentMenu(); },
      [this] { Relayout(); }, *disk_});
}

// A document whose file went keeps its text in the recovery store, since
// quitting asks nothing.
void MainWindow::BuildDiskWatch() {
  disk_ = new DiskWatch({*tabs_, services_.dialogs, captions_,
                         [this] {
                           files_->ReloadActive();
                           UpdateCommandStates();
                         },
                         [this] {
                           change_->MarkUnsaved(tabs_->ActiveSlot());
                           recovery_->KeepActive();
                           UpdateCommandStates();
                         },
                         [this] { return tools_ && tools_->Running(); }},
                        this);
}

void MainWindow::BuildToolCommands() {
  tools_ = new ToolCommands(
      {this, rich_, *highlighter_, guards_, environment_, settings_, lang_,
       captions_,
       [this] {
         const int slot = tabs_->ActiveSlot();
         const Document& document = tabs_->At(slot);
         return PhpDocument{document.file_path, document.saved, rich_->Bytes(),
                            tabs_->Caption(slot)};
       },
       [this] { change_->OnChange(); }, set_status_,
       [this](bool held) { HoldDocuments(held); }, &LoadPageView,
       [this] { recovery_->WriteNow(); }},
      this);
}

void MainWindow::BuildAidWindows() {
  aids_ = std::make_unique<AidWindows>(AidWindowsHost{
      this, *rich_, *highlighter_, guards_, services_.dialogs,
      services_.file_types, environment_, settings_, lang_, captions_, *tabs_,
      [this](const std::string& caption, std::string text, const QIcon& icon) {
        files_->NewDocument(caption, std::move(text), icon);
        UpdateCommandStates();
      },
      [this](const std::string& project_file) {
        files_->SetCurrentListFile(project_file);
        SetStatus(ProjectSavedStatus(lang_.EntryOr(kProjectSavedText, ""),
                                     project_file));
      },
      [this] {
        SetLanguage();
        menu_bar_->FollowSettings();
      },
      [this] {
        const int slot = tabs_->ActiveSlot();
        if (slot >= 0) tabs_->History(slot).Record();
      },
      [this] { CallRichChange(); }});
}

// After every part the menu's commands reach.
void MainWindow::BuildCommandHost() {
  commands_ =
      std::make_unique<CommandHost>(CommandHost{*files_,
                                                *aids_,
                                                *tools_,
                                                {*tabs_, *rich_, guards_},
                                                *Action("TagPanel"),
                                                [this] { Quit(); },
                                                [this] { Wrap(); },
                                                [this] { SetNum(); },
                                                [this] { views_->Toggle(); },
                                                [this] { ShowHelp(); },
                                                [this] { SetLivePreview(); },
                                                [this] { ColourScripts(); }});
}

// Tab is typed into the editor, so F6 reaches the other parts; whatever
// window closes, the keys go back to the editor.
void MainWindow::BuildKeyboardPaths() {
  const auto& [source, preview] = views_->Buttons();
  new FocusCycle(
      *this,
      {{rich_, &views_->Pane()}, {side_panel_}, {tab_bar_}, {source, preview}});
  new TopWindowWatcher(*this, *rich_);
}

void MainWindow::BuildLaunchFiles() {
  launch_ =
      new LaunchFiles({*files_, *recovery_, guards_, services_.dialogs,
                       settings_, captions_, environment_.user_folder,
                       [this] {
                         setWindowState(windowState() & ~Qt::WindowMinimized);
                         raise();
                         activateWindow();
                       }},
                      this);
}

// While a tool runs, the window paints and its menus open, but nothing
// that changes a document can be reached.
void MainWindow::HoldDocuments(bool held) {
  QWidget* parts[] = {rich_, tab_bar_, close_button_, side_panel_, panel_};
  for (QWidget* part : parts) part->setEnabled(!held);
  aids_->HoldFind(held);
  menu_bar_->HoldRecent(held);
  UpdateCommandStates();
  if (!held && rich_->isVisible()) rich_->setFocus();
}

void MainWindow::CallRichChange() {
  change_->OnChange();
  UpdateCommandStates();
}

void MainWindow::Wrap() { rich_->SetWrapped(Action("Wrap")->isChecked()); }

// NOTE: a window shown a moment ago is drawn only once the display has
// told it it is in view; nothing that reaches it through a socket, such as
// files handed over by a second start, may open a document meanwhile.
void MainWindow::ColourWholeText() {
  highlighter_->ColourWholeText(*rich_, [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers);
  });
}

void MainWindow::ColourScripts() {
  script_colouring_->Set(Action("ColourScripts")->isChecked());
  if (tabs_->ActiveSlot() >= 0) ColourWholeText();
}

void MainWindow::SetNum() {
  LineGutter::Switch(rich_, line_numbers_toggle_, kDefaultNumDigits);
  line_numbers_toggle_ = !line_numbers_toggle_;
}

// Before the tag panel, whose buttons run the menu's commands.
void MainWindow::BuildMenus() {
  menu_bar_ = std::make_unique<MainMenuBar>(MainMenuBarHost{
      this, settings_,
      [this](Command handler) {
        handler(*commands_);
        UpdateCommandStates();
      },
      [this](int entry) { files_->OpenRecent(entry); },
      [this](int browser) { views_->OpenInBrowser(browser); },
      [this]() -> const SnapshotHistory* {
        const int slot = tabs_ ? tabs_->ActiveSlot() : -1;
        return slot >= 0 ? &tabs_->History(slot) : nullptr;
      },
      [this] { return tools_ != nullptr && tools_->Running(); }});
  rich_->SetContextActions({Action("Undo"), Action("Redo")});
  plugins_ = std::make_unique<PluginMenu>(
      PluginMenuHost{menu_bar_->PlugInsMenu(), *rich_, *highlighter_, guards_,
                     services_.dialogs, captions_, [this] { CallRichChange(); },
                     [this] { recovery_->KeepBeforeRisk(); }});
}

QAction* MainWindow::Action(const char* object_name) const {
  return findChild<QAction*>(object_name);
}

// The order matters: settings are read before the menus and texts that
// depend on them are built.
void MainWindow::StartUp() {
  ReadSettingsFile(environment_, settings_);
  DetectInstalledBrowsers(settings_, this,
                          [this] { menu_bar_->ListBrowsers(); });
  RebuildRecentMenu();
  SetLanguage();
  menu_bar_->FollowSettings();
}

void MainWindow::SetLanguage() {
  LoadInterfaceLanguage(*this, environment_.program_folder, settings_,
                        {lang_, captions_, *translations_});
}

void MainWindow::RebuildRecentMenu() { menu_bar_->RebuildRecentMenu(); }

void MainWindow::Init(const std::vector<std::string>& arguments) {
  plugins_->Load(environment_.plugin_folder, settings_.plugins,
                 environment_.state_folder + "plugin-marks");
  launch_->Start(arguments);
}

void MainWindow::OpenHandedFiles(const std::vector<std::string>& files) {
  launch_->Hand(files);
}

int MainWindow::NewTab(const std::string& caption) {
  const int slot = tabs_->NewTab(caption);
  if (slot >= 0) Relayout();
  return slot;
}

void MainWindow::SetStatus(std::string_view text) {
  status_->setText(QString::fromUtf8(text.data(), text.size()));
}

void MainWindow::Quit() { close(); }

void MainWindow::BuildViewSwitch() {
  views_ =
      new ViewSwitch({*tabs_, *rich_, set_status_, settings_,
                      environment_.temp_folder, captions_, services_.dialogs},
                     area_);
  ShowDocumentViews(false);
}

void MainWindow::KeepUnsavedText() { recovery_->KeepBeforeRisk(); }

// The split is the window's own state, kept apart from settings.dat.
void MainWindow::BuildLivePreview() {
  live_button_->setDefaultAction(Action("LivePreview"));
  connect(rich_, &Editor::TextEdited, &views_->Live(), &LivePreview::Changed);
  Action("LivePreview")
      ->setChecked(ReadLivePreviewOn(environment_.state_folder));
  views_->Live().SetOn(Action("LivePreview")->isChecked());
}

void MainWindow::SetLivePreview() {
  const bool on = Action("LivePreview")->isChecked();
  views_->Live().SetOn(on);
  Relayout();
  if (!WriteLivePreviewOn(environment_.state_folder, on)) {
    SetStatus(NamedCaption(captions_, "LivePreviewNotKept",
                           "The live preview's state cannot be kept for the "
                           "next start.")
                  .toStdString());
  }
}

void MainWindow::ShowHelp() {
  OpenHelpPage(
      {environment_, captions_, &LoadPageView, services_.dialogs, this},
      settings_.language);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  tools_->Abandon();
  views_->Pane().Finish();
  views_->Live().SetOn(false);
  emit Closing();
  aids_->CloseAbout();
  recovery_->Finish();
  // A failed write leaves the old file in place; quitting goes on
  // regardless, since nobody is left to tell.
  static_cast<void>(WriteSettingsFile(environment_, settings_));
  files_->SaveLastSession();
  event->accept();
}

void MainWindow::OnSwitched(int slot) {
  ShowDocumentViews(true);
  rich_->setFocus();
  ShowPathCaption(slot);
  UpdateTitle();
  UpdateCommandStates();
}

void MainWindow::OnAllFreed() {
  views_->Reset();
  ShowDocumentViews(false);
  opened_path_->clear();
  UpdateTitle();
  UpdateCommandStates();
  Relayout();
}

void MainWindow::ShowDocumentViews(bool shown) {
  for (QWidget* part : std::initializer_list<QWidget*>{rich_, close_button_,
                                                       side_panel_, panel_}) {
    part->setVisible(shown);
  }
  views_->Show(shown);
}

void MainWindow::UpdateCommandStates() { menu_bar_->UpdateCommandStates(); }

void MainWindow::UpdateTitle() {
  const int slot = tabs_->ActiveSlot();
  if (slot < 0) {
    setWindowTitle(kTitle);
    return;
  }
  const QString caption = QString::fromStdString(tabs_->Caption(slot));
  setWindowTitle(QString(kTitle) + " - " + caption);
  rich_->setAccessibleName(caption);
}

void MainWindow::ShowPathCaption(int slot) {
  const QString path = QString::fromStdString(tabs_->At(slot).file_path);
  if (!path.isEmpty()) tab_bar_->setTabToolTip(slot, path);
  ShowPathInLabel(*opened_path_, path);
}

void MainWindow::Relayout() {
  ArrangeWindowParts({*area_, *panel_, *side_panel_, *tab_bar_, *rich_,
                      views_->Pane(), views_->Live(), *live_button_,
                      *close_button_, views_->Buttons(), *status_,
                      *opened_path_});
  if (tabs_->ActiveSlot() >= 0) ShowPathCaption(tabs_->ActiveSlot());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) Relayout();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillory
