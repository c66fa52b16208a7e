#pragma once

class QMainWindow;

namespace quillory {

class LangTable;

// Captions the main window's menus, commands and view buttons with their
// entries of `lang`; a caption whose entry the table lacks stays as it is.
void ApplyInterfaceCaptions(QMainWindow& window, const LangTable& lang);

}  // namespace quillory
