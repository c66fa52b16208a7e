#pragma once

#include <QDialog>
#include <QIcon>

#include <functional>
#include <string>
#include <vector>

#include "projects/template_folder.h"

class QComboBox;
class QListWidget;

namespace quillory {

class Dialogs;
class LangTable;
class NamedCaptions;

// What the template window needs of the main window; all of it outlives
// the window.
struct TemplateWindowHost {
  QWidget* main_window;
  const LangTable& lang;
  const NamedCaptions& captions;
  Dialogs& dialogs;
  TemplateFolders folders;
  // Opens an untitled document with this caption, text and tab icon.
  std::function<void(const std::string& caption, std::string text,
                     const QIcon& icon)>
      create;
};

// The template window `Form1`: a blank document type or a template to
// start a new document from. Lists the templates once, when made; does not
// block the main window and deletes itself when closed.
class TemplateWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TemplateWindow(const TemplateWindowHost& host);

  // The grid's row of the chosen template; -1 when none is chosen.
  int SelectedIndex() const;

 private:
  QWidget* BuildButtons();
  void FillGrid();
  void CancelSelection();
  void Create();

  TemplateWindowHost host_;
  std::vector<TemplateFile> templates_;
  QComboBox* types_ = nullptr;
  QListWidget* grid_ = nullptr;
};

}  // namespace quillory
