#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/editing_guards.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"

namespace quillory {

class Editor;

// The highlighter `HtmlParse`: colours a range of the visible editor with
// the runs of the colouring pass. The runs become the editor's style bytes
// in one step, so no half-coloured state is ever painted. It keeps an index
// of the PHP marks of the document it coloured last, fed by the editor's
// change notifications, so colouring a line costs the line, not the text
// before it. Never changes the text.
class HtmlParse : public QObject {
  Q_OBJECT

 public:
  explicit HtmlParse(EditingGuards& guards, QObject* parent = nullptr);

  // Binds the visible editor: gives it one style per colour-and-bold pair
  // and listens to its changes. Called once, before any request.
  void SethWnd(Editor* rich);
  // Loads the PHP keywords from the php.lng at `php_lng_path`; a missing
  // file gives none. Returns the number of list entries.
  size_t Initialize(const std::string& php_lng_path);

  // Colours the line holding the caret.
  void ParseCodeFromRich(Editor& rich);
  // Colours 1-based positions s_line..e_line (positions, not lines); with 1
  // and the length, the whole text.
  void SetForParsing(Editor& rich, int64_t s_line, int64_t e_line);

 private:
  struct Edit {
    void* document = nullptr;
    int64_t offset = 0;
    int64_t removed = 0;
    int64_t inserted = 0;
  };

  void Request(Editor& rich, int64_t sel_start, int64_t s_line, int64_t e_line,
               int caret);
  const PhpBlockIndex& IndexFor(Editor& rich, TextSource& text);
  void OnModified(int position, int type, int length);

  EditingGuards& guards_;
  Editor* rich_ = nullptr;
  HtmlColourer colourer_{PhpKeywords()};
  PhpBlockIndex index_;
  void* indexed_document_ = nullptr;
  std::vector<Edit> pending_;
  std::vector<uint8_t> styles_;
};

}  // namespace quillory
