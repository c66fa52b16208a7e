#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace quillory {

class Dialogs;
class LangTable;
class NamedCaptions;

// An open document as the project window offers it.
struct ProjectDocument {
  int slot;
  std::string caption;
  std::string file_path;
  bool saved;
};

// What the project window needs of the main window; all of it outlives
// the window.
struct ProjectWindowHost {
  QWidget* main_window;
  const LangTable& lang;
  Dialogs& dialogs;
  const NamedCaptions& captions;
  std::vector<ProjectDocument> documents;  // in slot order
  // Told the project file once it is written.
  std::function<void(const std::string& project_file)> saved;
};

// The project window `Projects`: builds a project file from open, saved
// documents. Blocks the main window while open, so the documents it lists
// stay as they are; deletes itself when closed.
class ProjectWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProjectWindow(const ProjectWindowHost& host);

 private:
  QWidget* BuildLists();
  QWidget* BuildFileRow();
  const ProjectDocument* DocumentOf(const QListWidgetItem* item) const;
  void ShowPath(const QListWidget* list);
  void AddToProject();
  void RemoveFromProject();
  void ChooseFile();
  void SaveProject();
  bool MayWrite(const std::string& file_name);
  std::string Entry(int index) const;

  ProjectWindowHost host_;
  QListWidget* lists_[2] = {};  // List1: open documents, List2: the project
  QLabel* path_ = nullptr;
  QLineEdit* file_name_ = nullptr;
  std::string chosen_name_;  // the chooser asked about replacing it
};

}  // namespace quillory
