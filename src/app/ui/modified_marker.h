#pragma once

#include <QIcon>

namespace quillory {

// A tab's picture with the unsaved-changes marker drawn over its lower
// right corner; a tab without a picture gets the marker alone.
QIcon WithModifiedMarker(const QIcon& tab_picture);

}  // namespace quillory
