#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "editor/editing_guards.h"
#include "editor/find_session.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillory {

class Dialogs;
class Editor;
class HtmlParse;
class LangTable;

// What the find window works on; all of it outlives the window.
struct FindWindowHost {
  QWidget* main_window;
  Editor* rich;
  HtmlParse& highlighter;
  EditingGuards& guards;
  Dialogs& dialogs;
};

// The find-and-replace window `FindF`: a find panel and a replace panel in
// one place, three search options, searching the editor's text without
// regard to letter case. Stays above the main window without blocking it;
// its search state lives as long as the window, which closing deletes.
// Captions are read from the language table when the window is made.
class FindWindow : public QDialog {
  Q_OBJECT

 public:
  FindWindow(const FindWindowHost& host, const LangTable& lang);

  // Shows `panel` and puts the focus in its find text.
  void ShowPanel(FindPanel panel);
  const FindSession& Session() const { return session_; }

 private:
  QWidget* BuildFindPanel(const LangTable& lang);
  QWidget* BuildReplacePanel(const LangTable& lang);
  QWidget* BuildOptions(const LangTable& lang);
  SearchFrom From() const;
  std::optional<std::string> FindBytes(const QLineEdit* edit) const;
  std::optional<std::string> Replacement() const;
  void FindNext(FindPanel panel);
  void Replace();
  void ReplaceAll();
  void Report(bool found);

  FindWindowHost host_;
  std::string not_found_;
  FindSession session_;
  QWidget* panels_[2] = {};
  QLineEdit* find_text_ = nullptr;     // Text1
  QLineEdit* replace_find_ = nullptr;  // Text2
  QLineEdit* replacement_ = nullptr;   // Text3
  QRadioButton* options_[3] = {};
};

}  // namespace quillory
