#pragma once

#include <QDialog>

#include <string>

namespace quillory {

struct AppEnvironment;
class LangTable;

// The about window: the language's about text and entry 87 beneath it.
// It opens with the focus on its button, closes on Enter or Esc and
// deletes itself when closed.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  AboutWindow(const AppEnvironment& environment, const std::string& language,
              const LangTable& lang, QWidget* parent = nullptr);
};

}  // namespace quillory
