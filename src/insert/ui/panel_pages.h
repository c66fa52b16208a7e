#pragma once

#include <vector>

class QTabWidget;
class QWidget;

namespace quillory {

class PanelToolButton;

// Adds the eight pages of the tag panel to `ttab`, in their fixed order,
// and the toolbar icons to `toolbar`; returns every button made, in the
// order of the button table.
std::vector<PanelToolButton*> BuildPanelPages(QTabWidget& ttab,
                                              QWidget& toolbar);

}  // namespace quillory
