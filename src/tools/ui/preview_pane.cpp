#include "tools/ui/preview_pane.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <chrono>
#include <cstdio>
#include <random>

#include "base/ui/named_caption_text.h"
#include "tools/preview_address.h"
#include "tools/server_key.h"
#include "tools/ui/local_server.h"

namespace quillory {
namespace {

double NextRandom() {
  static std::mt19937 generator(static_cast<unsigned>(
      std::chrono::system_clock::now().time_since_epoch().count()));
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

}  // namespace

PreviewPane::PreviewPane(PreviewHost host, QWidget* parent)
    : QWidget(parent), host_(std::move(host)), pages_(&NextRandom) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolBar();
  layout->addWidget(tool_);
  hide();
}

PreviewPane::~PreviewPane() = default;

void PreviewPane::BuildToolBar() {
  tool_ = new QWidget(this);
  tool_->setObjectName("WebTool");
  auto* row = new QHBoxLayout(tool_);
  row->setContentsMargins(2, 2, 2, 2);
  const std::function<void()> actions[] = {
      [this] { web_->Back(); }, [this] { web_->Forward(); },
      [this] { web_->Reload(); }, [this] { web_->Load(nav_->text()); }};
  nav_ = new QLineEdit(tool_);
  nav_->setObjectName("Nav");
  for (int i = 0; i < 4; ++i) {
    auto* button = new QToolButton(tool_);
    button->setObjectName(QString("Image1_%1").arg(i));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this, action = actions[i]] {
      if (web_ != nullptr) action();
    });
    if (i == 3) row->addWidget(nav_, 1);
    row->addWidget(button);
  }
  connect(nav_, &QLineEdit::returnPressed, this, [this] {
    if (web_ != nullptr) web_->Load(nav_->text());
  });
}

bool PreviewPane::MakeBrowser() {
  if (web_ != nullptr) return true;
  web_ = host_.make_page_view ? host_.make_page_view(this) : nullptr;
  if (web_ == nullptr) return false;
  web_->Widget()->setObjectName("Web");
  static_cast<QVBoxLayout*>(layout())->addWidget(web_->Widget(), 1);
  web_->Watch(
      [this](const QString& text) { host_.set_status(text.toStdString()); },
      [this](const QString& address, bool ok) { OnLoaded(address, ok); });
  return true;
}

void PreviewPane::ShowSource() {
  pages_.Remove();
  // PHP's server answers one request at a time: a script that never ends
  // would keep every later preview waiting behind it.
  if (loading_ && server_ != nullptr) server_->Stop();
  host_.show_editor(true);
  hide();
  if (web_ != nullptr) web_->Load("about:blank");
}

bool PreviewPane::ShowPreview() {
  pages_.Remove();
  const std::optional<PreviewSource> source = host_.active_document();
  if (!source) return false;
  if (!MakeBrowser()) {
    Say(Caption("PreviewNoBrowser", "The embedded browser is not available."));
    return false;
  }
  const bool served = host_.settings.is_http_server != 0;
  if (served && host_.settings.path_to_httpd.empty()) {
    Say(Caption("PreviewNoFolder",
                "Choose the folder that the HTTP server publishes in the "
                "settings first."));
    return false;
  }
  const std::string path = PagePath(*source, served);
  if (path.empty()) return false;
  if (!LoadPath(path, served)) {
    pages_.Remove();
    return false;
  }
  host_.show_editor(false);
  show();
  raise();
  return true;
}

void PreviewPane::Finish() {
  pages_.Remove();
  delete server_;
  server_ = nullptr;
}

std::string PreviewPane::PagePath(const PreviewSource& source, bool served) {
  const std::string folder = AsFolder(host_.settings.path_to_httpd);
  const CreatedFile page =
      pages_.Make(source, {host_.temp_folder, served ? folder : ""});
  if (page.path.empty()) {
    Say(Caption("PreviewWriteFailed", "Cannot write the preview page %1: %2")
            .arg(QString::fromStdString(served ? folder : host_.temp_folder),
                 QString::fromStdString(page.error)));
  }
  return page.path;
}

bool PreviewPane::LoadPath(const std::string& path, bool served) {
  served_by_.clear();
  std::string address = FileUrl(path);
  if (served) {
    if (server_ == nullptr) {
      server_ = new LocalServer(host_.settings.php, host_.temp_folder, this);
    }
    const std::string folder = AsFolder(host_.settings.path_to_httpd);
    const int port = server_->PortFor(folder);
    if (port < 0) {
      SayServerFailure();
      return false;
    }
    address = ServerAddress(path, folder, port);
    served_by_ = ServedBy(address.substr(0, address.find('/', 7)));
    if (server_->State() == ServerState::kPhpServer) {
      address = WithServerKey(address, server_->Key());
    }
  }
  loading_ = true;
  web_->Load(QString::fromStdString(address));
  return true;
}

QString PreviewPane::ServedBy(const std::string& host) const {
  return (server_->State() == ServerState::kPhpServer
              ? Caption("PreviewServedByPhp",
                        "Served by PHP's built-in server at %1")
              : Caption("PreviewServedBy", "Served by the HTTP server at %1"))
      .arg(QString::fromStdString(host));
}

void PreviewPane::SayServerFailure() {
  if (server_->State() == ServerState::kNoPhp) {
    Say(Caption("PreviewNoPhp",
                "No HTTP server answers at 127.0.0.1, and PHP cannot be "
                "started to serve the page: %1")
            .arg(QString::fromStdString(server_->Php())));
  } else {
    Say(Caption("PreviewPhpFailed",
                "No HTTP server answers at 127.0.0.1, and PHP's built-in "
                "server did not start."));
  }
}

QString PreviewPane::Caption(std::string_view name,
                             std::string_view english) const {
  return NamedCaption(host_.captions, name, english);
}

void PreviewPane::Say(const QString& text) {
  host_.dialogs.ShowMessage(text.toStdString(), MessageIcon::kError);
}

void PreviewPane::OnLoaded(const QString& address, bool ok) {
  loading_ = false;
  nav_->setText(address);
  if (ok && !served_by_.isEmpty()) host_.set_status(served_by_.toStdString());
}

}  // namespace quillory
