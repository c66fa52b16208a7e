#pragma once

#include <QPointer>

#include <cstdint>
#include <functional>
#include <string>

#include "designer/design_model.h"
#include "editor/ui/last_search.h"

class QAction;
class QIcon;
class QWidget;

namespace quillory {

class AboutWindow;
class AddTag;
class DocumentTabs;
class Editor;
struct EditingGuards;
class FindWindow;
class HtmlParse;
class LangTable;
class NamedCaptions;
class TemplateWindow;
class VisualEditor;
class Dialogs;
class FileTypes;
struct AppEnvironment;
struct Settings;
enum class FindPanel : uint8_t;
enum class SearchDirection : uint8_t;
enum class SettingsPage;
enum class TagListsUse : int;

// What the windows opened on command see of the main window.
struct AidWindowsHost {
  QWidget* main_window;  // their owner; disabled while a blocking one is open
  Editor& rich;
  HtmlParse& highlighter;
  EditingGuards& guards;
  Dialogs& dialogs;
  FileTypes& file_types;
  const AppEnvironment& environment;
  Settings& settings;  // the settings window changes it
  const LangTable& lang;
  const NamedCaptions& captions;
  const DocumentTabs& tabs;
  // Opens an untitled document made from a template.
  std::function<void(const std::string& caption, std::string text,
                     const QIcon& icon)>
      create;
  // Told the project file once it is written.
  std::function<void(const std::string& project_file)> project_saved;
  // After the settings window changed the settings.
  std::function<void()> settings_applied;
  // Takes an undo snapshot of the active document as it is now.
  std::function<void()> record_snapshot;
  // The change handling, as after a change the user made.
  std::function<void()> call_rich_change;
};

// Opens the windows the main window shows on command (templates, projects,
// find, designer, rich-text editor, settings, about) and keeps the ones that
// must stay single. Touches no document itself; the windows do through the
// host.
class AidWindows {
 public:
  explicit AidWindows(AidWindowsHost host);
  ~AidWindows();

  // The template window, to start a new document.
  void ShowTemplates();
  void ShowProjects();
  void AddToTemplates();
  // Brings up the find window with `panel` and the focus in its find text.
  void ShowFind(FindPanel panel);
  // Find next and find previous from the editor with the last search; the
  // find window when there was none.
  void FindAgain(SearchDirection direction);
  void GoToLine();
  // Opens the form designer; the main window takes no input until it
  // closes.
  void ShowDesigner();
  // The rich-text editor, modal.
  void ShowRichEditor();
  void ShowAbout();
  // The settings window, modal, on `page`.
  void ShowSettings(SettingsPage page);
  // `Prnt`: the active document, with the fixed margins.
  void Print();
  // `Insert_Tag`: the tag lists as a chooser; the main window takes no
  // input until it closes. An open tag panel closes first.
  void InsertTag();
  // `TagPanel`: the tag lists as a panel that stays above the main window
  // while `command` is checked; closing the panel unchecks it.
  void ShowTagPanel(QAction& command);
  // The find window follows the documents while a tool holds them.
  void HoldFind(bool held);
  void CloseAbout();

 private:
  AddTag* OpenTagLists(TagListsUse use);

  AidWindowsHost host_;
  QPointer<AboutWindow> about_;
  QPointer<FindWindow> find_;
  LastSearch last_search_;
  QPointer<TemplateWindow> templates_;
  QPointer<VisualEditor> designer_;
  QPointer<AddTag> tag_lists_;
  DesignModel design_;
};

}  // namespace quillory
