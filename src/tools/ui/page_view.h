#pragma once

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

 protected:
  ~PageView() = default;
};

// Makes a view inside `parent`; null when there is no browser to be had.
using PageViewFactory = PageView* (*)(QWidget* parent);

// The name under which the module offers its PageViewFactory.
inline constexpr char kPageViewFactoryName[] = "QuilloryMakePageView";

}  // namespace quillory
