#pragma once

#include <string_view>

#include "projects/template_folder.h"

namespace quillory {

class Dialogs;
class LangTable;

// Add to templates: asks for a file name and stores `text` under it in the
// templates folder, replacing a template of that name. A name that would
// write outside the folder is refused with a message, and so is a failed
// write, which leaves any old template as it was.
void AddTemplate(Dialogs& dialogs, const LangTable& lang,
                 const TemplateFolders& folders, std::string_view text);

}  // namespace quillory
