#pragma once

class QMainWindow;

namespace quillory {

class LangTable;
class NamedCaptions;

// Captions the main window's menus, commands, view buttons, close button
// and tag panel with their entries of `lang`; a caption whose entry the table
// lacks stays as it is.
void ApplyInterfaceCaptions(QMainWindow& window, const LangTable& lang);

// Captions what main.lng has no entry for (the submenus and commands
// without a number, the tag panel's pages and buttons, the tab strip, the
// preview's toolbar) by name from `captions`, or in English where it has
// none.
void ApplyNamedCaptions(QMainWindow& window, const NamedCaptions& captions);

}  // namespace quillory
