#include "tools/ui/live_preview.h"

#include <QLabel>
#include <QVBoxLayout>

#include <chrono>
#include <filesystem>
#include <random>

#include "base/ui/named_caption_text.h"
#include "tools/preview_address.h"
#include "tools/server_key.h"
#include "tools/ui/local_server.h"

namespace quillory {
namespace {

using std::chrono::milliseconds;

// A page that has not loaded by then is taken as stuck in a script.
constexpr milliseconds kLoadLimit(5000);

double NextRandom() {
  static std::mt19937 generator(std::random_device{}());
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

bool ShowsPages(DocumentKind kind) {
  return kind != DocumentKind::kJavaScript && kind != DocumentKind::kCss;
}

}  // namespace

LivePreview::LivePreview(LivePreviewHost host, QWidget* parent)
    : QWidget(parent), host_(std::move(host)), pages_(&NextRandom) {
  setObjectName("LivePreview");
  setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  line_ = new QLabel(this);
  line_->setObjectName("LivePreviewLine");
  line_->setWordWrap(true);
  line_->hide();
  layout->addWidget(line_);
  pause_.setSingleShot(true);
  pause_.setInterval(kTypingPause);
  connect(&pause_, &QTimer::timeout, this, &LivePreview::Refresh);
  stuck_.setSingleShot(true);
  stuck_.setInterval(kLoadLimit);
  connect(&stuck_, &QTimer::timeout, this, &LivePreview::OnStuck);
  hide();
}

LivePreview::~LivePreview() = default;

void LivePreview::SetOn(bool on) {
  on_ = on;
  setVisible(on);
  if (on) {
    Refresh();
    return;
  }
  pause_.stop();
  stuck_.stop();
  if (web_ != nullptr) web_->Restart();
  pages_.Remove();
  delete server_;
  server_ = nullptr;
}

void LivePreview::Changed() {
  if (on_) pause_.start();
}

void LivePreview::Switched() {
  if (on_) Refresh();
}

bool LivePreview::MakeBrowser() {
  if (web_ != nullptr) return true;
  web_ = host_.make_page_view ? host_.make_page_view(this) : nullptr;
  if (web_ == nullptr) return false;
  web_->Widget()->setObjectName("LiveWeb");
  static_cast<QVBoxLayout*>(layout())->addWidget(web_->Widget(), 1);
  web_->Watch([](const QString&) {},
              [this](const QString&, bool ok) { OnLoaded(ok); });
  web_->Confine([this](const QString& address) { OnRefused(address); });
  return true;
}

// NOTE: the page is written and loaded here, after the pause, never on a
// key; loading goes on in the browser's own processes.
void LivePreview::Refresh() {
  pause_.stop();
  const std::optional<PreviewSource> source = host_.active_document();
  // A script or a style sheet is no page: the last page stays.
  if (!source || !ShowsPages(source->kind)) return;
  if (!MakeBrowser()) {
    Say(Caption("PreviewNoBrowser", "The embedded browser is not available."));
    return;
  }
  const bool served = host_.settings.is_http_server != 0;
  const std::string folder = AsFolder(host_.settings.path_to_httpd);
  if (served && folder.empty()) {
    Say(Caption("PreviewNoFolder",
                "Choose the folder that the HTTP server publishes in the "
                "settings first."));
    return;
  }
  std::error_code error;
  if (served && !std::filesystem::is_directory(folder, error)) {
    Say(Caption("LivePreviewNoServedFolder",
                "The folder that the HTTP server publishes, %1, does not "
                "exist; choose another in the settings.")
            .arg(QString::fromStdString(folder)));
    return;
  }
  // Shown with the page, which still loads.
  note_ = source->file_path.empty()
              ? Caption("LivePreviewUnsaved",
                        "This document has no folder until it is saved: "
                        "style sheets, images and pages named by relative "
                        "paths are not found.")
              : QString();
  const CreatedFile page =
      pages_.Make(*source, {host_.temp_folder, served ? folder : ""});
  if (page.path.empty()) {
    Say(Caption("PreviewWriteFailed", "Cannot write the preview page %1: %2")
            .arg(QString::fromStdString(served ? folder : host_.temp_folder),
                 QString::fromStdString(page.error)));
    return;
  }
  const QString address = AddressOf(page.path, served);
  if (address.isEmpty()) return;
  stuck_.start();
  page_refused_ = false;
  web_->Refresh(address);
}

QString LivePreview::AddressOf(const std::string& page, bool served) {
  if (!served) return QString::fromStdString(FileUrl(page));
  if (server_ == nullptr) {
    server_ = new LocalServer(host_.settings.php, host_.temp_folder, this);
  }
  const std::string folder = AsFolder(host_.settings.path_to_httpd);
  const int port = server_->PortFor(folder);
  if (port < 0) {
    Say(server_->State() == ServerState::kNoPhp
            ? Caption("PreviewNoPhp",
                      "No HTTP server answers at 127.0.0.1, and PHP cannot be "
                      "started to serve the page: %1")
                  .arg(QString::fromStdString(server_->Php()))
            : Caption("PreviewPhpFailed",
                      "No HTTP server answers at 127.0.0.1, and PHP's "
                      "built-in server did not start."));
    return "";
  }
  std::string address = ServerAddress(page, folder, port);
  if (server_->State() == ServerState::kPhpServer) {
    address = WithServerKey(address, server_->Key());
  }
  return QString::fromStdString(address);
}

// What the page was refused matters more than how its load ended.
void LivePreview::OnLoaded(bool ok) {
  stuck_.stop();
  if (page_refused_) return;
  if (ok) {
    if (note_.isEmpty()) {
      line_->hide();
    } else {
      Say(note_);
    }
    return;
  }
  Say(Caption("LivePreviewNotLoaded", "The page could not be loaded."));
}

// A stuck script of PHP holds its server, one of JavaScript the page's
// process, and so does a page of hundreds of megabytes: both are ended,
// and the next refresh starts afresh.
void LivePreview::OnStuck() {
  web_->Restart();
  if (server_ != nullptr) server_->Stop();
  Say(Caption("LivePreviewStuck",
              "The page did not finish loading within 5 seconds and was "
              "stopped: a script that never ends, or a page too big to "
              "show."));
}

void LivePreview::OnRefused(const QString& address) {
  page_refused_ = true;
  Say(address.isEmpty()
          ? Caption("LivePreviewNoWindows",
                    "The page tried to open a window; the live preview keeps "
                    "to the page.")
          : Caption("LivePreviewStays",
                    "The page tried to go to %1; the live preview keeps to "
                    "the page.")
                .arg(address));
}

QString LivePreview::Caption(std::string_view name,
                             std::string_view english) const {
  return NamedCaption(host_.captions, name, english);
}

void LivePreview::Say(const QString& text) {
  line_->setText(text);
  line_->show();
}

}  // namespace quillory
