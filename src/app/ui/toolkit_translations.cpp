#include "app/ui/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quillory {

void ToolkitTranslations::Use(const std::optional<std::string>& locale) {
  if (installed_) {
    QCoreApplication::removeTranslator(installed_);
    delete installed_;
    installed_ = nullptr;
  }
  // Sizes and dates in Qt's dialogs follow the default locale.
  QLocale::setDefault(QLocale::system());
  if (!locale || locale->empty()) return;
  const QLocale language(QString::fromStdString(*locale));
  QLocale::setDefault(language);
  auto* translator = new QTranslator(this);
  // "qt" names the catalogue that pulls in qtbase's and the other modules'.
  if (!translator->load(language, "qt", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return;
  }
  QCoreApplication::installTranslator(translator);
  installed_ = translator;
}

}  // namespace quillory
