#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/editing_guards.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"
#include "editor/script_colouring.h"

namespace quillory {

class Editor;

// The highlighter `HtmlParse`: colours a range of the visible editor with
// the runs of the colouring pass. The runs become the editor's style bytes
// in one step, so no half-coloured state is ever painted. It keeps an index
// of the PHP marks of the document it coloured last, fed by the editor's
// change notifications, so colouring a line costs the line, not the text
// before it. Style sheets and scripts, in pages or on their own, are
// coloured by their own rules when the document's language asks for it.
// Its colours follow the editor's palette, light or dark. Never changes the
// text.
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

  // How the shown document's style sheets and scripts are coloured; asked
  // on every request. Without it, only by the colouring pass.
  void SetScriptLanguage(std::function<ScriptLanguage()> language);

  // Colours the line holding the caret.
  void ParseCodeFromRich(Editor& rich);
  // Colours 1-based positions s_line..e_line (positions, not lines); with 1
  // and the length, the whole text.
  void SetForParsing(Editor& rich, int64_t s_line, int64_t e_line);
  // Colours the whole text. A long page shown from its start has its first
  // screen coloured before the rest, and `show` called to let the toolkit
  // draw it: the screen a user waits for on opening the page.
  void ColourWholeText(Editor& rich, const std::function<void()>& show);

 private:
  struct Edit {
    void* document = nullptr;
    int64_t offset = 0;
    int64_t removed = 0;
    int64_t inserted = 0;
  };

  ScriptLanguage Language() const;
  void Request(Editor& rich, int64_t sel_start, int64_t s_line, int64_t e_line,
               int caret);
  void ColourBound(Editor& rich, TextSource& text, StyleStore& styles,
                   int64_t sel_start, int64_t s_line, int64_t e_line);
  const PhpBlockIndex& IndexFor(Editor& rich, TextSource& text);
  void OnModified(int position, int type, int length);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ShowPalette();

  EditingGuards& guards_;
  Editor* rich_ = nullptr;
  HtmlColourer colourer_{PhpKeywords()};
  ScriptColourer scripts_;
  std::function<ScriptLanguage()> script_language_;
  PhpBlockIndex index_;
  void* indexed_document_ = nullptr;
  std::vector<Edit> pending_;
  std::vector<uint8_t> styles_;
};

}  // namespace quillory
