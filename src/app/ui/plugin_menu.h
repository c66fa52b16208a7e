#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/plugin_registration.h"

class QMenu;

namespace quillory {

class Dialogs;
class Editor;
class HtmlParse;
class NamedCaptions;
class PluginSet;
struct EditingGuards;

// What the plug-in menu sees of the main window.
struct PluginMenuHost {
  // `PlugIns`; its first entry is the hidden design-time `mplug_0`.
  QMenu& menu;
  Editor& rich;
  HtmlParse& highlighter;
  EditingGuards& guards;
  Dialogs& dialogs;
  const NamedCaptions& captions;
  // The change handling typing runs, after a plug-in replaced the text.
  std::function<void()> call_rich_change;
  // Puts the unsaved text on disk, since a plug-in runs inside the program
  // and may crash it.
  std::function<void()> keep_recovery_text;
};

// The plug-in menu (`mplug`): one entry for each loaded plug-in, in load
// order, that runs the plug-in on the active document. Reaches the
// document only through the editor.
class PluginMenu {
 public:
  explicit PluginMenu(PluginMenuHost host);
  ~PluginMenu();

  // Loads the plug-ins that `entries` (`Settings.plugins`) name from
  // `folder`, marked in the file `marks_path` while each loads; one that a
  // start died loading is skipped and named in a message. The window goes
  // on painting while a registration runs.
  void Load(const std::string& folder, const std::vector<std::string>& entries,
            const std::string& marks_path,
            std::chrono::milliseconds limit = kRegistrationLimit);
  // `RunPlugin` on the editor's text: the result replaces it, coloured, as
  // one undoable change; a failure is shown and changes nothing.
  void RunPlugin(int k);

 private:
  void ShowEntry(int k, const std::string& caption);

  PluginMenuHost host_;
  std::unique_ptr<PluginSet> plugins_;
};

}  // namespace quillory
