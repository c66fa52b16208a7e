#pragma once

#include <QDialog>

#include <string>

#include "insert/reference_file.h"
#include "insert/ui/new_tag.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace quillory {

// The reference tree window (`TreeViewer`): the groups of a reference file
// in a tree, a group's commands in a two-column list, and a double click
// that inserts a command through the element dialog. It closes itself
// after an insertion, and on Esc. Not modal: the main window stays usable.
class TreeViewer : public QDialog {
  Q_OBJECT

 public:
  // Opens over `parent`, most of its size.
  explicit TreeViewer(ElementDialogHost host, QWidget* parent = nullptr);

  // Parses the file at `path` and shows its title and groups; the window
  // is titled after it.
  void Load(const std::string& path);

 private:
  void ShowGroup(QTreeWidgetItem* node);
  void InsertEntry(QTreeWidgetItem* row);

  ElementDialogHost host_;
  ReferenceFile file_;
  QTreeWidget* folders_ = nullptr;
  QTreeWidget* elements_ = nullptr;
};

}  // namespace quillory
