#include "editor/ui/whole_text.h"

#include "editor/ui/editor.h"
#include "editor/ui/highlighter.h"

namespace quillory {

void PutWholeText(Editor& rich, EditingGuards& guards, std::string_view text,
                  HtmlParse* highlighter) {
  const ScopedFlag parsing(guards.parsing_now);
  rich.ReplaceRange(0, rich.Length(), text);
  rich.Select(0, 0);
  if (highlighter != nullptr)
    highlighter->SetForParsing(rich, 1, rich.Length());
}

}  // namespace quillory
