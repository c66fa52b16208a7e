#pragma once

class QMainWindow;
class QMenuBar;

namespace quillory {

// Keyboard access to the main window's menus in every language: F10 opens
// the first menu (a lone Alt opens the bar as the style has it), and each
// menu marks the mnemonics of its entries from their captions as it opens.
void AddMenuKeys(QMainWindow& window);

// Marks the mnemonics of the menu bar's titles; run after they change.
void MarkMenuBarMnemonics(QMenuBar& bar);

}  // namespace quillory
