#pragma once

#include "tools/ui/page_view.h"

namespace quillory {

// A view from the browser module beside the program, which is loaded on
// the first call; null when the module cannot be loaded.
PageView* LoadPageView(QWidget* parent);

}  // namespace quillory
