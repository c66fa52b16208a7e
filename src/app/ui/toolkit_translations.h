#pragma once

#include <QObject>

#include <optional>
#include <string>

class QTranslator;

namespace quillory {

// Qt's own texts (file dialogs, standard buttons, the context menus of
// text fields) in the interface language, from the translations installed
// with Qt, and the default locale with them. Touches no text of the
// program's own.
class ToolkitTranslations : public QObject {
  Q_OBJECT

 public:
  explicit ToolkitTranslations(QObject* parent) : QObject(parent) {}

  // `locale` is a language code such as "ru"; none, or one Qt has no
  // translation for, leaves Qt's texts in English.
  void Use(const std::optional<std::string>& locale);

 private:
  QTranslator* installed_ = nullptr;
};

}  // namespace quillory
