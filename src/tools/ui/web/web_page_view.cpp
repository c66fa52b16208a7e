// The browser module: Qt WebEngine behind the PageView interface. Only this
// file links the web engine, and the program loads it on first use.
#include <unistd.h>

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

class WebPageView : public QWebEngineView, public PageView {
 public:
  WebPageView(QWebEngineProfile* profile, QWidget* parent)
      : QWebEngineView(parent) {
    setPage(new QWebEnginePage(profile, this));
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
    load(QUrl::fromUserInput(address));
  }
  void Back() override { back(); }
  void Forward() override { forward(); }
  void Reload() override { reload(); }

  void Watch(std::function<void(const QString&)> on_status,
             std::function<void(const QString&, bool)> on_loaded) override {
    connect(page(), &QWebEnginePage::linkHovered, this, on_status);
    connect(this, &QWebEngineView::loadFinished, this,
            [this, on_loaded](bool ok) { on_loaded(url().toString(), ok); });
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
};

}  // namespace
}  // namespace quillory

extern "C" Q_DECL_EXPORT quillory::PageView* QuilloryMakePageView(
    QWidget* parent) {
  static QWebEngineProfile* const profile = quillory::StartEngine();
  return new quillory::WebPageView(profile, parent);
}
