#pragma once

#include <vector>

class QTabWidget;
class QWidget;

namespace quillory {

class NamedCaptions;
class PanelToolButton;

// Adds the eight pages of the tag panel to `ttab`, in their fixed order,
// and the toolbar icons to `toolbar`; returns every button made, in the
// order of the button table.
std::vector<PanelToolButton*> BuildPanelPages(QTabWidget& ttab,
                                              QWidget& toolbar);

// Gives the pages of `window`'s tag panel and every panel button within it
// their texts in the interface language: page titles named "TTab.Forms" and
// so on, button names by the button's object name ("LImg_4"), English
// where the language has none.
void CaptionPanelPages(QWidget& window, const NamedCaptions& captions);

}  // namespace quillory
