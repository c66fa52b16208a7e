#pragma once

#include <functional>

class QString;
class QWidget;

namespace quillory {

// The tool output window's browser. It lives in a module of its own that
// is loaded on first use, so the web engine costs nothing to a user who
// never shows a page. The view is a widget that belongs to its parent.
class PageView {
 public:
  virtual QWidget* Widget() = 0;
  // Shows the page in the file at `path` as HTML, whatever its name ends
  // with.
  virtual void ShowFile(const QString& path) = 0;

  // Browsing, for the preview. `address` is a URL.
  virtual void Load(const QString& address) = 0;
  virtual void Back() = 0;
  virtual void Forward() = 0;
  virtual void Reload() = 0;
  // `on_status` gets the page's status text (the link under the pointer,
  // empty when none); `on_loaded` the address after each navigation, and
  // whether the page loaded.
  virtual void Watch(std::function<void(const QString&)> on_status,
                     std::function<void(const QString&, bool)> on_loaded) = 0;

  // For a page shown beside its source: from now on the view keeps to the
  // addresses it is given and to redirects within their site. Whatever else
  // the page tries (a link, another site, a new window) is refused and
  // `on_refused` gets its address.
  virtual void Confine(std::function<void(const QString&)> on_refused) = 0;
  // Loads `address`, then scrolls the page back to where this one was.
  virtual void Refresh(const QString& address) = 0;
  // Drops the page, and a script of it that never ends, for a blank one.
  virtual void Restart() = 0;

 protected:
  ~PageView() = default;
};

// Makes a view inside `parent`; null when there is no browser to be had.
using PageViewFactory = PageView* (*)(QWidget* parent);

// The name under which the module offers its PageViewFactory.
inline constexpr char kPageViewFactoryName[] = "QuilloryMakePageView";

}  // namespace quillory
