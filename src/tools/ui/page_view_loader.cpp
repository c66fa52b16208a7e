#include "tools/ui/page_view_loader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace quillory {
namespace {

constexpr char kModuleName[] = "libquillory_web.so";

// Beside the executable in a build folder; in <prefix>/lib/quillory/browser
// when installed: a library no other program links, in a folder of its own
// so that installing it needs no run of ldconfig.
PageViewFactory LoadFactory() {
  const QString folder = QCoreApplication::applicationDirPath();
  for (const QString& path :
       {folder + "/" + kModuleName,
        folder + "/../lib/quillory/browser/" + kModuleName}) {
    QLibrary module(path);
    if (auto factory = reinterpret_cast<PageViewFactory>(
            module.resolve(kPageViewFactoryName))) {
      return factory;
    }
  }
  return nullptr;
}

}  // namespace

// NOTE: the module stays loaded for the rest of the run: its views and the
// web engine behind them cannot be unloaded.
PageView* LoadPageView(QWidget* parent) {
  static const PageViewFactory factory = LoadFactory();
  return factory ? factory(parent) : nullptr;
}

}  // namespace quillory
