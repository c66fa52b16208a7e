#include "tools/ui/external_browser.h"

#include <QProcess>

#include <cstdlib>

#include "base/ui/named_caption_text.h"
#include "tools/browser_detection.h"

namespace quillory {
namespace {

std::optional<std::string> LookUp(std::string_view name) {
  const char* path = std::getenv("PATH");
  return FindOnPath(name, path != nullptr ? path : "");
}

// NOTE: QProcess's own destructor waits for a running program and reports
// its end; the query goes with its owner's children, after the settings the
// report would write into are gone, so it goes silently.
class BrowserQuery : public QProcess {
 public:
  using QProcess::QProcess;
  ~BrowserQuery() override { blockSignals(true); }
};

}  // namespace

void OpenInExternalBrowser(const ExternalBrowser& browser,
                           const std::optional<PreviewSource>& document,
                           const NamedCaptions& captions, Dialogs& dialogs) {
  if (!document || document->file_path.empty()) {
    dialogs.ShowMessage("Open file first!", MessageIcon::kNone);
    return;
  }
  if (!document->saved) {
    dialogs.ShowMessage("Save file first!", MessageIcon::kNone);
    return;
  }
  const std::string& path = document->file_path;
  QStringList arguments;
  for (const std::string& word : BrowserArguments(path)) {
    arguments << QString::fromStdString(word);
  }
  const QString folder =
      QString::fromStdString(path.substr(0, path.rfind('/') + 1));
  if (!QProcess::startDetached(QString::fromStdString(browser[3]), arguments,
                               folder)) {
    const QString text = NamedCaption(captions, "BrowserNotStarted",
                                      "Cannot start the browser %1");
    dialogs.ShowMessage(
        text.arg(QString::fromStdString(browser[3])).toStdString(),
        MessageIcon::kError);
  }
}

void DetectInstalledBrowsers(Settings& settings, QObject* owner,
                             std::function<void()> changed) {
  DetectBrowsers(settings, &LookUp, "");
  auto* query = new BrowserQuery(owner);
  QObject::connect(
      query, &QProcess::finished, owner,
      [&settings, query, changed = std::move(changed)](int code) {
        const std::string id = query->readAllStandardOutput().toStdString();
        query->deleteLater();
        const size_t before = settings.external_browsers.size();
        if (code == 0) {
          DetectBrowsers(settings, &LookUp, DefaultBrowserProgram(id));
        }
        if (settings.external_browsers.size() != before) changed();
      });
  QObject::connect(query, &QProcess::errorOccurred, query,
                   &QObject::deleteLater);
  query->start("xdg-settings", {"get", "default-web-browser"});
}

}  // namespace quillory
