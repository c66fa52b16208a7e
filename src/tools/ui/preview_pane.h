#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/named_captions.h"
#include "base/settings.h"
#include "platform/dialogs.h"
#include "tools/preview_page.h"
#include "tools/ui/page_view.h"

class QLineEdit;

namespace quillory {

class LocalServer;

// What the preview sees of the main window.
struct PreviewHost {
  std::function<std::optional<PreviewSource>()> active_document;
  std::function<void(std::string_view)> set_status;
  // Shows the editor (true) or hides it for the page (false).
  std::function<void(bool)> show_editor;
  const Settings& settings;
  std::string temp_folder;  // ends in "/"
  PageViewFactory make_page_view;
  const NamedCaptions& captions;
  Dialogs& dialogs;
};

// The embedded preview `Web` under its toolbar `WebTool`, in the editor's
// place. The browser is made on the first preview, so a user who never
// previews never starts the web engine. It owns `PreviewTempFile`, the one
// temporary page of the last preview, and never touches the editor itself.
class PreviewPane : public QWidget {
 public:
  PreviewPane(PreviewHost host, QWidget* parent);
  ~PreviewPane() override;

  void ShowSource();
  // False, having said why, when no page could be shown; the editor then
  // stays and no temporary page is left.
  bool ShowPreview();
  // Removes the temporary page and ends a server started for the preview.
  void Finish();

  const std::string& PreviewTempFile() const { return pages_.TemporaryPage(); }

 private:
  void BuildToolBar();
  bool MakeBrowser();
  // The page's path, written anew for unsaved text; empty on failure.
  std::string PagePath(const PreviewSource& source, bool served);
  // False, having said why, when no server could be had for a served page.
  bool LoadPath(const std::string& path, bool served);
  void SayServerFailure();
  // Which server answered at `host` ("http://127.0.0.1[:port]").
  QString ServedBy(const std::string& host) const;
  QString Caption(std::string_view name, std::string_view english) const;
  void Say(const QString& text);
  void OnLoaded(const QString& address, bool ok);

  PreviewHost host_;
  QWidget* tool_ = nullptr;
  QLineEdit* nav_ = nullptr;
  PageView* web_ = nullptr;
  LocalServer* server_ = nullptr;
  PreviewPageMaker pages_;
  QString served_by_;
  bool loading_ = false;
};

}  // namespace quillory
