#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "editor/editing_guards.h"
#include "editor/find_session.h"
#include "editor/ui/last_search.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillory {

class Editor;
class HtmlParse;
class LangTable;
class NamedCaptions;

// What the find window works on; all of it outlives the window.
struct FindWindowHost {
  QWidget* main_window;
  Editor* rich;
  HtmlParse& highlighter;
  EditingGuards& guards;
  const NamedCaptions& captions;
  LastSearch& last_search;
  // Takes an undo snapshot of the document as it is now.
  std::function<void()> record_snapshot;
  // The change handling, as after a change the user made.
  std::function<void()> call_rich_change;
};

// The find-and-replace window `FindF`: a find panel and a replace panel in
// one place, three search options and the case and word options, searching
// the editor's text. Stays above the main window without blocking it; its
// search state lives as long as the window, which closing deletes.
// Captions are read from the language tables when the window is made.
class FindWindow : public QDialog {
  Q_OBJECT

 public:
  FindWindow(const FindWindowHost& host, const LangTable& lang);

  // Shows `panel` and puts the focus in its find text.
  void ShowPanel(FindPanel panel);
  const FindSession& Session() const { return session_; }

 private:
  // Where the keyboard goes after a search that found something.
  enum class FocusAfter : uint8_t { kEditor, kFindWindow };

  QWidget* BuildFindPanel(const LangTable& lang);
  QWidget* BuildReplacePanel(const LangTable& lang);
  QWidget* BuildOptions(const LangTable& lang);
  SearchFrom From() const;
  MatchRule Rule() const;
  std::optional<std::string> FindBytes(const QLineEdit* edit) const;
  void Remember(const QLineEdit* edit);
  std::optional<std::string> Replacement() const;
  void FindNext(FindPanel panel, FocusAfter focus);
  void Replace();
  void ReplaceAll();
  void Report(bool found, FocusAfter focus = FocusAfter::kEditor);

  FindWindowHost host_;
  QString not_found_;
  FindSession session_;
  QWidget* panels_[2] = {};
  QLineEdit* find_text_ = nullptr;     // Text1
  QLineEdit* replace_find_ = nullptr;  // Text2
  QLineEdit* replacement_ = nullptr;   // Text3
  QRadioButton* options_[3] = {};
  QCheckBox* match_case_ = nullptr;
  QCheckBox* whole_word_ = nullptr;
  QLabel* result_ = nullptr;  // says when nothing was found
};

}  // namespace quillory
