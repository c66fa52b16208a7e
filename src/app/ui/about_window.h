#pragma once

#include <QWidget>

#include <string>

namespace quillory {

struct AppEnvironment;
class LangTable;

// The about window: the language's about text and entry 87 beneath it.
// It deletes itself when closed.
class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  AboutWindow(const AppEnvironment& environment, const std::string& language,
              const LangTable& lang, QWidget* parent = nullptr);
};

}  // namespace quillory
