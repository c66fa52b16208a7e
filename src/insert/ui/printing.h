#pragma once

#include <string>

#include "insert/print_page.h"

namespace quillory {

class Dialogs;
class Editor;
class LangTable;
class NamedCaptions;

// What printing reads: the editor's text as it shows it, and where to ask
// and tell the user.
struct PrintHost {
  const Editor& rich;
  Dialogs& dialogs;
  const LangTable& lang;
  const NamedCaptions& captions;
};

// `PrintDocument`: the editor's whole text, with its colours and fonts, to
// the printer or PDF file the user chooses, each page headed by the program,
// `file_name` and the page's label. Each page after the first is announced
// by its number. A print that fails is told, naming where it went.
void PrintDocument(const PrintHost& host, const PrintMargins& margins,
                   const std::string& file_name);

}  // namespace quillory
