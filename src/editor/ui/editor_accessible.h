#pragma once

namespace quillory {

// Gives the editor an accessibility interface that reads the text only when
// an assistive tool asks, instead of the stock one that walks the text on
// every edit and caret move. Safe to call more than once.
void InstallEditorAccessibility();

}  // namespace quillory
