#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "tools/ui/live_preview.h"
#include "tools/ui/preview_pane.h"

class QRadioButton;
class QWidget;

namespace quillory {

class DocumentTabs;
class Editor;

// What the source / preview choice needs of the main window; all of it
// outlives the switch.
struct ViewSwitchHost {
  DocumentTabs& tabs;  // the active document is previewed
  Editor& rich;        // hidden while the page shows
  std::function<void(std::string_view)> set_status;
  const Settings& settings;
  std::string temp_folder;
  const NamedCaptions& captions;
  Dialogs& dialogs;
};

// The choice between the source and the preview (`Option1`): two option
// buttons and the preview pane in the editor's place. The choice holds
// across tab switches; the documents themselves are never touched.
class ViewSwitch : public QObject {
 public:
  // The buttons and the pane become children of `area`, like the editor.
  ViewSwitch(ViewSwitchHost host, QWidget* area);

  PreviewPane& Pane() const { return *preview_; }
  // The page beside the source; it stays while no document is open.
  LivePreview& Live() const { return *live_; }
  // 0 the source, 1 the preview.
  const std::array<QRadioButton*, 2>& Buttons() const { return buttons_; }
  // `view_browse`: turns on the view option that is off.
  void Toggle();
  // The option back on the source without running the switch.
  void Reset();
  // Another document is active: the chosen view shows it.
  void Follow();
  // With the document views: the buttons show or hide, the pane only hides.
  void Show(bool shown);
  // `ext_Click`: the active document in the external browser `index`
  // (0-based) of the settings.
  void OpenInBrowser(int index);

 private:
  // `Option1_Click`: 0 the source, 1 the preview.
  void Switch(int index);
  std::optional<PreviewSource> ActiveSource() const;
  PreviewHost PaneHost();

  std::array<QRadioButton*, 2> buttons_;
  ViewSwitchHost host_;
  PreviewPane* preview_ = nullptr;
  LivePreview* live_ = nullptr;
  bool lock_ = false;  // `ViewSwitchLock`
};

}  // namespace quillory
