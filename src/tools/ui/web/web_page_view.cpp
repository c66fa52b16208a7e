// The browser module: Qt WebEngine behind the PageView interface. Only this
// file links the web engine, and the program loads it on first use.
#include <unistd.h>

#include <optional>

#include <QChildEvent>
#include <QCoreApplication>
#include <QFile>
#include <QOpenGLContext>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "tools/ui/page_view.h"

// Qt's own way to give late-loaded users of OpenGL the context to share.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace quillory {
namespace {

constexpr char kPageScheme[] = "quillory-page";

// Serves local files as HTML. The pages are tool output kept in files
// named ".tmp", which the browser would show as plain text from a file URL.
class PageFiles : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    auto* file = new QFile(job->requestUrl().path(), job);
    if (!file->open(QIODevice::ReadOnly)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    job->reply("text/html", file);
  }
};

// NOTE: the web engine needs a shared OpenGL context, which Qt makes at
// start-up only when asked before the application exists; asking there
// would cost every start. Made here instead, before the engine's first use.
// The scheme likewise must be known before the engine starts.
QWebEngineProfile* StartEngine() {
  // The engine's sandbox refuses to run as root.
  if (geteuid() == 0 &&
      qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  if (qt_gl_global_share_context() == nullptr) {
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
  }
  QWebEngineUrlScheme scheme(kPageScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme |
                  QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
  // Off the record: nothing of the pages is kept on disk. The profile
  // outlives every page, as the engine requires.
  auto* profile = new QWebEngineProfile(QCoreApplication::instance());
  profile->installUrlSchemeHandler(kPageScheme, new PageFiles(profile));
  return profile;
}

QUrl SiteOf(const QUrl& url) {
  return url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery |
                      QUrl::RemoveFragment | QUrl::RemoveUserInfo);
}

// A page that, once confined, goes only where its view sends it.
class ConfinedPage : public QWebEnginePage {
 public:
  ConfinedPage(QWebEngineProfile* profile, QObject* parent,
               std::function<void(const QString&)> on_refused)
      : QWebEnginePage(profile, parent), on_refused_(std::move(on_refused)) {}

  // Where the view sends it next.
  void Send(const QUrl& address) { site_ = SiteOf(address); }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type,
                               bool main_frame) override {
    if (!on_refused_ || !main_frame || type == NavigationTypeTyped) {
      return true;
    }
    // The server's key moves into a cookie by a redirect to its own site.
    if (type == NavigationTypeRedirect && SiteOf(url) == site_) return true;
    on_refused_(url.toString());
    return false;
  }

  QWebEnginePage* createWindow(WebWindowType) override {
    if (on_refused_) on_refused_("");
    return nullptr;
  }

 private:
  std::function<void(const QString&)> on_refused_;
  QUrl site_;
};

class WebPageView : public QWebEngineView, public PageView {
 public:
  WebPageView(QWebEngineProfile* profile, QWidget* parent)
      : QWebEngineView(parent), profile_(profile) {
    setPage(new ConfinedPage(profile, this, nullptr));
  }

  QWidget* Widget() override { return this; }

  void ShowFile(const QString& path) override {
    load(QUrl("about:blank"));
    QUrl page;
    page.setScheme(kPageScheme);
    page.setPath(path);
    load(page);
  }

  void Load(const QString& address) override {
    const QUrl url = QUrl::fromUserInput(address);
    static_cast<ConfinedPage*>(page())->Send(url);
    load(url);
  }
  void Back() override { back(); }
  void Forward() override { forward(); }
  void Reload() override { reload(); }

  void Watch(std::function<void(const QString&)> on_status,
             std::function<void(const QString&, bool)> on_loaded) override {
    on_status_ = std::move(on_status);
    connect(page(), &QWebEnginePage::linkHovered, this, on_status_);
    connect(this, &QWebEngineView::loadFinished, this,
            [this, on_loaded](bool ok) {
              if (ok && scroll_) {
                page()->runJavaScript(QString("window.scrollTo(%1, %2);")
                                          .arg(scroll_->x())
                                          .arg(scroll_->y()));
              }
              scroll_.reset();
              on_loaded(url().toString(), ok);
            });
  }

  void Confine(std::function<void(const QString&)> on_refused) override {
    on_refused_ = std::move(on_refused);
    Restart();
  }

  void Refresh(const QString& address) override {
    if (!scroll_) scroll_ = page()->scrollPosition();
    Load(address);
  }

  // NOTE: the old page goes with its render process, which ends a script
  // that loops; another page would share that process and hang with it.
  void Restart() override {
    QWebEnginePage* old = page();
    auto* fresh = new ConfinedPage(profile_, this, on_refused_);
    setPage(fresh);
    if (on_status_)
      connect(fresh, &QWebEnginePage::linkHovered, this, on_status_);
    delete old;
    scroll_.reset();
  }

 protected:
  // NOTE: the page draws through a QQuickWidget, which by default throws
  // its whole scene graph away when hidden and builds it again when shown:
  // a cost paid at every switch between the source and the page.
  void childEvent(QChildEvent* event) override {
    if (event->type() == QEvent::ChildPolished) {
      if (auto* drawn = qobject_cast<QQuickWidget*>(event->child())) {
        drawn->quickWindow()->setPersistentSceneGraph(true);
        drawn->quickWindow()->setPersistentGraphics(true);
      }
    }
    QWebEngineView::childEvent(event);
  }

 private:
  QWebEngineProfile* profile_;
  std::function<void(const QString&)> on_status_;
  std::function<void(const QString&)> on_refused_;
  std::optional<QPointF> scroll_;
};

}  // namespace
}  // namespace quillory

extern "C" Q_DECL_EXPORT quillory::PageView* QuilloryMakePageView(
    QWidget* parent) {
  static QWebEngineProfile* const profile = quillory::StartEngine();
  return new quillory::WebPageView(profile, parent);
}
