#pragma once

#include <QDialog>

#include <array>
#include <string>
#include <vector>

#include "insert/tag_lists.h"

class QListWidget;

namespace quillory {

class Editor;
class HtmlParse;
class LangTable;
class NamedCaptions;

// What the tag lists window works on: the active editor and its
// highlighter, the texts of the interface language and the folder of that
// language, ending in "/", where the tag files are.
struct TagListsHost {
  Editor& rich;
  HtmlParse& highlighter;
  const LangTable& lang;
  const NamedCaptions& captions;
  std::string language_folder;
};

// A chooser closes after one insertion, a panel stays open.
enum class TagListsUse : int { kChooser, kPanel };

// The tag lists window (`AddTag`): the categories (`List1`) above the
// captions of the chosen one (`List2`); a double click puts the entry in.
class AddTag : public QDialog {
  Q_OBJECT

 public:
  // Reads the tag files afresh, so an edited file shows at the next opening.
  AddTag(TagListsHost host, TagListsUse use, QWidget* parent = nullptr);

  void List1_Click(int row);
  void List2_DblClick(int row);

 private:
  // The selected category; -1 before one is chosen.
  int ChosenCategory() const;

  TagListsHost host_;
  TagListsUse use_;
  std::array<std::vector<TagEntry>, 4> entries_;  // by category
  QListWidget* categories_ = nullptr;
  QListWidget* captions_ = nullptr;
};

}  // namespace quillory
