#pragma once

#include <QDialog>

#include <string>
#include <string_view>

#include "tools/ui/page_view.h"

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace quillory {

class LangTable;
class NamedCaptions;

// The tool output window `CheckDocForErr`: a tool's messages as plain text
// in `Status`, and pages in the browser `Web` in the same place, the
// browser made on first use; a label naming what ran, and `Command1`,
// which closes the window and so deletes it. Changes no document.
class OutputWindow : public QDialog {
  Q_OBJECT

 public:
  // Pages are written to `temp_folder` (ending in "/").
  OutputWindow(const LangTable& lang, const NamedCaptions& captions,
               PageViewFactory make_page_view, std::string temp_folder,
               QWidget* parent);

  void ShowMessages(std::string_view text);
  void SetSource(const QString& text);
  // `Browser`: shows whichever of the messages and the browser is hidden.
  void Browser();
  // `ShowHtml`: the text as a page in the browser, shown or not.
  void ShowHtml(std::string_view text);

 private:
  QWidget* Web();

  PageViewFactory make_page_view_;
  std::string temp_folder_;
  QStackedWidget* views_ = nullptr;
  QPlainTextEdit* status_ = nullptr;
  PageView* web_ = nullptr;
  QWidget* no_web_ = nullptr;  // in the browser's place when there is none
  QLabel* source_ = nullptr;
};

}  // namespace quillory
