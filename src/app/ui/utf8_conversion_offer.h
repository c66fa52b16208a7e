#pragma once

#include <QObject>

#include "editor/ui/unheld_text_host.h"

namespace quillory {

class ChangeHandler;
class Dialogs;
class Editor;
class HtmlParse;
struct EditingGuards;

// Asks, when text would go into an 8-bit document that has no byte for one
// of its characters, whether to convert the document to UTF-8, and converts
// it when the user agrees: one change of the whole text, coloured anew and
// marked unsaved, that Undo takes back. Never inserts the text itself.
class Utf8ConversionOffer : public QObject, public UnheldTextHost {
  Q_OBJECT

 public:
  Utf8ConversionOffer(Editor& rich, HtmlParse& highlighter,
                      EditingGuards& guards, ChangeHandler& change,
                      Dialogs& dialogs, QObject* parent);

  bool ConvertToHold(char32_t character) override;

 private:
  Editor& rich_;
  HtmlParse& highlighter_;
  EditingGuards& guards_;
  ChangeHandler& change_;
  Dialogs& dialogs_;
};

}  // namespace quillory
