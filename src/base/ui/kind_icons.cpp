#include "base/ui/kind_icons.h"

#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>

#include "base/text_util.h"

namespace quillory {
namespace {

// Without a desktop session Qt knows no icon theme (or only hicolor, which
// has no file types) and perhaps not where themes live; the freedesktop
// default theme still has a picture for every generic file type.
void EnsureIconTheme() {
  static const bool ensured = [] {
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != "hicolor") return true;
    QStringList paths = QIcon::themeSearchPaths();
    paths << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                       "icons",
                                       QStandardPaths::LocateDirectory);
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName("Adwaita");
    return true;
  }();
  static_cast<void>(ensured);
}

QIcon ThemeIcon(const QString& name) {
  EnsureIconTheme();
  return QIcon::fromTheme(name);
}

QIcon DesktopIconForFile(const std::string& path) {
  const QMimeType type = QMimeDatabase().mimeTypeForFile(
      QFile::decodeName(QByteArray::fromStdString(path)));
  const QIcon specific = ThemeIcon(type.iconName());
  return specific.isNull() ? ThemeIcon(type.genericIconName()) : specific;
}

}  // namespace

QIcon IconForKind(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kHtml:
      return QIcon(":/icons/html.svg");
    case DocumentKind::kJavaScript:
      return QIcon(":/icons/javascript.svg");
    case DocumentKind::kCss:
      return QIcon(":/icons/css.svg");
    case DocumentKind::kPhp:
      return QIcon(":/icons/php.svg");
    case DocumentKind::kOther:
      break;
  }
  return {};
}

QIcon IconForFile(const std::string& path) {
  const DocumentKind kind = KindOfCaption(FileNameOfPath(path));
  return kind == DocumentKind::kOther ? DesktopIconForFile(path)
                                      : IconForKind(kind);
}

}  // namespace quillory
