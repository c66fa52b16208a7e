#pragma once

#include <QObject>

#include <unordered_map>
#include <vector>

#include "editor/status_line.h"

namespace quillory {

class Editor;

// Finds the caret's line and column for the status line in time that does
// not grow with the caret's position. Lines are counted in CR LF pairs, so
// Scintilla's own line index answers only while every line end of the
// document is a pair; the finder keeps track of that for each document
// from the edits, and counts pairs in the text before the caret otherwise.
class CaretPlaceFinder : public QObject {
  Q_OBJECT

 public:
  explicit CaretPlaceFinder(Editor* rich);

  CaretPlace PlaceOf(int caret);

 private:
  struct Edit {
    void* document;
    int position;
    int inserted;
  };

  void OnModified(int position, int type, int length);
  void Settle();
  bool LoneEndNear(const Edit& edit) const;
  bool ScanWhole() const;

  Editor* rich_;
  // Whether each document seen holds a line end that is not a pair.
  std::unordered_map<void*, bool> lone_ends_;
  std::vector<Edit> pending_;
};

}  // namespace quillory
