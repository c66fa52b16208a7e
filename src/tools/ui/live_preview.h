#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "base/named_captions.h"
#include "base/settings.h"
#include "tools/preview_page.h"
#include "tools/ui/page_view.h"

class QLabel;

namespace quillory {

class LocalServer;

// What the live preview sees of the main window.
struct LivePreviewHost {
  std::function<std::optional<PreviewSource>()> active_document;
  const Settings& settings;
  std::string temp_folder;  // ends in "/"
  PageViewFactory make_page_view;
  const NamedCaptions& captions;
};

// The active document's page beside its source (`LivePreview`), loaded
// again by itself once typing pauses, scrolled where it was. It never takes
// the keyboard focus, never changes a document and never lets the page
// lead it elsewhere; whatever goes wrong is said on its own line
// (`LivePreviewLine`), never in a box. Its server is its own, so that a
// script stuck here holds up nothing else.
class LivePreview : public QWidget {
 public:
  // Typing that pauses this long is taken as done for now.
  static constexpr std::chrono::milliseconds kTypingPause{300};

  LivePreview(LivePreviewHost host, QWidget* parent);
  ~LivePreview() override;

  // On: shows the active document's page and follows it; off: hides, and
  // ends what it runs.
  void SetOn(bool on);
  bool IsOn() const { return on_; }
  // The text changed: the page follows once typing has paused.
  void Changed();
  // Another document is active: its page at once.
  void Switched();

 private:
  void Refresh();
  bool MakeBrowser();
  // The address of `page`; empty, having said why, without a server.
  QString AddressOf(const std::string& page, bool served);
  void OnLoaded(bool ok);
  void OnStuck();
  void OnRefused(const QString& address);
  QString Caption(std::string_view name, std::string_view english) const;
  void Say(const QString& text);

  LivePreviewHost host_;
  QLabel* line_ = nullptr;
  PageView* web_ = nullptr;
  LocalServer* server_ = nullptr;
  PreviewPageMaker pages_;
  QTimer pause_;
  QTimer stuck_;
  QString note_;  // said once the page has loaded
  bool on_ = false;
  bool page_refused_ = false;  // since the last refresh
};

}  // namespace quillory
