#pragma once

#include <QWidget>

#include <string>

#include "insert/reference_file.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace quillory {

class Editor;
class HtmlParse;

// The reference tree window (`TreeViewer`): the groups of a reference file
// in a tree, a group's commands in a two-column list, and a double click
// that inserts a command through the element dialog. It closes itself
// after an insertion.
class TreeViewer : public QWidget {
  Q_OBJECT

 public:
  TreeViewer(Editor& rich, HtmlParse& highlighter, QWidget* parent = nullptr);

  // Parses the file at `path` and shows its title and groups.
  void Load(const std::string& path);

 private:
  void ShowGroup(QTreeWidgetItem* node);
  void InsertEntry(QTreeWidgetItem* row);

  Editor& rich_;
  HtmlParse& highlighter_;
  ReferenceFile file_;
  QTreeWidget* folders_ = nullptr;
  QTreeWidget* elements_ = nullptr;
};

}  // namespace quillory
