#include "tools/ui/page_view_loader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace quillory {
namespace {

constexpr char kModuleName[] = "libquillory_web.so";

PageViewFactory LoadFactory() {
  QLibrary module(QCoreApplication::applicationDirPath() + "/" + kModuleName);
  return reinterpret_cast<PageViewFactory>(
      module.resolve(kPageViewFactoryName));
}

}  // namespace

// NOTE: the module stays loaded for the rest of the run: its views and the
// web engine behind them cannot be unloaded.
PageView* LoadPageView(QWidget* parent) {
  static const PageViewFactory factory = LoadFactory();
  return factory ? factory(parent) : nullptr;
}

}  // namespace quillory
