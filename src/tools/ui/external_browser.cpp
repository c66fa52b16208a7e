#include "tools/ui/external_browser.h"

#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "base/ui/named_caption_text.h"
#include "tools/browser_detection.h"

namespace quillory {
namespace {

constexpr int kStartWatch = 2000;  // ms
constexpr int kReasonChars = 600;

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

// NOTE: a detached program belongs to the system's first process, which in
// a container may never collect it: an unreaped one has ended as well.
bool Ended(qint64 pid) {
  if (kill(static_cast<pid_t>(pid), 0) != 0) return errno == ESRCH;
  QFile stat(QString("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return false;
  const QByteArray line = stat.readAll();
  const qsizetype after_name = line.lastIndexOf(')');
  return after_name >= 0 && line.mid(after_name + 2, 1) == "Z";
}

// A browser that refuses to run (as root, without a display...) ends at
// once with its reason on its error output; one that hands the page to a
// running copy of itself ends too, but quietly.
void WatchBrowserStart(qint64 pid, const QString& program,
                       std::shared_ptr<QTemporaryFile> errors,
                       const NamedCaptions& captions, Dialogs& dialogs,
                       QObject* context) {
  QTimer::singleShot(kStartWatch, context, [=, &captions, &dialogs] {
    if (!Ended(pid)) return;
    const QString reason =
        QString::fromLocal8Bit(errors->readAll()).trimmed().right(kReasonChars);
    if (reason.isEmpty()) return;
    const QString text = NamedCaption(captions, "BrowserEnded",
                                      "The browser %1 ended at once: %2");
    dialogs.ShowMessage(text.arg(program, reason).toStdString(),
                        MessageIcon::kError);
  });
}

}  // namespace

void OpenInExternalBrowser(const ExternalBrowser& browser,
                           const std::optional<PreviewSource>& document,
                           const NamedCaptions& captions, Dialogs& dialogs,
                           QObject* context) {
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
  for (const std::string& word : BrowserArguments(browser[1], path)) {
    arguments << QString::fromStdString(word);
  }
  const QString program = QString::fromStdString(browser[3]);
  auto errors = std::make_shared<QTemporaryFile>();
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setWorkingDirectory(
      QString::fromStdString(path.substr(0, path.rfind('/') + 1)));
  if (errors->open()) process.setStandardErrorFile(errors->fileName());
  qint64 pid = 0;
  if (!process.startDetached(&pid)) {
    const QString text = NamedCaption(captions, "BrowserNotStarted",
                                      "Cannot start the browser %1");
    dialogs.ShowMessage(text.arg(program).toStdString(), MessageIcon::kError);
    return;
  }
  WatchBrowserStart(pid, program, std::move(errors), captions, dialogs,
                    context);
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
